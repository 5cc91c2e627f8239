#!/usr/bin/env bash
# Sets up, builds and runs the host program's demo on the shipped data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh normal campdm >/dev/null
exec build/normal/apps/campdm/campdm demo "$@"
