# libpng from Debian's source package (unpacked by scripts/setup.sh in DUSK_DEPS_DIR) over a static
# zlib, as PNG::PNG.
file(GLOB DUSK_LIBPNG_SOURCE_DIR LIST_DIRECTORIES true "${DUSK_DEPS_DIR}/libpng1.6-*")
if(NOT DUSK_LIBPNG_SOURCE_DIR OR NOT IS_DIRECTORY "${DUSK_LIBPNG_SOURCE_DIR}")
    message(FATAL_ERROR "libpng sources not found in ${DUSK_DEPS_DIR}; run scripts/setup.sh")
endif()

# Static zlib, so the Windows program needs no zlib1.dll.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

set(PNG_SHARED OFF CACHE BOOL "" FORCE)
set(PNG_STATIC ON CACHE BOOL "" FORCE)
set(PNG_TESTS OFF CACHE BOOL "" FORCE)
set(PNG_EXECUTABLES OFF CACHE BOOL "" FORCE)
set(PNG_HARDWARE_OPTIMIZATIONS OFF CACHE BOOL "" FORCE)
set(SKIP_INSTALL_ALL ON CACHE BOOL "" FORCE)
# Third-party code is compiled with its own warnings, never as errors.
add_subdirectory(${DUSK_LIBPNG_SOURCE_DIR} ${CMAKE_BINARY_DIR}/third_party/libpng EXCLUDE_FROM_ALL)
target_compile_options(png_static PRIVATE -w)
target_include_directories(png_static INTERFACE
    ${DUSK_LIBPNG_SOURCE_DIR} ${CMAKE_BINARY_DIR}/third_party/libpng)
add_library(PNG::PNG ALIAS png_static)
