#!/usr/bin/env bash
# Installs what SOLVARIS needs to build and test on Debian 12, then configures
# and builds the release tree in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libswe-dev
          qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-freefont-ttf)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSOLVARIS_WERROR=ON -DSOLVARIS_BENCH=ON
cmake --build build -j"$(nproc)"
