#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each over its seed corpus plus a bounded number
# of new inputs. FUZZ_RUNS sets the number of new inputs per target.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${FUZZ_RUNS:-1000000}

bash scripts/setup.sh
bash scripts/build.sh fuzz fuzzers
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds=fuzz/corpus/${name#fuzz_}
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  echo "fuzz: $name ($runs new inputs over $seeds)"
  log=build/fuzz/$name.log
  rc=0
  "$target" -runs="$runs" -max_total_time=300 -print_final_stats=1 "$work" "$seeds" >"$log" 2>&1 || rc=$?
  grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$log" || true
  if [ "$rc" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzz: $name found a failing input (exit $rc)" >&2
    exit 1
  fi
done
