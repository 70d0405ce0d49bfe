#!/usr/bin/env bash
# Starts the program inside a Wine session (see wine-session.sh).
#   run-program.sh                       runs it until the user closes it
#   run-program.sh --screenshot <dir>    shows it, saves a screenshot of the
#                                        main window in <dir>, closes it
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/windows/bin
program=$(find "$bin" -maxdepth 1 -name '*.exe' ! -name 'driver.exe' | head -n 1)

if [ "${1:-}" != "--screenshot" ]; then
    exec wine "$program"
fi

folder=$2
mkdir -p "$folder"
# A Wine desktop of its own, so that Wine draws the windows' frames.
wine explorer /desktop=Scanner,1024x768 "$program" &
program_pid=$!
driver() { wine "$bin/driver.exe" --desktop Scanner "$@"; }
if ! driver wait-form FrmMain 30000; then
    echo "The main window did not appear." >&2
    kill "$program_pid" 2>/dev/null || true
    exit 1
fi
sleep 2  # let it finish painting
shot="$folder/main-window.png"
driver screenshot "$folder/main-window.bmp" FrmMain >/dev/null
convert "$folder/main-window.bmp" "$shot"
rm -f "$folder/main-window.bmp"
echo "Main window: \"$(driver caption FrmMain)\""
echo "Screenshot saved to $shot"
driver close FrmMain
wait "$program_pid" || true
