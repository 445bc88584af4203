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
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'

in_registry() { wine reg query "$1" /s 2>/dev/null | tr -d '\r' | grep -q "$2"; }
not_in_registry() { ! in_registry "$@"; }
ended_all() {
  local pid
  for pid; do ended "$pid" || return 1; done
}
# Windows keeps a per-user install's entry under the user's key; Wine under the machine's.
uninstall_entry() { in_registry "HKCU\\$uninstall_key" 'DisplayName.*Lumaro' || in_registry "HKLM\\$uninstall_key" 'DisplayName.*Lumaro'; }
no_uninstall_entry() { ! uninstall_entry; }
# The Windows path a shortcut points to, as its link information holds it.
shortcut_target() { strings "$shortcut" | grep -i -m 1 '^[A-Z]:\\.*\\lumaro\.exe$'; }

rm -rf "$folder"
wine msiexec /i "$(winepath -w "$msi")" /qn >"$out/install.log" 2>&1
check "the quiet install ends with exit code 0" test $? -eq 0
check "the program lies in %LOCALAPPDATA%\\Programs\\Lumaro" test -f "$folder/lumaro.exe"
check "the help lies beside it" test -f "$folder/lumaro.html"
check "the Start menu has its shortcut" test -f "$shortcut"
check "the uninstall entry names Lumaro" uninstall_entry
check "the Run value names the installed program" in_registry "$run_key" 'Lumaro.*Programs\\Lumaro\\lumaro\.exe'

target=$(shortcut_target)
check "the shortcut's target is the installed program" test "$(winepath -u "$target" 2>/dev/null)" -ef "$folder/lumaro.exe"
# The installed copies running: the process of the program, whichever launcher started it.
installed_copies() { pgrep -f 'Programs.Lumaro.lumaro\.exe' | tr '\n' ' ' | grep .; }
none_left() { ! installed_copies >/dev/null; }
wine "$target" >"$out/program.log" 2>&1 &
icon=$(wait_until 60 wine_tray_icon)
check "the installed program starts and puts its icon into the tray" test -n "$icon"
screenshot "$out/installed-tray.png"
first=$(installed_copies)
wine wineboot --end-session >"$out/end-session.log" 2>&1
check "the end of the session ends it" wait_until 30 ended_all $first
check "it saved its settings beside itself" test -f "$folder/Lumaro.ini"
# Wine's wineboot runs the Run entries again once the session has ended, as a logon would.
again=$(wait_until 30 installed_copies)
check "the Run value starts it again, as at logon" test -n "$again"
# shellcheck disable=SC2086 # one process id a word
kill $again 2>/dev/null
wait_until 30 none_left

wine msiexec /x "$(winepath -w "$msi")" /qn >"$out/uninstall.log" 2>&1
check "the quiet uninstall ends with exit code 0" test $? -eq 0
ls -la "$folder" >"$out/left.txt" 2>&1
check "the program is gone" test ! -e "$folder/lumaro.exe"
check "the help is gone" test ! -e "$folder/lumaro.html"
check "the shortcut is gone" test ! -e "$shortcut"
check "the uninstall entry is gone" no_uninstall_entry
check "the Run value is gone" not_in_registry "$run_key" 'Lumaro'
check "the user's settings stay" test -f "$folder/Lumaro.ini"
rm -rf "$folder"

summary
