#!/usr/bin/env bash
# The real program under a real X server and window manager, driven with real X input
# (xdotool): the first focus, Tab, full-width typing, "计  算", a page header, Esc and the exit
# status; an edit box's menu on the Menu key, and Ctrl+Z; arguments that Qt would otherwise take;
# the program's folder as working directory; two copies side by side. It also leaves a
# screenshot of each page, frame included.
#   x_input_test.sh PROGRAM SCREENSHOT_FOLDER      (run under tools/with-x.sh)
set -euo pipefail
program=$(readlink -f "$1")
shots=$2
mkdir -p "$shots"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Started from another folder, with arguments Qt itself would act on.
start_copy() {
  (cd /tmp && exec "$program" -platform offscreen -style windows -reverse "$@") &
  started_pid=$!
  started_window=$(xdotool search --sync --onlyvisible --pid "$started_pid" | head -1)
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$started_window" ] && return
    sleep 0.1
  done
  fail "the window never became active"
}

# The frame's widths: left, right, top, bottom (the window manager sets them soon after mapping).
frame_extents() {
  local extents=""
  for _ in $(seq 50); do
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ',')
    [ -n "${extents// /}" ] && break
    sleep 0.1
  done
  echo "${extents:-0 0 0 0}"
}

# Client-relative clicks; a pause lets the program handle them.
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
key() { xdotool key --delay 80 "$@"; sleep 0.3; }

# Full-width digits have no key of their own: spare keys get them before the program starts,
# as a keyboard that has them would (xdotool's own key mapping on the fly can lose a key).
xmodmap -e "keycode 200 = UFF10" -e "keycode 201 = UFF11" -e "keycode 202 = UFF12" \
        -e "keycode 203 = UFF14"
full_width_digit() { xdotool key --delay 100 "$(printf 'UFF1%s' "$1")"; sleep 0.1; }
type_full_width() {  # the digits 0, 1, 2 and 4, written as half-width ones
  local digits=$1 i
  for ((i = 0; i < ${#digits}; i++)); do full_width_digit "${digits:i:1}"; done
}

# The whole text of an edit box, through the clipboard.
box_text() {
  click_at "$1" "$2"
  key ctrl+a ctrl+c
  xclip -o -selection clipboard 2>/dev/null || true
}

expect_box() {
  local actual
  actual=$(box_text "$1" "$2")
  [ "$actual" = "$3" ] || fail "$4: box holds '$actual', expected '$3'"
}

# Where the client area is on the screen (xdotool's own answer counts the frame twice).
client_position() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                                END {print "X=" x "; Y=" y}'
}

screenshot() {
  local X Y left right top bottom
  eval "$(client_position)"
  read -r left right top bottom <<<"$(frame_extents)"
  import -window root -crop "$((256 + left + right))x$((176 + top + bottom))+$((X - left))+$((Y - top))" \
    +repage "$shots/x11-$1.png"
}

start_copy
pid=$started_pid
window=$started_window

[ "$(readlink "/proc/$pid/cwd")" = "$(dirname "$program")" ] ||
  fail "working directory is $(readlink "/proc/$pid/cwd")"
geometry=$(xwininfo -id "$window")
grep -q "Width: 256" <<<"$geometry" && grep -q "Height: 176" <<<"$geometry" ||
  fail "client area is not 256 x 176"
read -r left right top bottom <<<"$(frame_extents)"
eval "$(client_position)"
[ "$((X - left))" -eq 382 ] && [ "$((Y - top))" -eq 283 ] ||
  fail "frame at $((X - left)),$((Y - top)), expected the centre 382,283"

screenshot page-0
# The focus starts on the equipment button: the space bar presses it (an empty value gives 0).
key space
expect_box 200 56 0 "space on the first focus"
# Tab from the button goes to the value box; full-width digits; a click on "计  算".
# (reading the result box left the focus there: back to the button first)
key shift+Tab shift+Tab
key Tab
type_full_width 2400
click_at 128 84
expect_box 200 56 2 "equipment calculation"
expect_box 88 56 '２４００' "equipment value"

# X reports the Menu key as a key and as a request for the menu: one menu opens, and Esc closes
# just the menu. Then Ctrl+Z takes the typing back, and the calculation sees it gone.
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
click_at 88 56
key Menu
[ "$(visible_windows)" -eq 2 ] || fail "the Menu key left $(visible_windows) windows, expected 2"
key Escape
[ "$(visible_windows)" -eq 1 ] && kill -0 "$pid" || fail "Esc in the menu did more than close it"
key ctrl+z
click_at 128 84
expect_box 200 56 0 "calculation after Ctrl+Z"

# A click on the monster page's header; the focus goes to its button, Tab to its value box.
click_at 150 10
screenshot page-1
key Tab
type_full_width 10
key shift+Tab
key space
expect_box 200 56 90 "monster calculation"

click_at 222 10
screenshot page-2

# A second copy runs beside the first, and Esc ends it with status 0.
start_copy
second_pid=$started_pid
key Escape
second_status=0
wait "$second_pid" || second_status=$?
[ "$second_status" -eq 0 ] || fail "second copy ended with $second_status"

xdotool windowactivate --sync "$window"
sleep 0.3
key Escape
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "Esc ended the program with $status"

if [ "$failures" -gt 0 ]; then exit 1; fi
echo "X input: all checks passed; screenshots in $shots"
