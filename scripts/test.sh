#!/usr/bin/env bash
# The whole test suite in its own tree, build-test/ (with the benchmarks):
# the warnings-as-errors build, then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer in build-sanitize/, then the Debian package
# (scripts/package_test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt_packages.sh
install_missing_packages "${program_packages[@]}" "${test_packages[@]}"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release -DSOLVARIS_WERROR=ON \
      -DSOLVARIS_TESTS=ON -DSOLVARIS_BENCH=ON
cmake --build build-test -j"$(nproc)"
(cd build-test && ctest --output-on-failure -j"$(nproc)")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSOLVARIS_WERROR=ON -DSOLVARIS_SANITIZE=ON \
      -DSOLVARIS_TESTS=ON
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp" \
    ctest --output-on-failure -j"$(nproc)")

# The Debian package built, checked, installed, run and removed.
install_missing_packages "${package_packages[@]}"
bash scripts/package_test.sh
