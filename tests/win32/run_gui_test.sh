#!/usr/bin/env bash
# Runs a test of the Windows program's window: under an X server (its own through
# tools/with-x.sh when DISPLAY is unset) and in a Wine prefix of its own, "<prefix>-gui".
# Wine's desktop lives as long as the prefix's wineserver and stays on the X server that
# first started it, so the window tests keep away from the console tests' wineserver and end
# theirs when they finish.
#   run_gui_test.sh COMMAND [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then exec "$here/tools/with-x.sh" "$0" "$@"; fi
export APPEARANCE_WINEPREFIX="${APPEARANCE_WINEPREFIX:-$here/build/wine-prefix}-gui"
# A wineserver left by a test that was stopped would hold a desktop on a gone X server.
end_wineserver() { WINEPREFIX="$APPEARANCE_WINEPREFIX" wineserver -k 2>/dev/null || true; }
end_wineserver
status=0
"$@" || status=$?
end_wineserver
exit "$status"
