#!/usr/bin/env bash
# Builds everything and runs every test through CTest; then builds the engine,
# persistence and load tests once more with AddressSanitizer (leak checking
# included) and UndefinedBehaviorSanitizer, and once with ThreadSanitizer, and
# runs them. The sanitizer builds leave out the plug-in formats.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGATEVOX_BUILD_BENCH=OFF
cmake --build build -j "$jobs"
xvfb-run -a ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGATEVOX_BUILD_FORMATS=OFF -DGATEVOX_BUILD_BENCH=OFF \
      -DGATEVOX_SANITIZE=address,undefined
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DGATEVOX_BUILD_FORMATS=OFF -DGATEVOX_BUILD_BENCH=OFF \
      -DGATEVOX_SANITIZE=thread
cmake --build build-tsan -j "$jobs"
ctest --test-dir build-tsan --output-on-failure -j "$jobs"
