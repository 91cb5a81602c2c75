# Lua 5.2 and liblzma for Windows, compiled from Debian's source packages that
# tools/setup.sh unpacked. Lua is compiled as C++ so that a script error unwinds
# with C++ exceptions and runs destructors on its way.
set(LUA_DIR ${THIRD_PARTY_DIR}/lua5.2/src)
set(XZ_DIR ${THIRD_PARTY_DIR}/xz-utils)
if(NOT EXISTS ${LUA_DIR}/lua.h OR NOT EXISTS ${XZ_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "Third-party sources are missing; run tools/setup.sh first.")
endif()

file(GLOB LUA_SOURCES ${LUA_DIR}/*.c)
list(REMOVE_ITEM LUA_SOURCES ${LUA_DIR}/lua.c ${LUA_DIR}/luac.c)
set_source_files_properties(${LUA_SOURCES} PROPERTIES LANGUAGE CXX)
add_library(lua STATIC ${LUA_SOURCES})
target_include_directories(lua SYSTEM PUBLIC ${LUA_DIR})
target_compile_options(lua PRIVATE -w)

# xz's own CMake builds liblzma; the programs it also knows are never built.
set(BUILD_SHARED_LIBS OFF)
set(BUILD_TESTING OFF CACHE BOOL "xz-utils' own tests are not ours to run" FORCE)
add_subdirectory(${XZ_DIR} ${CMAKE_BINARY_DIR}/xz-utils EXCLUDE_FROM_ALL SYSTEM)
target_compile_options(liblzma PRIVATE -w)
add_library(lzma INTERFACE)
target_link_libraries(lzma INTERFACE liblzma)
target_include_directories(lzma SYSTEM INTERFACE ${XZ_DIR}/src/liblzma/api)
target_compile_definitions(lzma INTERFACE LZMA_API_STATIC)
