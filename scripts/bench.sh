#!/usr/bin/env bash
# Builds the benchmarks in their own Release tree and runs them; extra
# arguments go to Google Benchmark (e.g. --benchmark_filter=Render).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGATEVOX_BUILD_PLUGIN=OFF -DGATEVOX_BUILD_TESTS=OFF
cmake --build build-bench -j "$(nproc)" --target gatevox_bench
build-bench/bench/gatevox_bench "$@"
