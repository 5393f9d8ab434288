#!/usr/bin/env bash
# Builds and runs the benchmark: IniDocument load+save and the register and delete commands on
# generated scenery.cfg files, each beside a raw read+write of the same file, with the ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELPORT_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)" --target scenery_benchmark
build/bench/bench/scenery_benchmark "$@"
