#!/usr/bin/env bash
# The installer under Wine (run by on_wine_desktop.sh): a quiet per-user install, the installed program
# started from its Start-menu shortcut's target, a quiet uninstall, and what it leaves.
# Usage: msi_test.sh <path to lumaro-<version>.msi> <folder for screenshots and logs>
set -uo pipefail
msi=$1
out=$2
test_lib=$(cd "$(dirname "$0")/../../../lib" && pwd)
source "$test_lib/checks.sh"
source "$test_lib/tray.sh"
mkdir -p "$out"
# Wine's menu builder would copy the shortcut into this machine's own menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"

profile=$WINEPREFIX/drive_c/users/$(id -un)
folder=$profile/AppData/Local/Programs/Lumaro
shortcut=$profile/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Lumaro.lnk
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'

in_registry() { wine reg query "$1" /s 2>/dev/null | tr -d '\r' | grep -q "$2"; }
not_in_registry() { ! in_registry "$@"; }
# The Windows path a shortcut points to, as its link information holds it.
shortcut_target() { strings "$shortcut" | grep -i -m 1 '^[A-Z]:\\.*\\lumaro\.exe$'; }

rm -rf "$folder"
wine msiexec /i "$(winepath -w "$msi")" /qn >"$out/install.log" 2>&1
check "the quiet install ends with exit code 0" test $? -eq 0
check "the program lies in %LOCALAPPDATA%\\Programs\\Lumaro" test -f "$folder/lumaro.exe"
check "the help lies beside it" test -f "$folder/lumaro.html"
check "the Start menu has its shortcut" test -f "$shortcut"
check "the uninstall entry names Lumaro" in_registry "$uninstall_key" 'DisplayName.*Lumaro'
check "the Run value names the installed program" in_registry "$run_key" 'Lumaro.*Programs\\Lumaro\\lumaro\.exe'

target=$(shortcut_target)
check "the shortcut's target is the installed program" test "$(winepath -u "$target" 2>/dev/null)" -ef "$folder/lumaro.exe"
wine "$target" >"$out/program.log" 2>&1 &
program=$!
icon=$(wait_until 60 wine_tray_icon)
check "the installed program starts and puts its icon into the tray" test -n "$icon"
screenshot "$out/installed-tray.png"
wine wineboot --end-session >"$out/end-session.log" 2>&1
check "the end of the session ends it" exits_with 0 "$program" 30
check "it saved its settings beside itself" test -f "$folder/Lumaro.ini"

wine msiexec /x "$(winepath -w "$msi")" /qn >"$out/uninstall.log" 2>&1
check "the quiet uninstall ends with exit code 0" test $? -eq 0
check "the program is gone" test ! -e "$folder/lumaro.exe"
check "the help is gone" test ! -e "$folder/lumaro.html"
check "the shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" not_in_registry "$uninstall_key" 'DisplayName.*Lumaro'
check "the Run value is gone" not_in_registry "$run_key" 'Lumaro'
check "the user's settings stay" test -f "$folder/Lumaro.ini"
rm -rf "$folder"

summary
