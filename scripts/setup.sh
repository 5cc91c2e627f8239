#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, only when something is missing.
# Runs as root on a fresh machine (or through sudo when it is there).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libboost-dev libsqlite3-dev libxml2-dev
  libpq-dev postgresql     # the PDM on a server; the tests start a private one
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins fonts-dejavu-core
  bsdutils                 # script(1): the host program's tests give it a terminal
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
