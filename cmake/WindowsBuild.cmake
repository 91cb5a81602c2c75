# The Windows build: the installer, its packs and resources, and the Windows tests
# that CTest runs under Wine.
if(NOT PACKTOOL)
  message(FATAL_ERROR "Set PACKTOOL to the host build's pack tool (the Makefile does).")
endif()

include(cmake/ThirdParty.cmake)
include(cmake/GoogleTest.cmake)

# stb_image and stb_image_write, from Debian's libstb-dev headers.
find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

# Windows XP is the oldest system the installer runs on; Unicode throughout.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)

add_subdirectory(base)
add_subdirectory(packs)
add_subdirectory(script)
add_subdirectory(toolkit)
add_subdirectory(payload)
add_subdirectory(resources)
add_subdirectory(host)
add_subdirectory(jobs)
add_subdirectory(tools/scriptrun)
add_subdirectory(tests/win)
add_subdirectory(tests/scripts)
add_subdirectory(bench/win)
