# Cross build for 64-bit Windows with mingw-w64 (posix threads); the result runs
# here under wine64, which is also how CTest runs the Windows tests.
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
