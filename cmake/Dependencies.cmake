# Third-party libraries: installed from Debian natively, built from Debian's sources for Windows.
if(WIN32)
    set(DUSK_DEPS_DIR "${CMAKE_SOURCE_DIR}/.deps" CACHE PATH "Unpacked Debian source packages")
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsDependencies.cmake)
elseif(DUSK_FUZZ)
    # The fuzzers see into libpng only when it is built with their instrumentation.
    set(DUSK_DEPS_DIR "${CMAKE_SOURCE_DIR}/.deps" CACHE PATH "Unpacked Debian source packages")
    include(${CMAKE_CURRENT_LIST_DIR}/LibpngFromSource.cmake)
    find_package(GTest REQUIRED)
else()
    find_package(PNG REQUIRED)
    find_package(GTest REQUIRED)
endif()
