#!/usr/bin/env bash
# Without any display the program ends cleanly: the fatal error text on standard error and
# exit status 255 (-1), never Qt's own abort.
set -uo pipefail
program=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$errors"
status=$?
expected=$'运行时出错!\n\n错误信息：载入启动窗口失败'
if [ "$status" -ne 255 ]; then echo "exit status $status, expected 255"; cat "$errors"; exit 1; fi
if [ "$(cat "$errors")" != "$expected" ]; then
  echo "standard error was:"; cat "$errors"; exit 1
fi
echo "no display: exit status 255 with the fatal error text"
