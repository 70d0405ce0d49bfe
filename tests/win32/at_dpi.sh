#!/usr/bin/env bash
# Runs a Windows program under Wine with the screen set to another DPI, in a
# prefix of its own so that the tests running meanwhile keep theirs:
#   at_dpi.sh <dpi> <prefix> <program> [args...]
# Wine reads the DPI when a program starts, so it is set before.
set -euo pipefail
dpi=$1
export WINEPREFIX=$2
shift 2
run=$(dirname "$0")/../../cmake/wine-run.sh
"$run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
"$run" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# A Wine desktop of its own, as the other view tests get from the session.
"$run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
"$run" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null
status=0
"$run" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
