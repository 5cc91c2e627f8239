#!/usr/bin/env bash
# Sets up, builds and runs every test, the PDM storage tests on SQLite and on a private
# PostgreSQL server (scripts/postgres.sh).
#   scripts/test.sh             normal build
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=normal
[ "${1:-}" = "--sanitize" ] && flavour=sanitize

bash scripts/setup.sh
bash scripts/build.sh "$flavour"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
bash scripts/postgres.sh ctest --test-dir "build/$flavour" --output-on-failure -j "$(nproc)"
