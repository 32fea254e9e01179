# DUSK_VERSION_TEXT from resources/version.h, the program's one version header.
set(dusk_version_header ${PROJECT_SOURCE_DIR}/resources/version.h)
file(STRINGS ${dusk_version_header} dusk_version_line REGEX "^#define DUSK_VERSION_TEXT ")
string(REGEX REPLACE "^#define DUSK_VERSION_TEXT \"([0-9.]+)\".*$" "\\1" DUSK_VERSION_TEXT
    "${dusk_version_line}")
if(NOT DUSK_VERSION_TEXT MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "no DUSK_VERSION_TEXT \"a.b.c.d\" in ${dusk_version_header}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dusk_version_header})
