#!/usr/bin/env bash
# A person at the keyboard and mouse, through the X server, in front of the real program under
# Wine: Tab, full-width digits, the "计  算" buttons, the page headers, Esc; the program must end
# with status 0. A screenshot of each page goes to SCREENSHOT_DIR.
#   real_input_test.sh PROGRAM.exe window_probe.exe SCREENSHOT_DIR
# Needs an X server in DISPLAY: CTest runs it through run_gui_test.sh.
set -euo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
program=$(realpath "$1")
probe=$(realpath "$2")
screenshots=$(realpath -m "$3")
mkdir -p "$screenshots"
wine_run="$here/tools/wine-run.sh"

fail() {
  echo "FAILED: $*" >&2
  echo "--- the window:" >&2
  "$wine_run" "$probe" >&2 || true
  kill "$pid" 2>/dev/null || true
  exit 1
}

look() { "$wine_run" "$probe" 2>/dev/null | tr -d '\r'; }
value() { look | sed -n "s/^$1=//p" | head -1; }

# Waits until the probe reports KEY=VALUE (input travels through X, Wine and the loop).
expect() {
  local key=$1 want=$2 got=
  for _ in $(seq 40); do
    got=$(value "$key")
    [ "$got" = "$want" ] && { echo "ok: $key=$want"; return 0; }
    sleep 0.25
  done
  fail "$key is '$got', not '$want'"
}

# Types TEXT into BOX one character at a time. xdotool lends each character a spare key code
# for a moment; when Wine reads the keyboard map too late the character is lost, so it is
# typed again (never twice in the box: the text is checked before each retry).
type_into() {
  local box=$1 text=$2 typed= i try
  for ((i = 0; i < ${#text}; i++)); do
    typed+=${text:i:1}
    for try in 1 2 3; do
      xdotool type --delay 80 "${text:i:1}"
      for _ in $(seq 8); do
        [ "$(value "text $box")" = "$typed" ] && break 2
        sleep 0.125
      done
      [ "$try" -lt 3 ] || fail "could not type '${text:i:1}' into $box"
    done
  done
  echo "ok: typed $text into $box"
}

click_at() {
  local x=${1%,*} y=${1#*,}
  xdotool mousemove --sync "$x" "$y" click 1
}

shoot() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$window")
  eval "$geometry"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshots/$1.png"
}

# Started from another folder, with arguments that must change nothing.
cd /
"$wine_run" "$program" --ignored argument &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name 'Quellmar' | head -1) ||
  fail "no window"
expect window shown
expect active yes
expect focus 按钮2
expect page 0
shoot page-0-equipment

xdotool key Tab
expect focus 编辑框3
type_into 编辑框3 '２４００'
click_at "$(value "centre 按钮2")"
expect "text 编辑框4" 2
expect focus 按钮2
xdotool key shift+Tab
expect focus 编辑框4
shoot page-0-equipment-result

click_at "$(value "centre header1")"
expect page 1
expect focus 按钮1
xdotool key Tab
expect focus 编辑框1
type_into 编辑框1 '５'
click_at "$(value "centre 按钮1")"
expect "text 编辑框2" 40
shoot page-1-monster

click_at "$(value "centre header2")"
expect page 2
shoot page-2-about

click_at "$(value "centre header0")"
expect page 0
expect "text 编辑框3" '２４００'
xdotool key Escape
status=0
for _ in $(seq 40); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
kill -0 "$pid" 2>/dev/null && fail "Esc did not end the program"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "ok: exit status 0"
