# Cross-compiles the same sources for 64-bit Windows (x86_64, posix threads): the Wine tests run
# this build where the machine cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(DUSK_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
