#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own 32-bit prefix (build/wine-prefix),
# made on first use. Used by CTest as the cross-compiling emulator.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${APPEARANCE_WINEPREFIX:-$here/build/wine-prefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wineserver -w || true
fi
exec wine "$@"
