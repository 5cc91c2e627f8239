#!/usr/bin/env bash
# Configures and builds one flavour of the project into build/<flavour>.
#   scripts/build.sh [normal|sanitize|fuzz] [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
flavour=${1:-normal}
shift || true

case "$flavour" in
  normal)   args=() ;;
  sanitize) args=(-DVIREO_SANITIZE=ON -DVIREO_BENCH=OFF) ;;
  fuzz)     args=(-DVIREO_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "build.sh: unknown flavour '$flavour' (normal, sanitize or fuzz)" >&2; exit 2 ;;
esac

dir=build/$flavour
# Configure every time: new module folders are found only at configure time.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIREO_WERROR=ON "${args[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$dir" -j "$(nproc)" --target "$@"
else
  cmake --build "$dir" -j "$(nproc)"
fi
