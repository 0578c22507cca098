#!/usr/bin/env bash
# Checks the formatting, builds everything but the benchmarks and runs every
# test through CTest; then builds the tests that need no plug-in format once
# more with AddressSanitizer (leak checking included) and
# UndefinedBehaviorSanitizer and runs them all, and once with ThreadSanitizer
# and runs those that start threads (tests/threaded-tests.txt). The sanitizer
# trees build only those tests and the libraries they link.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
scripts/check-format.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGATEVOX_BUILD_BENCH=OFF
cmake --build build -j "$jobs"
xvfb-run -a ctest --test-dir build --output-on-failure -j "$jobs"

# The sanitizer trees keep JUCE's debug checks but optimise a little (-O1),
# so that the kernel and load tests run in minutes; -g1 keeps the line tables
# that the sanitizers' reports show.
threaded_tests="$(grep -v '^#' tests/threaded-tests.txt | paste -sd '|')"
for sanitizers in address,undefined thread; do
    tree="build-${sanitizers%%,*}"
    selection=()
    [ "$sanitizers" = thread ] && selection=(-R "$threaded_tests")
    cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
          -DGATEVOX_BUILD_FORMATS=OFF -DGATEVOX_BUILD_BENCH=OFF \
          -DGATEVOX_SANITIZE="$sanitizers"
    cmake --build "$tree" -j "$jobs"
    xvfb-run -a ctest --test-dir "$tree" --output-on-failure -j "$jobs" "${selection[@]}"
done
