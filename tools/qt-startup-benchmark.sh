#!/usr/bin/env bash
# The Linux program's start-up against the bare Qt window of ../shared/tools (the same widgets,
# no behaviour): the time until the window is mapped and the peak memory (VmHWM) once it is
# up, the two programs alternated run by run in one X session. Prints both medians and their
# ratios; exits 1 when a ratio is above 1.15.
#   tools/qt-startup-benchmark.sh [LINUX_BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$here/tools/with-x.sh" "$0" "$@"; fi
build=$(realpath "${1:-$here/build/linux}")
runs=${2:-15}
shared="$here/../shared/tools"
program="$build/src/qt/appearance-calculator"
out="$build/bench"
mkdir -p "$out"

gcc -O2 "$shared/window-time.c" -o "$out/window-time" -lX11
# shellcheck disable=SC2046  # pkg-config gives several words on purpose
g++ -O2 -fPIC "$shared/bare-qt-window.cpp" -o "$out/bare-qt-window" \
  $(pkg-config --cflags --libs Qt6Widgets)

mapped_ms() {
  "$out/window-time" -n 1 -- "$1" 2>/dev/null | sed -n 's/^median map_ms=\([0-9.]*\).*/\1/p'
}

# Peak resident memory in KiB once the window is on the screen and painted.
peak_kib() {
  "$1" 2>/dev/null &
  local pid=$!
  # A window that comes and goes during a search makes xdotool fail: ask again, 10 s at most.
  for _ in $(seq 500); do
    xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
    sleep 0.02
  done
  sleep 0.5
  awk '/^VmHWM/ {print $2}' "/proc/$pid/status"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >"$out/bare-ms"; : >"$out/program-ms"; : >"$out/bare-kib"; : >"$out/program-kib"
for _ in $(seq "$runs"); do
  mapped_ms "$out/bare-qt-window" >>"$out/bare-ms"
  mapped_ms "$program" >>"$out/program-ms"
  peak_kib "$out/bare-qt-window" >>"$out/bare-kib"
  peak_kib "$program" >>"$out/program-kib"
done

bare_ms=$(median <"$out/bare-ms"); program_ms=$(median <"$out/program-ms")
bare_kib=$(median <"$out/bare-kib"); program_kib=$(median <"$out/program-kib")
time_ratio=$(awk -v a="$program_ms" -v b="$bare_ms" 'BEGIN {printf "%.3f", a / b}')
memory_ratio=$(awk -v a="$program_kib" -v b="$bare_kib" 'BEGIN {printf "%.3f", a / b}')
echo "window mapped after (median of $runs): program $program_ms ms, bare Qt window $bare_ms ms, ratio $time_ratio (at most 1.15)"
echo "peak memory (median of $runs): program $program_kib KiB, bare Qt window $bare_kib KiB, ratio $memory_ratio (at most 1.15)"
awk -v t="$time_ratio" -v m="$memory_ratio" 'BEGIN {exit !(t <= 1.15 && m <= 1.15)}'
