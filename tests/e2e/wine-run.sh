#!/bin/bash
# Runs the end-to-end test driver under Wine, for ctest.
#
#   wine-run.sh setup   STATE_DIR          once per ctest run: Xvfb on a free display and a
#                                          template Wine prefix with a virtual desktop
#   wine-run.sh run     STATE_DIR EXE ARGS one test: a fresh prefix (hard-linked copy of the
#                                          template), the driver in it, then that prefix's
#                                          processes ended and the prefix removed
#   wine-run.sh cleanup STATE_DIR          ends the Xvfb that setup started and removes the state
#
# Programs run with the loader for their PE type (wine-exec.sh): the driver is 64-bit, the
# program it tests is the 32-bit release, in the same prefix (WoW64).
#
# Only processes this script started are ended: the Xvfb by its recorded pid, Wine processes
# through `wineserver -k` of a prefix that this script created and nothing else uses.
set -u

die() {
    echo "wine-run.sh: $*" >&2
    exit 2
}

[ $# -ge 2 ] || die "usage: wine-run.sh setup|run|cleanup STATE_DIR [EXE ARGS...]"
action=$1
state=$2
shift 2

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
here=$(cd "$(dirname "$0")" && pwd)

# Wine's own tools (wineboot, reg) of a 64-bit prefix are 64-bit programs.
wine64_tool() {
    WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 "$@"
}

# Ends the Wine processes of one prefix and waits for its wineserver to go.
stop_prefix() {
    local prefix=$1
    [ -d "$prefix" ] || return 0
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
    WINEPREFIX=$prefix timeout 20 wineserver -w >/dev/null 2>&1
}

stop_xvfb() {
    if [ -f "$state/xvfb.pid" ]; then
        local pid
        pid=$(cat "$state/xvfb.pid")
        # Only our own Xvfb: the pid must still be an Xvfb process.
        if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = "Xvfb" ]; then
            kill "$pid" 2>/dev/null
        fi
        rm -f "$state/xvfb.pid" "$state/display"
    fi
}

setup() {
    [ -x /usr/lib/wine/wine64 ] || die "wine64 is not installed"
    [ -x /usr/lib/wine/wine ] || die "wine32 is not installed (the release is a 32-bit program)"
    command -v Xvfb >/dev/null || die "Xvfb is not installed"
    # A previous run that was interrupted may have left prefixes and an Xvfb behind.
    cleanup
    mkdir -p "$state/tests"

    # Xvfb picks a free display itself and writes its number to fd 3 when it is ready.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$state/display.tmp" </dev/null >/dev/null 2>"$state/xvfb.log" &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display.tmp" ] && break
        sleep 0.1
    done
    [ -s "$state/display.tmp" ] || die "Xvfb did not start (see $state/xvfb.log)"
    echo ":$(tr -d '\n' <"$state/display.tmp")" >"$state/display"
    rm -f "$state/display.tmp"

    local template=$state/template
    export DISPLAY
    DISPLAY=$(cat "$state/display")
    export WINEPREFIX=$template
    wine64_tool wineboot --init >"$state/wineboot.log" 2>&1
    wineserver -w
    # A virtual desktop: without a window manager every hidden or destroyed top-level window
    # would block the program for about two seconds.
    wine64_tool reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
        wine64_tool reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
            >/dev/null 2>&1 || die "could not write the virtual desktop settings"
    wineserver -w
    [ -f "$template/system.reg" ] || die "wineboot failed (see $state/wineboot.log)"
    echo "wine-run.sh: prefix ready on display $DISPLAY"
}

run() {
    [ $# -ge 1 ] || die "run needs the driver executable"
    [ -f "$state/display" ] && [ -f "$state/template/system.reg" ] ||
        die "no prepared prefix in $state: run the setup step first (ctest does it)"
    local exe=$1
    shift

    # A fresh prefix for this test: files hard-linked from the template (wine only reads them),
    # registry and top-level files copied, as the wineserver rewrites them.
    local prefix
    prefix=$(mktemp -d "$state/tests/pfx.XXXXXX") || die "mktemp failed"
    cp -al "$state/template/." "$prefix/" || die "could not copy the template prefix"
    local t=$state/template f
    for f in "$t"/.update-timestamp "$t"/* "$t"/drive_c/windows/*.ini; do
        [ -f "$f" ] && cp --remove-destination "$f" "$prefix/${f#"$t"/}"
    done
    # A second drive, for cases that need two drive letters.
    mkdir -p "$prefix/drive_d"
    ln -sfn ../drive_d "$prefix/dosdevices/d:"

    export WINEPREFIX=$prefix
    export DISPLAY
    DISPLAY=$(cat "$state/display")

    "$here/wine-exec.sh" "$exe" "$@"
    local rc=$?

    stop_prefix "$prefix"
    rm -rf "$prefix"
    return $rc
}

cleanup() {
    local prefix
    for prefix in "$state"/tests/pfx.*; do
        [ -d "$prefix" ] || continue
        stop_prefix "$prefix"
        rm -rf "$prefix"
    done
    stop_prefix "$state/template"
    stop_xvfb
    rm -rf "$state/template"
}

case $action in
setup) setup ;;
run) run "$@" ;;
cleanup) cleanup ;;
*) die "unknown action $action" ;;
esac
