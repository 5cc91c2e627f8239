#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each over its seed corpus plus new inputs, and prints
# how many inputs each target ran.
#   scripts/fuzz.sh            bounded run, as CI does: FUZZ_SECONDS (default 40) per target,
#                              or FUZZ_RUNS new inputs (default 1000000), whichever ends first
#   scripts/fuzz.sh --long     at least 10 million inputs per target, or one hour each
#   scripts/fuzz.sh [--long] NAME...
#                              only the named targets (uri, seed, ...), so long runs can share
#                              the cores of one machine
# A failing input is kept in build/fuzz/crashes/; add it to fuzz/corpus/<target>/ as a
# regression case once the fault is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${FUZZ_RUNS:-1000000}
seconds=${FUZZ_SECONDS:-40}
if [ "${1:-}" = "--long" ]; then
  runs=10000000
  seconds=3600
  shift
fi
only=("$@")

bash scripts/setup.sh
bash scripts/build.sh fuzz fuzzers
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build/fuzz/crashes

summary=()
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " == *" ${name#fuzz_} "* ]]; then
    continue
  fi
  seeds=fuzz/corpus/${name#fuzz_}
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  echo "fuzz: $name (up to $runs new inputs or $seconds s over $seeds)"
  log=build/fuzz/$name.log
  rc=0
  "$target" -runs="$runs" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build/fuzz/crashes/$name-" "$work" "$seeds" >"$log" 2>&1 || rc=$?
  count=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' | tail -n 1 || true)
  summary+=("$name: ${count:-?} inputs")
  if [ "$rc" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzz: $name found a failing input (exit $rc), kept in build/fuzz/crashes/" >&2
    exit 1
  fi
done
echo "fuzz: inputs run per target"
printf '  %s\n' "${summary[@]}"
