#!/usr/bin/env bash
# The whole test suite: the warnings-as-errors build, then the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

(cd build && ctest --output-on-failure -j"$(nproc)")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSOLVARIS_WERROR=ON -DSOLVARIS_SANITIZE=ON
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp" \
    ctest --output-on-failure -j"$(nproc)")
