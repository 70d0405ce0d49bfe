#!/usr/bin/env bash
# Starts the program inside a Wine session (see wine-session.sh), after
# planting the harmless sample definitions and traces (plant_samples.exe) so
# that a scan has something to find.
#   run-program.sh                       runs it until the user closes it
#   run-program.sh --screenshot <dir>    shows it, scans the samples, removes
#                                        what was found, saves screenshots of
#                                        the main window and its pages in
#                                        <dir>, prints the counters, the scan
#                                        report and the quarantine log, and
#                                        closes it
# SCANNER_BUILD names another build folder (default build/windows);
# SCANNER_DESKTOP the size of the Wine desktop for screenshots (1024x768).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SCANNER_BUILD:-build/windows}
bin=$build/bin

# A setting of the build, or the default when the build does not say.
build_setting() {
    local value
    value=$(sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt" 2>/dev/null | head -n 1)
    echo "${value:-$2}"
}
program=$bin/$(build_setting BRAND_EXE_NAME Keelwatch).exe
product=$(build_setting BRAND_PRODUCT_NAME Keelwatch)
company=$(build_setting BRAND_COMPANY_NAME "Keelwatch Software")

plant_samples() {
    local log
    log=$(mktemp)
    # The demo program it starts outlives it; a file, unlike a pipe, does not
    # wait for that.
    if ! wine "$bin/plant_samples.exe" >"$log" 2>&1; then
        echo "Planting the samples failed:" >&2
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

# The reference definitions server on loopback, with the sample definitions
# as of their date and later changes for Live Update to fetch: a few samples
# and about 2,500 real browser extension definitions.
tools=${SCANNER_TOOLS:-build/tools}/bin
server_folder=build/run-server
start_server() {
    rm -rf "$server_folder"
    mkdir -p "$server_folder"
    local db=$server_folder/defs.sqlite
    local publish=("$tools/defpublish" --db "$db")
    "${publish[@]}" seed-samples tools/samples/definitions >/dev/null
    "${publish[@]}" add FILE 'glimmer_helper.dll=Demo.Adware.Glimmer|[progfil]GlimmerDemo|Adware' \
        --date '2026-12-05 09:00:00' >/dev/null
    "${publish[@]}" add REG '1^Software\GlimmerDemo^=Demo.Adware.Glimmer|Adware' \
        --date '2026-12-05 09:00:01' >/dev/null
    "${publish[@]}" add COOK 'glimmer-ads-demo.example' --date '2026-12-06 12:30:00' >/dev/null
    # Real browser extension definitions, converted from a public list of
    # malicious extension IDs (tools/samples/extensions/ATTRIBUTION.md).
    "${publish[@]}" import EXT tools/samples/extensions/ExtensionDefinition.txt \
        --date '2026-12-07 09:00:00' >/dev/null
    local signing=()
    [ -s build/run-keys/publisher.key ] && signing=(--signing-key build/run-keys/publisher.key)
    "$tools/defserver" --db "$db" --port 0 --localization src/app/Localization.txt "${signing[@]}" \
        2>"$server_folder/server.log" &
    server_pid=$!
    local port="" tries=0
    while [ -z "$port" ] && [ $tries -lt 50 ]; do
        sleep 0.1
        port=$(sed -n 's|.*on http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$server_folder/server.log" | head -n 1)
        tries=$((tries + 1))
    done
    [ -n "$port" ] || { echo "The definitions server did not start:" >&2; cat "$server_folder/server.log" >&2; return 1; }
    server_url=http://127.0.0.1:$port
    echo "Definitions server: $server_url (log: $server_folder/server.log)"
}
stop_server() { [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null || true; }
trap stop_server EXIT

plant_samples
start_server
user_key="HKCU\\Software\\Anti-Spyware Settings\\$product\\Settings"
wine reg add "$user_key" /v DefinitionServer /d "$server_url" /f >/dev/null
if [ "${1:-}" != "--screenshot" ]; then
    wine "$program"
    exit 0
fi

folder=$2
mkdir -p "$folder"

# A returning user: no language chooser, first-run question or help window
# stands in the way.
set_setting() {
    wine reg add "$1" /v "$2" /d "$3" /f >/dev/null
}
set_setting "$user_key" Language English
set_setting "$user_key" showHelp 0
set_setting "HKLM\\SOFTWARE\\$company\\$product\\Settings" FirstTime Yes

# A Wine desktop of its own, so that Wine draws the windows' frames.
wine explorer /desktop=Scanner,"${SCANNER_DESKTOP:-1024x768}" "$program" &
program_pid=$!
driver() { wine "$bin/driver.exe" --desktop Scanner "$@"; }
# A caption without the CR that the Windows side ends its lines with.
caption() {
    local text
    text=$(driver caption FrmMain "$@") || return 1
    echo "${text%$'\r'}"
}
fail() {
    echo "$1" >&2
    driver close FrmMain >/dev/null 2>&1 || true
    kill "$program_pid" 2>/dev/null || true
    exit 1
}
screenshot() {
    driver screenshot "$folder/$1.bmp" FrmMain >/dev/null
    convert "$folder/$1.bmp" "$folder/$1.png"
    rm -f "$folder/$1.bmp"
    echo "Screenshot saved to $folder/$1.png"
}

driver wait-form FrmMain 30000 || fail "The main window did not appear."
sleep 2  # let it finish painting
echo "Main window: \"$(caption)\""
screenshot main-window
driver click FrmMain cmdSettings
sleep 1
screenshot options-page

driver click FrmMain cmdScan
sleep 1
driver click FrmMain cmdScanNow
status=""
deadline=$((SECONDS + 120))
while [ $SECONDS -lt $deadline ]; do
    sleep 1
    # While the window holds back its redrawing it counts as hidden, and the
    # driver does not find it: that passes.
    status=$(caption "lblStatus(0)" 2>/dev/null) || status=""
    [ "$status" = "Scanning complete." ] && break
    # A message box would hold the scan until someone answers it.
    if box=$(driver msgbox 0 2>/dev/null); then
        screenshot scan-page || true
        fail "The scan stopped at a message: ${box%$'\r'}"
    fi
done
if [ "$status" != "Scanning complete." ]; then
    screenshot scan-page || true
    [ -n "$status" ] || status="the main window was not found"
    fail "The scan did not finish within 120 s (status: $status)."
fi
sleep 1  # the final counters and the full progress bars
screenshot scan-page
echo "Threats found:               $(caption lblSoftwareFound)"
echo "Traces found:                $(caption lbltracesFound)"
echo "Files and folders inspected: $(caption lblFilesFolderInspected)"
echo "Registry entries inspected:  $(caption lblRegistryInspected)"

driver click FrmMain cmdResults
sleep 1
screenshot results-page

# Everything found is checked and deleted, as a user would: Select All,
# Delete, Yes.
driver click FrmMain cmdSelectAll
driver click FrmMain Command4
driver answer yes 10000 >/dev/null || fail "The removal did not ask before deleting."
progress=""
deadline=$((SECONDS + 120))
while [ $SECONDS -lt $deadline ]; do
    sleep 1
    progress=$(caption lblDeletingPercentageCompleted 2>/dev/null) || progress=""
    [ "$progress" = "100% Complete" ] && break
done
[ "$progress" = "100% Complete" ] ||
    fail "The removal did not finish within 120 s (progress: ${progress:-none})."
sleep 1
if driver wait-form FrmDelete 0 >/dev/null 2>&1; then
    screenshot delete-failed
    driver click FrmDelete Command1 >/dev/null
fi
screenshot after-removal

# A file of the data folder, as text with Unix line ends.
data_file() {
    wine cmd /c type "%APPDATA%\\AntiSpywareDAT\\$1" 2>/dev/null | tr -d '\r'
}
echo
echo "===== Scan report (AntiSpywareDAT\\Scan_Log.txt) ====="
data_file Scan_Log.txt
echo
echo "===== Quarantine log (AntiSpywareDAT\\quarantine\\QuarantineLog.txt) ====="
data_file 'quarantine\QuarantineLog.txt'

# The quarantine window lists what the removal took.
driver menu FrmMain "mnuQuarItem(2)" >/dev/null || fail "No quarantine window in the Quarantine menu."
driver wait-form frmQuarantine 10000 >/dev/null || fail "The quarantine window did not open."
sleep 1
driver screenshot "$folder/quarantine-window.bmp" frmQuarantine >/dev/null &&
    convert "$folder/quarantine-window.bmp" "$folder/quarantine-window.png" &&
    rm -f "$folder/quarantine-window.bmp" && echo "Screenshot saved to $folder/quarantine-window.png"
# Restore asks first, with the offer to exclude what comes back; No here.
if driver check frmQuarantine lvwItems 0 >/dev/null 2>&1 && sleep 1 &&
    driver click frmQuarantine cmdRestore >/dev/null 2>&1 &&
    driver wait-form frmRestoreQuestion 5000 >/dev/null 2>&1; then
    sleep 1
    driver screenshot "$folder/restore-question.bmp" frmRestoreQuestion >/dev/null &&
        convert "$folder/restore-question.bmp" "$folder/restore-question.png" &&
        rm -f "$folder/restore-question.bmp" && echo "Screenshot saved to $folder/restore-question.png"
    driver click frmRestoreQuestion cmdNo >/dev/null || true
fi
driver click frmQuarantine cmdClose >/dev/null || true

# Live Update against the reference server: the changes published after
# the samples' date arrive, and the notice says so.
driver click FrmMain cmdUpdate
notice=""
deadline=$((SECONDS + 60))
while [ $SECONDS -lt $deadline ]; do
    sleep 1
    if driver wait-form frmSignatureUpdated 0 >/dev/null 2>&1; then
        notice=$(driver caption frmSignatureUpdated lblUpdateInfo) && break
    fi
done
[ -n "$notice" ] || fail "Live Update did not end within 60 s."
echo
echo "Live Update:                 ${notice%$'\r'}"
echo "Definitions now:             $(caption lblDefCount)"
echo "Definitions dated:           $(caption lblDefVersion)"
driver click frmSignatureUpdated cmdUpdateSuccesfullOK >/dev/null || true

# The language window: fetch the current localisation file and look at the
# list it leaves.
driver menu FrmMain mnuLanguageItem >/dev/null || fail "No Change Language menu entry."
driver wait-form frmLanguage 10000 >/dev/null || fail "The language window did not open."
driver click frmLanguage Command1 >/dev/null
box=$(driver msgbox 30000) || fail "The language download said nothing."
echo "Language download:           ${box%$'\r'}"
driver answer ok 5000 >/dev/null || true
sleep 1
driver screenshot "$folder/language-window.bmp" frmLanguage >/dev/null &&
    convert "$folder/language-window.bmp" "$folder/language-window.png" &&
    rm -f "$folder/language-window.bmp" && echo "Screenshot saved to $folder/language-window.png"
driver click frmLanguage Command2 >/dev/null || true

driver close FrmMain
wait "$program_pid" || true
