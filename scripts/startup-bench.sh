#!/usr/bin/env bash
# Measures, under Wine, the time from starting Velport5Tool.exe to its visible main window,
# beside a minimal one-window program in the same run, and prints the ratio.
#
# Measured on the release as it is built for users: i686, the -win32 thread model, optimised
# for size, unused sections dropped, stripped. The timer and the minimal program are built the
# same way and all three run as 32-bit programs.
#   RUNS  starts of each program (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=build/startup
# The cross-compiling settings are given here rather than by a toolchain file, so that the
# compilers are the -win32 ones whatever a toolchain file picks.
cmake -S . -B $build -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=i686 \
  -DCMAKE_C_COMPILER=i686-w64-mingw32-gcc-win32 -DCMAKE_CXX_COMPILER=i686-w64-mingw32-g++-win32 \
  -DCMAKE_RC_COMPILER=i686-w64-mingw32-windres -DCMAKE_FIND_ROOT_PATH=/usr/i686-w64-mingw32 \
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
  -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections" \
  -DCMAKE_CXX_FLAGS="-ffunction-sections -fdata-sections" \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,--gc-sections" >/dev/null
cmake --build $build -j2 --target Velport5Tool MinimalWindow StartupTimer

windows_path() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
state=$PWD/$build/wine
runner=tests/e2e/wine-run.sh
trap '$runner cleanup "$state" >/dev/null 2>&1 || true' EXIT
$runner setup "$state"
$runner run "$state" "$build/bench/startup/StartupTimer.exe" \
  "$(windows_path $build/Velport5Tool.exe)" "$(windows_path $build/bench/startup/MinimalWindow.exe)" \
  "${RUNS:-15}"
