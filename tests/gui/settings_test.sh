#!/usr/bin/env bash
# The real program and its settings file on a real X server: the first start writes the section with
# the icon colour, the end of the session (SIGTERM) saves the version and the 27 keys in order, a
# stored value reaches its control at the next start and runs its handler, and the autostart entry
# follows the auto-run box. The program runs as a copy in a sandbox, so its settings file lands there;
# a copy in a folder others may write, beside another user's file or in a read-only folder keeps them
# in the user's folder.
# Usage: settings_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running

ini=$sandbox/bin/Lumaro.ini
entry=$XDG_CONFIG_HOME/autostart/lumaro.desktop
mkdir -p "$sandbox/moved"
cp "$lumaro" "$sandbox/moved/lumaro"

keys=(chkboxAutoRecover_Checked chkboxAutoRecoverTime_Checked chkboxAutoRun_Checked chkboxBootidle_Checked
  chkboxRecoverCPUusage_Checked chkboxShortCut_Checked chkboxVisualBar_Checked chkboxCPUidle_Checked
  chkboxForceRam_Checked chkboxCache_Checked chkboxCacheRemov_Checked RadioButton1_Checked RadioButton2_Checked
  RadioButton3_Checked RadioButton4_Checked RxSpinAutoRecoverTime_Value RxSpinRecoverCPUusage_Value cbHotKey_Text
  TrkBarLiberar_Position trkbarAutoLiberar_Position TrkBarDMABuffers_Position TrkBarPageBuffers_Position
  TrkBarMaxCache_Position TrkBarMinCache_Position TrkBarBlockCache_Position chkboxAntiCrash_Checked
  RxSpinAntiCrash_Value)

bytes_are() { cmp -s "$1" <(printf '%b' "$2") || { echo "     $1 holds:"; od -c "$1" | head -5; return 1; }; }
every_line_ends_in_crlf() { ! grep -qv $'\r$' "$1"; }
lines_are() {
  local expected
  expected=$(printf '%s\n' "$@")
  [[ "$(tr -d '\r' <"$ini" | cut -d= -f1)" == "$expected" ]] || { echo "     keys:"; tr -d '\r' <"$ini" | head -40; return 1; }
}
entry_runs() { grep -qx "Exec=$1" "$entry" && ! grep -q '^Hidden=' "$entry"; }
entry_disabled() { grep -qx 'Exec=' "$entry" && grep -qx 'Hidden=true' "$entry"; }
valid_entry() { desktop-file-validate "$entry"; }

start_program "$out/lumaro.log" "$lumaro"
check "the first start writes Lumaro.ini beside the program" wait_until 10 test -s "$ini"
check "it holds the section header and ICONE=0 only" bytes_are "$ini" '[TfrmPrincipal]\r\nICONE=0\r\n'
check "the autostart entry starts this copy" entry_runs "$lumaro"
check "the autostart entry is a valid desktop entry" valid_entry
check "the end of the session ends the program with exit code 0" end_session
check "the exit saved FormVersion and the 27 keys in order after ICONE" \
  lines_are '[TfrmPrincipal]' ICONE FormVersion "${keys[@]}"
check "every line ends in CR LF" every_line_ends_in_crlf "$ini"
check "values are saved as the controls hold them" holds "$ini" 'cbHotKey_Text=Ctrl+Alt+M'
cp "$ini" "$out/Lumaro-first-exit.ini"

# A stored unchecked auto-run box unchecks the control at the next start, whose handler disables
# the entry; a stored slider position reaches its control and is saved back from it.
sed -i -e 's/^chkboxAutoRun_Checked=True/chkboxAutoRun_Checked=False/' \
  -e 's/^TrkBarPageBuffers_Position=1/TrkBarPageBuffers_Position=7/' "$ini"
start_program "$out/lumaro.log" "$lumaro"
check "a stored unchecked auto-run box disables the autostart entry" wait_until 10 entry_disabled
check "the disabled entry is still a valid desktop entry" valid_entry
check "the end of the session ends the program with exit code 0" end_session
check "the unchecked box is saved back" holds "$ini" 'chkboxAutoRun_Checked=False'
check "the stored slider position went through the control" holds "$ini" 'TrkBarPageBuffers_Position=7'

# A copy in another folder with its own (new) settings: the box is checked and the entry follows it.
start_program "$out/lumaro.log" "$sandbox/moved/lumaro"
check "a copy started from another folder rewrites the entry with its own path" \
  wait_until 10 entry_runs "$sandbox/moved/lumaro"
check "the copy keeps its own settings beside it" wait_until 10 test -s "$sandbox/moved/Lumaro.ini"
check "the end of the session ends the copy with exit code 0" end_session

# A program folder that other users may write, or another user's file in place of the settings: the
# settings go to the user's folder, and what lies beside the program stays as it was.
home_ini=$XDG_CONFIG_HOME/lumaro/Lumaro.ini
mkdir -p "$sandbox/shared"
chmod 1777 "$sandbox/shared"
cp "$lumaro" "$sandbox/shared/lumaro"
start_program "$out/lumaro.log" "$sandbox/shared/lumaro"
check "a program folder others may write keeps the settings in the user's folder" \
  wait_until 10 test -s "$home_ini"
check "the end of the session ends that copy with exit code 0" end_session
check "nothing was written beside it" test ! -e "$sandbox/shared/Lumaro.ini"
if [[ $EUID -eq 0 ]]; then
  rm -f "$home_ini"
  planted=$sandbox/moved/Lumaro.ini
  printf '#!/bin/sh\necho planted\n' >"$planted"
  cp "$planted" "$out/planted.ini"
  chown 65534:65534 "$planted"
  chmod 4777 "$planted"
  start_program "$out/lumaro.log" "$sandbox/moved/lumaro"
  check "another user's settings file beside the program sends the settings to the user's folder" \
    wait_until 10 test -s "$home_ini"
  check "the end of the session ends that copy with exit code 0" end_session
  check "that file keeps its bytes" cmp -s "$planted" "$out/planted.ini"
  check "that file keeps its owner and mode" test "$(stat -c '%u %a' "$planted")" = "65534 4777"
else
  echo "skipped - another user's settings file needs root to plant"
fi

# A program folder that cannot take the file: the settings go to the user's folder. Root writes into
# any folder, so as root this copy runs as "nobody", with a home of its own.
user_home=$sandbox/user
mkdir -p "$user_home/run"
chmod 700 "$user_home/run"
as_user=()
if [[ $EUID -eq 0 ]]; then
  chmod 755 "$sandbox"
  chown -R 65534:65534 "$user_home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
rm -f "$sandbox/moved/Lumaro.ini"
chmod 555 "$sandbox/moved"
env HOME="$user_home" XDG_CONFIG_HOME="$user_home/config" XDG_RUNTIME_DIR="$user_home/run" \
  QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$sandbox/moved/lumaro" >>"$out/lumaro.log" 2>&1 &
running=$!
check "a read-only program folder keeps the settings in the user's folder" \
  wait_until 10 test -s "$user_home/config/lumaro/Lumaro.ini"
check "the end of the session ends that copy with exit code 0" end_session "$user_home/run"
check "that copy saved its settings there" holds "$user_home/config/lumaro/Lumaro.ini" 'FormVersion=0'
check "nothing was written beside it" test ! -e "$sandbox/moved/Lumaro.ini"
chmod 755 "$sandbox/moved"

summary
