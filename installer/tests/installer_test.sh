#!/usr/bin/env bash
# Installs the setup program silently in a fresh Wine prefix of its own,
# checks what it put in place, and uninstalls it again: the program's files,
# its shortcut and its uninstall entry must go, the user's data folder,
# quarantine and settings must stay, and neither may run over a running
# program.
#   installer_test.sh <setup.exe> <prefix> <product> <company> <exe name> <version>
# The prefix is its own: it has its own wineserver, and the display is its
# own, so that a Wine session running the other tests meanwhile is not
# disturbed, nor its screenshots covered by the windows started here.
set -euo pipefail
if [ -z "${INSTALLER_TEST_DISPLAY:-}" ]; then
    export INSTALLER_TEST_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
setup=$(realpath "$1")
prefix=$(realpath -m "$2")
product=$3
company=$4
exe=$5
version=$6
bin=$(dirname "$setup")/bin

export WINEPREFIX=$prefix WINEDEBUG=-all LANG=C.UTF-8
# No Mono or Gecko installer for a fresh prefix, and no menu entries on the
# host for the shortcuts the setup program creates.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LC_ALL

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() {
    local what=$1
    shift
    if ! "$@"; then
        fail "$what"
    fi
}
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

rm -rf "$prefix"
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1 || { echo "Could not create the Wine prefix $prefix" >&2; exit 1; }

drive_c=$prefix/drive_c
install_dir=$drive_c/Program\ Files/$product
shortcut=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/$product.lnk
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"
user_key="HKCU\\Software\\Anti-Spyware Settings\\$product\\Settings"
machine_key="HKLM\\SOFTWARE\\$company\\$product\\Settings"

# The data of one registry value, without the CR of Windows' line ends;
# fails when the key or value is missing.
reg_value() {
    local out
    out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
    sed -n "s/^ *$2 *REG_[A-Z_]* *//p" <<<"$out" | head -n 1
}
expect_value() {
    local actual
    actual=$(reg_value "$1" "$2") || { fail "$1 has no value $2"; return; }
    [ "$actual" = "$3" ] || fail "$2 is \"$actual\", expected \"$3\""
}
value_missing() { ! wine reg query "$1" /v "$2" >/dev/null 2>&1; }
key_exists() { wine reg query "$1" >/dev/null 2>&1; }
key_missing() { ! key_exists "$1"; }
same_file() { cmp -s "$1" "$2"; }
# The shortcut names the program in ANSI or UTF-16 text.
shortcut_targets() { tr -d '\0' <"$1" | grep -qaF "$2"; }

# Runs the setup program or uninstaller and returns its exit code.
run() {
    local code=0
    wine "$@" >/dev/null 2>&1 || code=$?
    echo "$code"
}

echo "== silent install"
# Wine keeps a key's security only while its server runs, and the check below
# reads it after the setup has ended: the server lingers long enough for that
# on a loaded machine too.
wineserver -w
wineserver -p10
code=$(run "$setup" /S)
[ "$code" = 0 ] || { echo "FAIL: the silent install ended with $code" >&2; exit 1; }

echo "== the machine settings key lets every user set values in it"
access=$(wine "$bin/key_access.exe" "MACHINE\\SOFTWARE\\$company\\$product\\Settings" 2>/dev/null |
    tr -d '\r') || fail "the machine settings key or its security is missing"
# KEY_READ | KEY_SET_VALUE, and full control for the administrators.
users=$(sed -n 's/^Users //p' <<<"$access")
[ "$users" = 0x0002001b ] || fail "the Users group is granted $users on the machine settings key"
admins=$(sed -n 's/^Administrators //p' <<<"$access")
[ "$admins" = 0x000f003f ] || fail "the administrators are granted $admins on the machine settings key"
check "the first run is still to come" value_missing "$machine_key" FirstTime
for file in "$exe.exe" RunAtStartupTool.exe Localization.txt Help.chm; do
    check "$file is installed as built" same_file "$bin/$file" "$install_dir/$file"
done
check "the uninstaller is installed" test -f "$install_dir/Uninstall.exe"
check "the Start menu shortcut exists" test -f "$shortcut"
[ -f "$shortcut" ] &&
    check "the shortcut starts the program" shortcut_targets "$shortcut" "\\$product\\$exe.exe"
program_path="C:\\Program Files\\$product\\$exe.exe"
expect_value "$uninstall_key" DisplayName "$product"
expect_value "$uninstall_key" DisplayVersion "$version"
expect_value "$uninstall_key" Publisher "$company"
expect_value "$uninstall_key" DisplayIcon "$program_path,0"
expect_value "$uninstall_key" InstallLocation "C:\\Program Files\\$product"
expect_value "$uninstall_key" UninstallString "\"C:\\Program Files\\$product\\Uninstall.exe\""
expect_value "$uninstall_key" QuietUninstallString "\"C:\\Program Files\\$product\\Uninstall.exe\" /S"
expect_value "$uninstall_key" NoModify 0x1
expect_value "$uninstall_key" NoRepair 0x1
size=$(reg_value "$uninstall_key" EstimatedSize) || size=0x0
(( size > 0 )) || fail "EstimatedSize is $size"

echo "== the user's data"
appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
data_folder=$(winepath -u "$appdata" 2>/dev/null)/AntiSpywareDAT
mkdir -p "$data_folder/quarantine"
echo "evil.dll" >"$data_folder/ENoSignature.dat"
echo "quarantined" >"$data_folder/quarantine/evil.dll"
echo "C:\\evil.dll" >"$data_folder/quarantine/QuarantineLog.txt"
# A returning user's settings, so that the program started below goes
# straight to its main window.
wine reg add "$user_key" /v Language /d Deutsch /f >/dev/null
wine reg add "$user_key" /v showHelp /d 0 /f >/dev/null
wine reg add "$machine_key" /v FirstTime /d Yes /f >/dev/null
# "Run at Startup" as the program leaves it, and another program's entry.
run_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"
wine reg add "$run_key" /v "$exe" /d "\"C:\\Program Files\\$product\\$exe.exe\"" /f >/dev/null
wine reg add "$run_key" /v OtherTool /d "\"C:\\Tools\\other.exe\"" /f >/dev/null

echo "== silent uninstall"
code=$(run "$install_dir/Uninstall.exe" /S)
[ "$code" = 0 ] || fail "the silent uninstall ended with $code"
# The uninstaller runs on from a copy of itself; this prefix's server ends
# when it is done.
wineserver -w
check "the installation folder is gone" test ! -e "$install_dir"
check "the Start menu shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" key_missing "$uninstall_key"
check "the data folder stays" test -f "$data_folder/ENoSignature.dat"
check "the quarantine stays" test -f "$data_folder/quarantine/evil.dll"
check "the quarantine log stays" test -f "$data_folder/quarantine/QuarantineLog.txt"
expect_value "$user_key" Language Deutsch
expect_value "$machine_key" FirstTime Yes
check "the program no longer starts with Windows" value_missing "$run_key" "$exe"
expect_value "$run_key" OtherTool "\"C:\\Tools\\other.exe\""

echo "== install to a chosen folder"
# A folder without spaces: "_?=" takes the rest of the command line
# unquoted, which Wine's quoting of a path with spaces would break.
other_dir=$drive_c/Apps/KeelwatchTest
other_path="C:\\Apps\\KeelwatchTest"
code=$(run "$setup" /S "/D=$other_path")
[ "$code" = 0 ] || fail "the silent install to $other_path ended with $code"
check "the program is installed in the chosen folder" same_file "$bin/$exe.exe" "$other_dir/$exe.exe"
expect_value "$uninstall_key" InstallLocation "$other_path"

echo "== neither runs over the running program"
wine "$other_path\\$exe.exe" >/dev/null 2>&1 &
program_pid=$!
# The program holds its instance mutex from before its main window shows.
if wine "$bin/driver.exe" wait-form FrmMain 60000 >/dev/null 2>&1; then
    code=$(run "$setup" /S "/D=$other_path")
    [ "$code" = 2 ] || fail "the install over the running program ended with $code, expected 2"
    code=$(run "$other_dir/Uninstall.exe" /S "_?=$other_path")
    [ "$code" = 2 ] || fail "the uninstall under the running program ended with $code, expected 2"
    check "the refused uninstall left the program in place" test -f "$other_dir/$exe.exe"
    check "the refused uninstall left its entry in place" key_exists "$uninstall_key"
    wine "$bin/driver.exe" close FrmMain >/dev/null 2>&1 || true
else
    fail "the installed program did not show its main window"
fi
# It ends by itself once closed; one that hangs would hold its files.
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=""

echo "== uninstall in place, with a file of the user's in the folder"
echo "mine" >"$other_dir/notes.txt"
code=$(run "$other_dir/Uninstall.exe" /S "_?=$other_path")
[ "$code" = 0 ] || fail "the in-place uninstall ended with $code"
for file in "$exe.exe" RunAtStartupTool.exe Localization.txt Help.chm; do
    check "$file is removed from the chosen folder" test ! -e "$other_dir/$file"
done
check "a file the user put there stays" test -f "$other_dir/notes.txt"
check "the shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" key_missing "$uninstall_key"
check "the data folder still stays" test -f "$data_folder/quarantine/evil.dll"

if [ $failures -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "All installer checks passed."
