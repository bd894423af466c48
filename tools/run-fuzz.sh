#!/usr/bin/env bash
# Runs the conversions fuzz target of a fuzz build (cmake --preset fuzz) for a bounded time,
# from the seed corpus in tests/fuzz/corpus. Fails on any crash, sanitizer report or time-out.
#   tools/run-fuzz.sh BUILD_DIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:?usage: tools/run-fuzz.sh BUILD_DIR [SECONDS]}
seconds=${2:-40}
fuzzer="$build/tests/fuzz/conversions_fuzz"
[ -x "$fuzzer" ] || { echo "run-fuzz: no fuzz target at $fuzzer" >&2; exit 1; }

# libFuzzer adds what it finds to the first corpus folder: keep that out of the source tree.
work="$build/fuzz-run"
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp "$here"/tests/fuzz/corpus/* "$work/corpus/"

echo "fuzzing the conversions for ${seconds}s"
if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -dict="$here/tests/fuzz/conversions.dict" -artifact_prefix="$work/artifacts/" \
    -print_final_stats=1 "$work/corpus" >"$work/log" 2>&1; then
  tail -n 60 "$work/log" >&2
  echo "run-fuzz: the fuzz target failed; the input is in $work/artifacts/" >&2
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units)' "$work/log" || true
