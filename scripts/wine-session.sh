#!/usr/bin/env bash
# Runs a command with a display and a warm Wine session for the given prefix:
# under Xvfb when there is no display, with a wineserver kept alive meanwhile
# (each Wine start then costs milliseconds instead of seconds).
#   scripts/wine-session.sh <prefix> <command> [args...]
set -euo pipefail
prefix=$1
shift

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$prefix" "$@"
fi

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
unset LC_ALL
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
    # wineboot complains about the missing 32-bit loader, which the 64-bit
    # programs do not need.
    wineboot -i >/dev/null 2>&1 || { echo "Could not create the Wine prefix $WINEPREFIX" >&2; exit 1; }
    touch "$WINEPREFIX/.prefix-ready"
fi
# Wine starts its desktop and service processes with the first program; they
# live as long as the session and must not hold the caller's output open.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
"$@"
