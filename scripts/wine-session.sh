#!/usr/bin/env bash
# Runs a command with a display and a warm Wine session for the given prefix:
# under Xvfb when there is no display, with a wineserver kept alive meanwhile
# (each Wine start then costs milliseconds instead of seconds).
#   scripts/wine-session.sh [--virtual-desktop] <prefix> <command> [args...]
# With --virtual-desktop every window lives in a Wine desktop of its own:
# Wine then draws the windows' frames and shows them at once instead of
# waiting on a window manager, which Xvfb does not have.
# SCANNER_SCREEN sets the size of the Xvfb screen (default 1280x1024).
set -euo pipefail
virtual_desktop=0
if [ "${1:-}" = "--virtual-desktop" ]; then
    virtual_desktop=1
    shift
fi
prefix=$(realpath -m "$1")
shift

if [ -z "${DISPLAY:-}" ]; then
    args=("$prefix" "$@")
    [ $virtual_desktop -eq 1 ] && args=(--virtual-desktop "${args[@]}")
    exec xvfb-run -a -s "-screen 0 ${SCANNER_SCREEN:-1280x1024}x24" "$0" "${args[@]}"
fi

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
unset LC_ALL
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
    # wineboot complains about the missing 32-bit loader, which the 64-bit
    # programs do not need.
    wineboot -i >/dev/null 2>&1 || { echo "Could not create the Wine prefix $WINEPREFIX" >&2; exit 1; }
    touch "$WINEPREFIX/.prefix-ready"
fi
desktop_key='HKCU\Software\Wine\Explorer'
if [ $virtual_desktop -eq 1 ]; then
    wine reg add "$desktop_key" /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add "$desktop_key\\Desktops" /v Default /d 1280x1024 /f >/dev/null 2>&1
else
    wine reg delete "$desktop_key" /v Desktop /f >/dev/null 2>&1 || true
fi
# The desktop takes the setting when the session starts anew.
wineserver -k 2>/dev/null || true
wineserver -w

wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine starts its desktop and service processes with the first program; they
# live as long as the session and must not hold the caller's output open.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
"$@"
