# Cross-compiles for 32-bit Windows with MinGW-w64 (i686, posix threads): the shipped program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(DUSK_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
