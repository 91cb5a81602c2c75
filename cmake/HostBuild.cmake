# The host-native build: what runs at build time (the pack tool) and the portable
# code checked under sanitizers, fuzzed and benchmarked.
find_package(LibLZMA REQUIRED)
find_package(benchmark REQUIRED)
include(cmake/GoogleTest.cmake)

set(PACK_SOURCES
  ${CMAKE_SOURCE_DIR}/packs/PackFormat.cpp
  ${CMAKE_SOURCE_DIR}/packs/Pack.cpp
  ${CMAKE_SOURCE_DIR}/packs/PackWriter.cpp
  ${CMAKE_SOURCE_DIR}/packs/LzmaCodec.cpp
  ${CMAKE_SOURCE_DIR}/base/Utf.cpp)

include(toolkit/core/PortableSources.cmake)

# Portable code in one flavour per use: plain for the tool and the benchmarks, with
# sanitizers for the tests, with coverage for the fuzzer.
function(add_portable_library name sources)
  add_library(${name} STATIC ${${sources}})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PUBLIC ${ARGN})
  target_link_options(${name} PUBLIC ${ARGN})
  talvo_warnings(${name})
endfunction()

function(add_pack_library name)
  add_portable_library(${name} PACK_SOURCES ${ARGN})
  target_link_libraries(${name} PUBLIC LibLZMA::LibLZMA)
endfunction()

set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_pack_library(packs)
add_pack_library(packs_sanitized ${SANITIZERS})
add_portable_library(toolkit_core TOOLKIT_CORE_PORTABLE_SOURCES)
add_portable_library(toolkit_core_sanitized TOOLKIT_CORE_PORTABLE_SOURCES ${SANITIZERS})

add_executable(packtool tools/packtool/packtool.cpp)
target_link_libraries(packtool PRIVATE packs)
talvo_warnings(packtool)

add_executable(payloadgen tools/payloadgen/payloadgen.cpp)
target_link_libraries(payloadgen PRIVATE stb)
talvo_warnings(payloadgen)

# Drawing arithmetic and markup value syntax: no window system needed.
add_library(toolkit_pure STATIC toolkit/draw/Premultiply.cpp toolkit/draw/ScaleGrid.cpp
  toolkit/markup/ValueSyntax.cpp)
target_include_directories(toolkit_pure PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(toolkit_pure PRIVATE ${SANITIZERS})
talvo_warnings(toolkit_pure)

add_subdirectory(tests/host)
add_subdirectory(bench)

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_pack_library(packs_fuzz ${SANITIZERS} -fsanitize=fuzzer-no-link)
  add_subdirectory(fuzz)
endif()
