#!/bin/bash
# Runs a Windows program under Wine with the loader for its PE type:
#   wine-exec.sh EXE [ARGS...]
# 32-bit (PE32) programs go to the 32-bit loader, 64-bit (PE32+) ones to the 64-bit loader with
# WINELOADER set to it. With wine32 installed, plain `wine` would start 64-bit programs through
# the 32-bit loader too, and a 64-bit program started that way from inside Wine and then ended
# can leave the prefix's registry calls failing for the programs after it.
set -u

wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64

die() {
    echo "wine-exec.sh: $*" >&2
    exit 2
}

[ $# -ge 1 ] || die "usage: wine-exec.sh EXE [ARGS...]"
exe=$1

# The optional header's magic: 0x10b for PE32, 0x20b for PE32+. The PE header's offset is at
# byte 60 of the file; the magic follows the 4-byte signature and the 20-byte file header.
pe_magic() {
    local offset
    offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || return 1
    [ -n "$offset" ] || return 1
    [ "$(od -An -c -j"$offset" -N2 "$1" 2>/dev/null | tr -d ' ')" = "PE" ] || return 1
    od -An -tx2 -j$((offset + 24)) -N2 "$1" 2>/dev/null | tr -d ' '
}

[ -f "$exe" ] || die "no such file: $exe"
case $(pe_magic "$exe") in
010b)
    [ -x "$wine32_loader" ] ||
        die "$exe is a 32-bit program and wine32 is missing (scripts/install-deps.sh installs it)"
    exec "$wine32_loader" "$@"
    ;;
020b)
    [ -x "$wine64_loader" ] || die "$exe is a 64-bit program and wine64 is missing"
    export WINELOADER=$wine64_loader
    exec "$wine64_loader" "$@"
    ;;
*) die "$exe is not a Windows program" ;;
esac
