#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build for a number of seconds each, starting from its
# seed corpus (tests/fuzz/corpus/<target>/, read only); what the fuzzer finds new goes to
# <build>/corpus/<target>/, a failing input to <build>/artifacts/. Fails on the first finding.
#   scripts/run-fuzz.sh <build dir> <seconds per target>
set -euo pipefail
build=${1:?build dir}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
mkdir -p "$build/artifacts"
status=0
for program in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$program" ] || continue
  name=$(basename "$program")
  seeds="$root/tests/fuzz/corpus/$name"
  work="$build/corpus/$name"
  mkdir -p "$work" "$seeds"
  echo "== $name: $seconds s"
  if ! "$program" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 \
      -artifact_prefix="$build/artifacts/$name-" -print_final_stats=1 "$work" "$seeds"; then
    echo "== $name: FAILED (input in $build/artifacts/)"
    status=1
  fi
done
exit $status
