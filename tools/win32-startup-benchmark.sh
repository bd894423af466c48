#!/usr/bin/env bash
# The Windows program's start-up under Wine against the bare Win32 window of ../shared/tools
# (the same controls, no behaviour), built with the same toolchain: the time until the window
# is mapped, the two programs alternated run by run in one X session. Prints both medians,
# their ratio and the .exe's size; exits 1 when the ratio is above 1.2.
#   tools/win32-startup-benchmark.sh [WINDOWS_BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$here/tools/with-x.sh" "$0" "$@"; fi
build=$(realpath "${1:-$here/build/windows}")
runs=${2:-41}
shared="$here/../shared/tools"
program="$build/AppearanceCalculator.exe"
out="$build/bench"
mkdir -p "$out"

gcc -O2 "$shared/window-time.c" -o "$out/window-time" -lX11
i686-w64-mingw32-g++-posix -O2 -static -mwindows "$shared/bare-win32-window.cpp" \
  -o "$out/bare-win32-window.exe" -lcomctl32

# The window tests' prefix; one wineserver (with Wine's desktop) stays up for the whole run,
# so that neither program pays for starting it.
export APPEARANCE_WINEPREFIX="${APPEARANCE_WINEPREFIX:-$here/build/wine-prefix}-gui"
"$here/tools/wine-run.sh" cmd /c exit
WINEPREFIX="$APPEARANCE_WINEPREFIX" wineserver -w
WINEPREFIX="$APPEARANCE_WINEPREFIX" wineserver -p
trap 'WINEPREFIX="$APPEARANCE_WINEPREFIX" wineserver -k 2>/dev/null || true' EXIT

mapped_ms() {
  "$out/window-time" -n 1 -t 20000 -- "$here/tools/wine-run.sh" "$1" |
    sed -n 's/^median map_ms=\([0-9.]*\).*/\1/p'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

mapped_ms "$program" >/dev/null # warm the file cache for both
mapped_ms "$out/bare-win32-window.exe" >/dev/null
: >"$out/program.ms"
: >"$out/bare.ms"
# Which of the two starts first changes from run to run, and Wine is given a moment to clean
# up the program that was just ended, so that neither side pays for the other.
for run in $(seq "$runs"); do
  if [ $((run % 2)) -eq 1 ]; then
    mapped_ms "$program" >>"$out/program.ms"
    sleep 0.3
    mapped_ms "$out/bare-win32-window.exe" >>"$out/bare.ms"
  else
    mapped_ms "$out/bare-win32-window.exe" >>"$out/bare.ms"
    sleep 0.3
    mapped_ms "$program" >>"$out/program.ms"
  fi
  sleep 0.3
done
program_ms=$(median <"$out/program.ms")
bare_ms=$(median <"$out/bare.ms")
# Each run's ratio to the bare window's run beside it, so that a busy moment of the
# machine weighs on both sides of a ratio; their median is the figure.
ratio=$(paste "$out/program.ms" "$out/bare.ms" | awk '{ printf "%.4f\n", $1 / $2 }' | median)
size=$(stat -c %s "$program")
echo "AppearanceCalculator.exe: median map_ms=$program_ms over $runs runs"
echo "bare-win32-window.exe:    median map_ms=$bare_ms over $runs runs"
echo "median ratio=$ratio (at most 1.2)"
echo "AppearanceCalculator.exe size=$size bytes ($((size / 1024)) KiB, at most 512 KiB)"
awk -v r="$ratio" -v s="$size" 'BEGIN { exit !(r <= 1.2 && s <= 512 * 1024) }'
