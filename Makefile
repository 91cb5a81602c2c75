# Orchestrates the three CMake builds; CMake does the building.
#
#   make run    set up, build, and start the installer under Wine
#   make test   set up, build everything, and run every test
#
# Other targets: setup, build, host, win64, win32, bench, fuzz, clean.

JOBS ?= $(shell nproc)
HOST_CC ?= clang
HOST_CXX ?= clang++
BUILD_TYPE ?= Release

PACKTOOL := $(CURDIR)/build/host/packtool

.PHONY: run test setup build host win64 win32 bench fuzz clean

run: setup host win64
	WINEPREFIX=$(CURDIR)/build/wineprefix tools/wine-session.sh tools/wine-exec.sh build/win64/TalvoMirelleSetup.exe

test: setup build
	tools/run-tests.sh

setup:
	tools/setup.sh

build: host win64 win32

host: build/host/CMakeCache.txt
	cmake --build build/host -j $(JOBS)

build/host/CMakeCache.txt:
	cmake -S . -B build/host -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DCMAKE_C_COMPILER=$(HOST_CC) -DCMAKE_CXX_COMPILER=$(HOST_CXX)

win64 win32: %: build/%/CMakeCache.txt host
	cmake --build build/$* -j $(JOBS)

build/win64/CMakeCache.txt build/win32/CMakeCache.txt: build/%/CMakeCache.txt:
	cmake -S . -B build/$* -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DPACKTOOL=$(PACKTOOL) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-$(if $(filter win64,$*),x86_64,i686).cmake

bench: setup host win64
	build/host/pack_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build/host/event_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build/host/layout_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	tools/wine-session.sh tools/wine-exec.sh build/win64/postcall_bench.exe
	tools/wine-session.sh tools/wine-exec.sh build/win64/extract_bench.exe
	tools/wine-session.sh tools/wine-exec.sh build/win64/window_bench.exe

fuzz: setup host
	tools/run-fuzzer.sh 30

clean:
	rm -rf build/host build/win64 build/win32 build/wineprefix
