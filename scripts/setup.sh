#!/usr/bin/env bash
# Installs what SOLVARIS needs on Debian 12, then configures the release tree
# in build/ and builds the program alone (scripts/test.sh builds the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt_packages.sh
install_missing_packages "${program_packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSOLVARIS_WERROR=ON \
      -DSOLVARIS_TESTS=OFF -DSOLVARIS_BENCH=OFF
cmake --build build -j"$(nproc)" --target solvaris
