#!/usr/bin/env bash
# appearance-calc.exe under Wine: arguments, standard input with CR LF in both encodings, and
# the exit codes. Usage: windows_checks.sh WINE_RUNNER APPEARANCE_CALC_EXE
set -uo pipefail
runner=$1
program=$2
failures=0
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# check NAME EXPECTED_STATUS EXPECTED_OUTPUT INPUT ARGUMENT...
check() {
  local name=$1 expected_status=$2 expected=$3 input=$4
  shift 4
  local status=0
  printf '%b' "$input" | "$runner" "$program" "$@" >"$out" 2>/dev/null || status=$?
  local output wanted
  output=$(od -An -tx1 -v "$out")
  wanted=$(printf '%b' "$expected" | od -An -tx1 -v)
  if [ "$status" != "$expected_status" ] || [ "$output" != "$wanted" ]; then
    echo "FAILED: $name: status $status (wanted $expected_status), output bytes:$output (wanted:$wanted)"
    failures=$((failures + 1))
  else
    echo "ok: $name"
  fi
}

check "arguments in order" 0 '2\n2\n-2\n' '' equipment 2400 2400.9 -2401
check "CR LF and an empty line" 0 '-2147483646\n-10\n' '214748366\r\n\n' monster
check "a last line without LF" 0 '10\n20\n' '2\n3' monster
check "full-width UTF-8 line" 0 '2\n' '\xef\xbc\x92\xef\xbc\x94\xef\xbc\x90\xef\xbc\x90\r\n' equipment
check "full-width GBK line" 0 '2\n' '\xa3\xb2\xa3\xb4\xa3\xb0\xa3\xb0\r\n' --encoding=gbk equipment
check "GBK bytes read as UTF-8" 0 '0\n' '\xa3\xb2\xa3\xb4\xa3\xb0\xa3\xb0\n' equipment
# Wine reads the Unix command line in the locale's encoding; the program takes it as Unicode.
LANG=C.UTF-8 check "full-width arguments" 0 '2\n2\n-2\n' '' equipment ２４００ 2400.9 -2401
check "version" 0 'appearance-calc 1.0\n' '' --version
check "usage error" 2 '' '' weapon 5

# A result comes out while the input is still open.
coproc calculator { "$runner" "$program" monster 2>/dev/null; }
echo 2 >&"${calculator[1]}"
if read -r -t 60 line <&"${calculator[0]}" && [ "$line" = 10 ]; then
  echo "ok: streaming"
else
  echo "FAILED: streaming: no result before the end of input"
  failures=$((failures + 1))
fi
exec {calculator[1]}>&-
wait

[ "$failures" -eq 0 ]
