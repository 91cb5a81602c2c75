# Cross build for 32-bit Windows with mingw-w64 (posix threads): the shipped
# installer. These machines cannot run 32-bit code, so it is only built.
set(MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
