#!/usr/bin/env bash
# Measures, under Wine, the time from starting the release (the 32-bit Velport5Tool.exe) to its
# visible main window, beside a minimal one-window program in the same run, and prints the ratio.
#   RUNS  starts of each program (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build/startup
cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build $build -j"$(nproc)" --target Velport5Tool MinimalWindow StartupTimer

windows_path() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
state=$PWD/$build/wine
runner=tests/e2e/wine-run.sh
trap '$runner cleanup "$state" >/dev/null 2>&1 || true' EXIT
$runner setup "$state"
$runner run "$state" "$build/bench/startup/StartupTimer.exe" \
  "$(windows_path $build/Velport5Tool.exe)" "$(windows_path $build/bench/startup/MinimalWindow.exe)" \
  "${RUNS:-15}"
