#!/bin/sh
# Checks the Windows builds of the program: each must be a GUI program that imports only DLLs
# that come with Windows (no libstdc++, libgcc or winpthread DLLs: the builds are static).
#
# Usage: scripts/check-imports.sh [EXE...]
# Default: build/win32/Velport5Tool.exe build/win64/Velport5Tool.exe. Exit status 1 on any fault.
set -eu

if [ "$#" -eq 0 ]; then
    set -- build/win32/Velport5Tool.exe build/win64/Velport5Tool.exe
fi

# DLLs that every supported Windows has in its system folder (lower case).
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll"
system_dlls="$system_dlls ntdll.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll"
system_dlls="$system_dlls uxtheme.dll version.dll "

status=0
for exe in "$@"; do
    if [ ! -f "$exe" ]; then
        echo "FAIL $exe: no such file"
        status=1
        continue
    fi
    if ! dump=$(objdump -p "$exe" 2>&1); then
        echo "FAIL $exe: objdump cannot read it: $dump"
        status=1
        continue
    fi
    subsystem=$(printf '%s\n' "$dump" | awk '$1 == "Subsystem" { print $2 }')
    if [ "$subsystem" != "00000002" ]; then
        echo "FAIL $exe: not a Windows GUI program (subsystem ${subsystem:-none})"
        status=1
    fi
    dlls=$(printf '%s\n' "$dump" | awk '/DLL Name:/ { print tolower($3) }')
    if [ -z "$dlls" ]; then
        echo "FAIL $exe: no imported DLLs found"
        status=1
        continue
    fi
    for dll in $dlls; do
        case "$system_dlls" in
            *" $dll "*) ;;
            *)
                echo "FAIL $exe imports $dll, which is not a Windows system DLL"
                status=1
                ;;
        esac
    done
    echo "$exe: $(printf '%s' "$dlls" | tr '\n' ' ')"
done
exit "$status"
