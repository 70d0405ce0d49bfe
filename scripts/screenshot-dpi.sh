#!/usr/bin/env bash
# Builds the program for Windows and takes the screenshots of ./run on a
# screen set to another DPI, under Xvfb in a Wine prefix of that DPI's own:
#   scripts/screenshot-dpi.sh [dpi]     (default 144)
# The pictures go to screenshots/<dpi>dpi/; compare them with those of ./run
# (screenshots/), which are taken at 96 DPI.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=${1:-144}

scripts/install-deps.sh run
cmake --preset windows >/dev/null
cmake --build --preset windows --target scanner driver_cli plant_samples
cmake -S . -B build/tools -G Ninja -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build build/tools --target defserver defpublish

prefix=$PWD/build/run-prefix-${dpi}dpi
# Wine reads the DPI when a program starts: set it before the session does.
export WINEPREFIX=$prefix
for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    cmake/wine-run.sh reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
done
wineserver -w
unset WINEPREFIX

# Room for the windows at their larger size.
scale() { echo $(($1 * dpi / 96)); }
export SCANNER_SCREEN=$(scale 1280)x$(scale 1024)
export SCANNER_DESKTOP=$(scale 1024)x$(scale 768)
unset DISPLAY
exec scripts/wine-session.sh "$prefix" scripts/run-program.sh --screenshot \
    "$PWD/screenshots/${dpi}dpi"
