#!/usr/bin/env bash
# Builds the release (build/win32: the 32-bit Velport5Tool.exe and the stand-in AFInstaller.exe)
# and the x86_64 end-to-end test driver (build/win64), and runs the end-to-end tests on the
# release under Wine's WoW64 and Xvfb. Extra arguments go to ctest (e.g. -R Startup).
#   E2E_JOBS  tests run at the same time (default 2; each has its own Wine prefix)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${E2E_JOBS:-2}

# The code-page-932 tests run the program with LANG=ja_JP.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    if ! command -v locale-gen >/dev/null; then
        "${sudo_cmd[@]}" apt-get update
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y locales
    fi
    if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$(nproc)" --target Velport5Tool AFInstaller
# Only the driver and the demo's driver: the tests run the release, not a 64-bit build of it.
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DVELPORT_E2E=ON -DVELPORT_RELEASE_DIR="$PWD/build/win32" >/dev/null
cmake --build build/win64 -j"$(nproc)" --target velport_e2e DemoDriver

start=$(date +%s)
ctest --test-dir build/win64/tests/e2e --output-on-failure -j"$jobs" "$@"
echo "End-to-end tests: $(($(date +%s) - start)) s"
