#!/usr/bin/env bash
# Configures and builds one flavour of the project into build/<flavour>.
#   scripts/build.sh [normal|sanitize|fuzz] [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-normal}
shift || true

# Optimised builds keep their assertions; the sanitizer build keeps light debug information
# for its reports.
case "$flavour" in
  normal)   args=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2") ;;
  sanitize) args=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DVIREO_SANITIZE=ON -DVIREO_BENCH=OFF) ;;
  fuzz)     args=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" -DVIREO_FUZZ=ON
                  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "build.sh: unknown flavour '$flavour' (normal, sanitize or fuzz)" >&2; exit 2 ;;
esac

dir=build/$flavour
# Configure every time: new module folders are found only at configure time.
cmake -S . -B "$dir" -G Ninja -DVIREO_WERROR=ON "${args[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$dir" -j "$(nproc)" --target "$@"
else
  cmake --build "$dir" -j "$(nproc)"
fi
