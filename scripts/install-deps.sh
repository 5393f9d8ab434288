#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the demo need, when they are missing.
set -euo pipefail

# The release is built with the i686 -win32 compilers; the end-to-end driver with the x86_64
# -posix ones (GoogleTest needs std::mutex).
packages=(
  cmake make g++ clang-14 libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick locales
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  # The release is a 32-bit program: Wine runs it with wine32, an i386 package, beside wine64.
  if [[ " ${missing[*]} " == *":i386 "* ]] &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi

# The Japanese code page tests run programs with LANG=ja_JP.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
