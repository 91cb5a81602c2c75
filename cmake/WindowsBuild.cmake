# The Windows build: the installer, its packs and resources, and the Windows tests
# that CTest runs under Wine.
if(NOT PACKTOOL)
  message(FATAL_ERROR "Set PACKTOOL to the host build's pack tool (the Makefile does).")
endif()

include(cmake/ThirdParty.cmake)
include(cmake/GoogleTest.cmake)

# Windows XP is the oldest system the installer runs on; Unicode throughout.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)

add_subdirectory(base)
add_subdirectory(packs)
add_subdirectory(script)
add_subdirectory(toolkit/core)
add_subdirectory(jobs)
add_subdirectory(resources)
add_subdirectory(host)
add_subdirectory(tests/win)
add_subdirectory(bench/win)
