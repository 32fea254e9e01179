# libpng from Debian's source package over Debian's MinGW zlib, and GoogleTest from Debian's
# sources, both built with the MinGW toolchain.
include(${CMAKE_CURRENT_LIST_DIR}/LibpngFromSource.cmake)

set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)
foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -w)
endforeach()
# GoogleTest's own build provides the GTest:: targets.
