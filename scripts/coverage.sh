#!/usr/bin/env bash
# The line coverage of src/ by the whole test suite: an instrumented Debug
# build in build-coverage/, every test, then gcovr's count of the lines of
# src/ run at least once. Prints the summary; the figure is its "lines" row.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/apt_packages.sh
install_missing_packages "${program_packages[@]}" "${test_packages[@]}" "${coverage_packages[@]}"

cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DSOLVARIS_TESTS=ON \
      -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage"
cmake --build build-coverage -j"$(nproc)"
find build-coverage -name '*.gcda' -delete
(cd build-coverage && ctest --output-on-failure -j"$(nproc)")
# Only the program's own sources count: the tests, benchmarks, tools and the
# files Qt's moc writes are left out.
gcovr --root . --filter 'src/' --exclude '.*_autogen/.*' --print-summary \
      --txt build-coverage/coverage.txt build-coverage
