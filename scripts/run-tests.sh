#!/usr/bin/env bash
# The one test command: installs what is missing, builds everything and runs every test.
#   native unit tests (g++), the same under AddressSanitizer + UndefinedBehaviorSanitizer (clang),
#   the IniDocument fuzzer for a bounded time, the 32-bit release with its check that it imports
#   only what Windows XP SP3 has, and the end-to-end tests of the release under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}

step() { printf '\n=== %s\n' "$*"; }

step "Dependencies"
scripts/install-deps.sh

step "Native build and unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release -DVELPORT_BENCH=ON >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

step "Unit tests under ASan and UBSan, and the fuzzer (${fuzz_seconds} s)"
CC=clang-14 CXX=clang++-14 cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELPORT_SANITIZE=ON -DVELPORT_FUZZ=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
corpus=$(mktemp -d)
build/sanitize/tests/fuzz/ini_fuzzer -max_total_time="$fuzz_seconds" -max_len=8192 \
  -print_final_stats=1 "$corpus" tests/fuzz/corpus 2>&1 | tail -n 12
rm -rf "$corpus"

step "The release (32-bit) and its imports"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"
ls -l build/win32/Velport5Tool.exe
scripts/check-imports.sh build/win32/Velport5Tool.exe

step "End-to-end tests of the release under Wine"
scripts/e2e.sh

printf '\nAll tests passed.\n'
