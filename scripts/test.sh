#!/usr/bin/env bash
# Builds everything and runs every test through CTest; then builds the engine
# tests once more with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGATEVOX_BUILD_BENCH=OFF
cmake --build build -j "$jobs"
xvfb-run -a ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGATEVOX_BUILD_PLUGIN=OFF -DGATEVOX_BUILD_BENCH=OFF \
      -DGATEVOX_SANITIZE=address,undefined
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The concurrency tests once more under ThreadSanitizer.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DGATEVOX_BUILD_PLUGIN=OFF -DGATEVOX_BUILD_BENCH=OFF \
      -DGATEVOX_SANITIZE=thread
cmake --build build-tsan -j "$jobs"
ctest --test-dir build-tsan --output-on-failure -j "$jobs"
