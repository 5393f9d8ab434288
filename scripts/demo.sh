#!/usr/bin/env bash
# The demo: installs what is missing, builds the release (the 32-bit tool and the stand-in
# AFInstaller.exe, build/win32) and the demo driver (x86_64, build/win64), and runs the tool
# under Wine on a sample FS2002 installation in a fresh prefix (build/demo/prefix).
#
# With a display ($DISPLAY set, DEMO_HEADLESS not set) the tool opens there and the demo waits
# until you close it. Without one it runs on its own Xvfb and drives the tool: registers the
# scenery library, shows the support window, registers the AFCAD file of two airports, exits,
# and saves screenshots in build/demo/screenshots.
#
# Afterwards it prints what changed in the sample scenery.cfg.
#   DEMO_HEADLESS=1   drive the tool on a private Xvfb even when a display is available
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
release=$root/build/win32
build=$root/build/win64
work=$root/build/demo
prefix=$work/prefix
shots=$work/screenshots

export WINEDEBUG=-all
# No .NET or HTML engine installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Each program runs with Wine's loader for its PE type: the tool and the installer are 32-bit,
# the demo driver and Wine's own tools of the 64-bit prefix are 64-bit.
wine_exec=$root/tests/e2e/wine-exec.sh
wine64_tool() { WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 "$@"; }

say() { printf '\n== %s\n' "$*"; }
die() {
    echo "demo.sh: $*" >&2
    exit 1
}

# --- 1. Packages and the build ---------------------------------------------------------------
say "Checking the packages"
scripts/install-deps.sh

say "Building the tool and the stand-in installer ($release) and the demo driver ($build)"
build_log=$root/build/demo-build.log
mkdir -p "$root/build"
if ! { cmake -S . -B "$release" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$release" -j"$(nproc)" --target Velport5Tool AFInstaller &&
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DVELPORT_E2E=ON -DVELPORT_RELEASE_DIR="$release" &&
    cmake --build "$build" -j"$(nproc)" --target DemoDriver; } >"$build_log" 2>&1; then
    tail -n 30 "$build_log" >&2
    die "the build failed (whole log: $build_log)"
fi
tool_exe=$release/Velport5Tool.exe
installer_exe=$release/tests/support/afinstaller/AFInstaller.exe
driver_exe=$build/tests/e2e/demo/DemoDriver.exe
for exe in "$tool_exe" "$installer_exe" "$driver_exe"; do
    [ -f "$exe" ] || die "the build did not produce $exe"
done

started=$(date +%s)

headless=1
if [ -n "${DISPLAY:-}" ] && [ -z "${DEMO_HEADLESS:-}" ]; then
    command -v xdpyinfo >/dev/null && ! xdpyinfo >/dev/null 2>&1 &&
        die "cannot open the display $DISPLAY (set DEMO_HEADLESS=1 to run without one)"
    headless=0
fi

# --- Processes of this demo, ended on every way out --------------------------------------------
xvfb_pid=
tool_pid=

# Ends the Wine processes of our own prefix, and nothing else.
stop_prefix() {
    [ -d "$prefix" ] || return 0
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$prefix timeout 20 wineserver -w >/dev/null 2>&1 || true
}

cleanup() {
    stop_prefix
    if [ -n "$xvfb_pid" ] && [ "$(cat /proc/"$xvfb_pid"/comm 2>/dev/null)" = "Xvfb" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

# --- 2. A fresh prefix with the sample installation -------------------------------------------
# A previous demo's prefix: its processes are ours to end.
stop_prefix
rm -rf "$work"
mkdir -p "$work" "$shots"

if ((headless)); then
    say "Starting a private X server (Xvfb)"
    # Xvfb picks a free display itself and writes its number to fd 3 when it is ready. The
    # screen is the size of Wine's virtual desktop, which then covers it exactly.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$work/display" </dev/null >/dev/null 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || die "Xvfb did not start (see $work/xvfb.log)"
    export DISPLAY=":$(tr -d '\n' <"$work/display")"
    echo "Xvfb on display $DISPLAY"
fi

say "Creating the Wine prefix $prefix"
export WINEPREFIX=$prefix
# Once more after a failure: a new prefix folder can, rarely, meet the still-ending Wine server
# of a removed one that had the same inode.
for attempt in 1 2; do
    if wine64_tool wineboot --init >"$work/wineboot.log" 2>&1 && wineserver -w &&
        [ -f "$prefix/system.reg" ]; then
        break
    fi
    ((attempt == 1)) || die "wineboot failed (see $work/wineboot.log)"
    echo "wineboot failed; trying once more"
    stop_prefix
    rm -rf "$prefix"
    sleep 2
done

c=$prefix/drive_c
# Title bars draw their buttons with Wine's own Marlett font, which this Wine build does not find
# in its data folder (the buttons show letters instead); a copy in the prefix's Fonts folder is.
for font in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
    if [ -f "$font" ]; then
        cp "$font" "$c/windows/Fonts/"
        break
    fi
done
fs_win='C:\FS2002'
addon_win='C:\Tenvari\Velport5'
program_win='C:\Tenvari\Velport5\Tool'
fs=$c/FS2002
addon=$c/Tenvari/Velport5
program=$addon/Tool

reg_add() {
    wine64_tool reg add "$@" /f >/dev/null 2>&1 || die "could not write the registry value: $*"
}
# A virtual desktop: screenshots show title bars, and without a window manager every closed
# window would otherwise block the tool for about two seconds.
reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768
# Where the 32-bit installers of FS2002 and of the add-on record their folders.
reg_add 'HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\8.0' /v 'EXE Path' \
    /d "$fs_win" /reg:32
reg_add 'HKLM\Software\Tenvari\Velport5' /v Path /d "$addon_win" /reg:32
# The desktop settings are read when Wine's desktop process starts: let the one that the
# registry calls started end first.
wineserver -w

# FS2002: its scenery library and its facility data.
mkdir -p "$fs/Scenedb/AFDFILES/scenery"
cp demo/scenery.cfg "$fs/scenery.cfg"
cp demo/scenery.cfg "$work/scenery.cfg.before"
printf 'FS2002 facility data (demo sample)\r\n' >"$fs/Scenedb/AFDFILES/scenery/japanafd.bgl"

# The add-on: one sample .bgl in each area's Scenery folder, for the areas the tool knows.
mapfile -t areas < <(grep -o 'Addon Scenery\\\\Tenvari\\\\[^"]*' src/scenery/SceneryData.cpp |
    sed 's/\\\\/\//g')
[ "${#areas[@]}" -eq 8 ] || die "expected 8 areas in src/scenery/SceneryData.cpp, found ${#areas[@]}"
for area in "${areas[@]}"; do
    name=${area##*/}
    mkdir -p "$addon/$area/Scenery"
    printf 'Scenery of %s (demo sample)\r\n' "$name" >"$addon/$area/Scenery/$name.bgl"
done

# The tool's folder: the tool, the stand-in installer and the AFCAD lists it hands over.
mkdir -p "$program/New" "$program/Org"
cp "$tool_exe" "$program/Velport5Tool.exe"
cp "$installer_exe" "$program/AFInstaller.exe"
for icao in RJBB RJBD RJBT RJOK RJBH; do
    printf 'AFCAD file of %s with the add-on airport (demo sample)\r\n' "$icao" \
        >"$program/New/AFCAD1_$icao.TXT"
    printf 'AFCAD file of %s as FS2002 ships it (demo sample)\r\n' "$icao" \
        >"$program/Org/$icao.TXT"
done

echo "FS2002 folder    $fs_win  (scenery.cfg with $(grep -c '^\[Area\.' demo/scenery.cfg) areas)"
echo "Add-on folder    $addon_win  (${#areas[@]} areas)"
echo "Program folder   $program_win"

print_changes() {
    say "What changed in $fs_win\\scenery.cfg"
    local status=0
    diff -u --strip-trailing-cr --label 'scenery.cfg (before)' --label 'scenery.cfg (after)' \
        "$work/scenery.cfg.before" "$fs/scenery.cfg" || status=$?
    case $status in
    0) echo "(no changes)" ;;
    1) ;;
    *) die "could not compare the scenery.cfg files" ;;
    esac
}

# --- 3. With a display: the user drives -------------------------------------------------------
if ((!headless)); then
    say "Starting the tool on $DISPLAY; close it to end the demo"
    (cd "$program" && "$wine_exec" Velport5Tool.exe) || true
    print_changes
    exit 0
fi

# --- 4. Without a display: the demo drives ----------------------------------------------------
driver() {
    timeout 90 "$wine_exec" "$driver_exe" "$@" || die "the step \"$*\" failed"
}

# ImageMagick's screenshot of one window, cut from the whole screen.
screenshot() {
    local file=$1 caption=${2:-} geometry
    geometry=$(driver rect ${caption:+"$caption"})
    import -display "$DISPLAY" -window root -crop "$geometry" +repage "$file" ||
        die "could not take the screenshot $file"
}

say "Starting the tool"
(cd "$program" && exec "$wine_exec" Velport5Tool.exe) >"$work/tool.log" 2>&1 &
tool_pid=$!
driver wait-main

say "Register the scenery library"
cp "$fs/scenery.cfg" "$work/scenery.cfg.before"
driver click 'Register the scenery library'
driver box yes Question
driver box ok Completed
driver wait-idle
print_changes

say "Screenshots"
screenshot "$shots/main-window.png"
driver click 'For support'
driver wait-window 'For support'
screenshot "$shots/support-window.png" 'For support'
driver click OK 'For support'
driver wait-closed 'For support'
driver wait-idle

say "Register the AFCAD file"
rm -f "$program/AFInstaller.log"
driver click 'Register the AFCAD file'
driver wait-window 'Select the airport'
driver tick RJBB RJOK
screenshot "$shots/airport-dialog.png" 'Select the airport'
driver click OK 'Select the airport'
driver wait-closed 'Select the airport'
driver box yes Question
driver box ok Completed
driver wait-idle
for _ in $(seq 100); do
    grep -q '^end' "$program/AFInstaller.log" 2>/dev/null && break
    sleep 0.1
done
[ -f "$program/AFInstaller.log" ] || die "the stand-in AFInstaller.exe wrote no log"
say "What the stand-in AFInstaller.exe was given ($program_win\\AFInstaller.log)"
tr -d '\r' <"$program/AFInstaller.log"
echo "Backups beside japanafd.bgl:"
(cd "$fs/Scenedb/AFDFILES/scenery" && ls -1 -- *.TNV_* 2>/dev/null | sed 's/^/  /') || echo "  (none)"

say "Exit"
driver click Exit
for _ in $(seq 150); do
    kill -0 "$tool_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$tool_pid" 2>/dev/null && die "the tool did not end after Exit"
wait "$tool_pid" || die "the tool ended with exit code $? (see $work/tool.log)"
echo "The tool has ended."

say "Screenshots are in $shots:"
ls -1 "$shots"/*.png
echo
echo "Demo run time: $(($(date +%s) - started)) s (after the build)"
