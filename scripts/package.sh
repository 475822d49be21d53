#!/usr/bin/env bash
# The Debian package from a Release tree installed under /usr:
# build-package/solvaris_<version>_amd64.deb (or in the tree given).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt_packages.sh
install_missing_packages "${program_packages[@]}" "${package_packages[@]}"
tree="${1:-build-package}"
# Debian's build flags with every hardening: fortified functions, stack
# protector, read-only relocations bound at start.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The package carries the program alone, not the Python module.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DSOLVARIS_TESTS=OFF -DSOLVARIS_BENCH=OFF -DSOLVARIS_PYTHON=OFF
cmake --build "$tree" -j"$(nproc)"
(cd "$tree" && cpack -G DEB)
ls "$tree"/solvaris_*_amd64.deb
