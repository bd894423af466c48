#!/usr/bin/env bash
# Runs the benchmarks of the linux build (`make bench` builds it first), one section each.
# Extra arguments go to every Google Benchmark program, e.g. --benchmark_filter=textToInteger.
#   tools/run-benchmarks.sh [BUILD_DIR] [benchmark arguments...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build/linux"
if [ $# -gt 0 ] && [[ $1 != --* ]]; then
  build=$1
  shift
fi

section() { printf '\n== %s\n' "$1"; }

section "calculations: textToInteger and a whole calculateEquipment click"
"$build/bench/calc_benchmarks" "$@"

section "Linux program: start-up and peak memory against the bare Qt window"
"$here/tools/qt-startup-benchmark.sh" "$build"

section "Windows program under Wine: start-up against the bare Win32 window, and its size"
"$here/tools/win32-startup-benchmark.sh" "$here/build/windows"
