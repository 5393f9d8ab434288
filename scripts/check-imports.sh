#!/bin/sh
# Checks the Windows builds of the program: each must be a GUI program that imports only DLLs
# that come with Windows (no libstdc++, libgcc or winpthread DLLs: the builds are static).
# A 32-bit build, the release, must also start on Windows XP SP3: every function it imports is
# one that XP SP3's DLL exports by name (scripts/winxp-exports/<dll>.txt), nothing is imported by
# ordinal or through a delay-import directory, and its subsystem version is 5.01 or below.
# Functions that the program looks up itself at run time (GetProcAddress, and the delay-load
# stubs of GNU dlltool, which work the same way) are not imports and are not seen here: each
# needs a fallback for a Windows that lacks it.
#
# Usage: scripts/check-imports.sh [EXE...]
# Default: build/win32/Velport5Tool.exe. Exit status 1 on any fault.
set -eu

exports_dir=$(cd "$(dirname "$0")" && pwd)/winxp-exports

if [ "$#" -eq 0 ]; then
    set -- build/win32/Velport5Tool.exe
fi

# DLLs that every supported Windows has in its system folder (lower case).
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll"
system_dlls="$system_dlls ntdll.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll"
system_dlls="$system_dlls uxtheme.dll version.dll "

# Reads `objdump -p` and prints one line per imported function: "DLL NAME", or "DLL #ORDINAL"
# for an import by ordinal. DLL is as the file names it.
list_imports() {
    awk '
        /^\tDLL Name: / { dll = $3; members = 0; next }
        dll != "" && /^\tvma: / { members = 1; next }
        members && NF == 0 { dll = ""; members = 0; next }
        members && NF >= 3 {
            if ($3 == "<none>") print dll " #" $2
            else print dll " " $3
        }
    '
}

# Reads "DLL NAME" lines and prints a FAIL line for each function that the XP SP3 list of its
# DLL lacks, and for each DLL without a list. Exit status 1 when it printed any.
check_against_xp() {
    awk -v dir="$exports_dir" -v exe="$1" '
        function load(dll,    file, name) {
            if (dll in loaded) return loaded[dll]
            file = dir "/" dll ".txt"
            loaded[dll] = 0
            while ((getline name < file) > 0) {
                exported[dll, name] = 1
                loaded[dll] = 1
            }
            close(file)
            return loaded[dll]
        }
        {
            dll = tolower($1)
            sub(/\.dll$/, "", dll)
            if (substr($2, 1, 1) == "#") {
                printf "FAIL %s imports %s by ordinal %s only, which cannot be checked against " \
                    "Windows XP SP3\n", exe, $1, substr($2, 2)
                failed = 1
            } else if (!load(dll)) {
                if (!(dll in reported)) {
                    printf "FAIL %s imports from %s, for which %s has no list of the Windows " \
                        "XP SP3 exports\n", exe, $1, dir
                    reported[dll] = 1
                }
                failed = 1
            } else if (!((dll, $2) in exported)) {
                printf "FAIL %s imports %s from %s, which Windows XP SP3 lacks\n", exe, $2, $1
                failed = 1
            }
        }
        END { exit failed }
    '
}

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
    field() { printf '%s\n' "$dump" | awk -v name="$1" '$1 == name { print $2; exit }'; }

    subsystem=$(field Subsystem)
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
    imports=$(printf '%s\n' "$dump" | list_imports)
    count=$(printf '%s\n' "$imports" | grep -c .) || true
    echo "$exe: $count functions from $(printf '%s' "$dlls" | tr '\n' ' ')"

    # The lists describe the 32-bit DLLs of XP; a 64-bit build is only checked as above.
    if [ "$(field Magic)" != "010b" ]; then
        echo "$exe: a 64-bit build, not checked against Windows XP SP3"
        continue
    fi
    xp_ok=1
    major=$(field MajorSubsystemVersion)
    minor=$(field MinorSubsystemVersion)
    if [ -z "$major" ] || [ -z "$minor" ] ||
        [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
        echo "FAIL $exe: subsystem version ${major:-?}.${minor:-?} (major.minor); Windows XP" \
            "loads 5.1 or below"
        xp_ok=0
    fi
    # Entry d of the data directories, the delay-import directory: objdump does not list its
    # functions, so there may be none.
    delay=$(printf '%s\n' "$dump" | awk '$1 == "Entry" && $2 == "d" { print $3; exit }')
    if [ -n "$delay" ] && [ "$delay" != "00000000" ]; then
        echo "FAIL $exe: has delay-loaded imports, which this check cannot read"
        xp_ok=0
    fi
    if [ "$count" -eq 0 ] || ! printf '%s\n' "$imports" | check_against_xp "$exe"; then
        [ "$count" -ne 0 ] || echo "FAIL $exe: no imported functions found"
        xp_ok=0
    fi
    if [ "$xp_ok" -eq 1 ]; then
        echo "$exe: every imported function is in Windows XP SP3; subsystem version $major.$minor"
    else
        status=1
    fi
done
exit "$status"
