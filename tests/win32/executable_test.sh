#!/usr/bin/env bash
# The Windows program's file: a 32-bit x86 GUI program, importing only DLLs that Windows
# itself ships (no MinGW runtime beside it), at most 512 KiB, carrying its icon and version.
#   executable_test.sh AppearanceCalculator.exe
set -euo pipefail
program=$1
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1" >&2; failures=$((failures + 1)); fi; }

description=$(file -b "$program")
check "file says a PE32 GUI program for Intel 80386 ($description)" \
  '[[ $description == "PE32 executable (GUI) Intel 80386"* ]]'

imports=$(i686-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
windows_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll ole32.dll msvcrt.dll advapi32.dll shell32.dll shlwapi.dll "
for dll in $imports; do
  check "imports $dll, one of Windows' own" '[[ $windows_dlls == *" $dll "* ]]'
done

size=$(stat -c %s "$program")
check "$size bytes, at most 512 KiB" '[ "$size" -le $((512 * 1024)) ]'

resources=$(i686-w64-mingw32-windres -i "$program" -O rc 2>/dev/null | tr -d '\0')
check "an icon resource" 'grep -q "RT_ICON" <<<"$resources"'
check "version information" 'grep -q "VERSIONINFO" <<<"$resources"'
exit $((failures > 0))
