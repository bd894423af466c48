#!/usr/bin/env bash
# Runs a command under a private X server (Xvfb, 1024 x 768) with a window manager (openbox),
# and stops both afterwards. The command's exit status is kept.
#   tools/with-x.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: with-x.sh COMMAND [ARGS...]" >&2; exit 2; }

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display"

openbox >/dev/null 2>&1 &
wm=$!
# Wait until the window manager has taken the screen.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

status=0
"$@" || status=$?
kill "$wm" "$xvfb" 2>/dev/null || true
wait "$wm" "$xvfb" 2>/dev/null || true
exit "$status"
