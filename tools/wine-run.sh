#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own 32-bit prefix (build/wine-prefix),
# made on first use. Used by CTest as the cross-compiling emulator.
# APPEARANCE_WINEPREFIX names another prefix (one per developer, so that builds do not clash).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${APPEARANCE_WINEPREFIX:-$here/build/wine-prefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The prefix's settings, written as UTF-16 so that "宋体" survives any code page:
# - Wine's own fonts have no Chinese glyphs: the dialog and GUI font names, and the usual
#   Chinese ones, point at WenQuanYi Micro Hei (fonts-wqy-microhei), found through fontconfig;
# - no visual theme and Wine's own window frames, so that windows look as on a classic Windows
#   desktop rather than in the window manager's frame.
write_prefix_settings() {
  local file="$WINEPREFIX/appearance-settings.reg"
  {
    printf '\xef\xbb\xbfWindows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    for name in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "SimSun" \
      "宋体" "NSimSun" "新宋体" "Microsoft YaHei" "微软雅黑"; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$name"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager]\r\n'
    printf '"ThemeActive"="0"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n'
  } | iconv -f UTF-8 -t UTF-16LE >"$file"
  wine regedit /S "$file" >/dev/null 2>&1
}

# Two test programs may start at once on a fresh tree: only one makes the prefix.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.appearance-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  write_prefix_settings
  # Debian's Wine does not find the symbol font of the frame buttons (fonts-wine) by itself.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  wineserver -w || true
  touch "$WINEPREFIX/.appearance-ready"
fi
flock -u 9
exec 9>&-
exec wine "$@"
