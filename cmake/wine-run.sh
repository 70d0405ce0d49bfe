#!/bin/sh
# Runs a Windows program under Wine in the build's own prefix.
# The prefix defaults to "wineprefix" beside the program's build folder and is
# created on first use; callers may pass WINEPREFIX to share one.
set -e
if [ -z "${WINEPREFIX:-}" ]; then
    dir=$(cd "$(dirname "$1")" && pwd)
    while [ "$dir" != "/" ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] || dir=$(pwd)
    WINEPREFIX="$dir/wineprefix"
fi
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Pin the ANSI code page (1252) whatever the host locale says.
export LANG=C.UTF-8
unset LC_ALL
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
            wineboot -i >/dev/null 2>&1
            touch "$WINEPREFIX/.prefix-ready"
            # The desktop and service processes that Wine starts with the first
            # program must not hold the caller's output open.
            wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
