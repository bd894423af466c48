# Everyday commands. `make test` is what CI runs.
SHELL := /bin/bash
.SHELLFLAGS := -euo pipefail -c
CTEST_FLAGS ?= --output-on-failure -j2

.PHONY: all deps linux asan fuzz windows test test-linux test-asan test-fuzz test-windows bench run clean

all: linux

deps:
	bash tools/install-deps.sh

linux: deps
	cmake --preset linux >/dev/null
	cmake --build --preset linux

asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows

test-linux: linux
	ctest --preset linux $(CTEST_FLAGS)

test-asan: asan
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --preset asan $(CTEST_FLAGS)

test-fuzz: fuzz
	bash tools/run-fuzz.sh build/fuzz

test-windows: windows
	ctest --preset windows $(CTEST_FLAGS)

test: test-linux test-asan test-fuzz test-windows

bench: linux windows
	bash tools/run-benchmarks.sh

run: linux
	build/linux/src/qt/appearance-calculator

clean:
	rm -rf build
