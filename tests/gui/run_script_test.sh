#!/usr/bin/env bash
# scripts/run as a contributor's first run meets it, with an already built program: without a desktop
# session it starts Lumaro on a virtual display of its own, keeps the settings, the autostart entry and
# the Windows folder in a throw-away folder, says how Lumaro ended, and leaves nothing behind, neither
# in the home folder nor beside the program nor in the temporary folder; --keep-settings in a desktop
# session uses the user's own folders.
# Usage: run_script_test.sh <path to lumaro> <folder for logs>
set -uo pipefail
lumaro=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
for part in checks desktop; do source "$here/../lib/$part.sh"; done
rm -rf "$out"
mkdir -p "$out/home" "$out/tmp" "$out/keep"
mkdir -m 700 "$out/runtime"
# Job control: the script runs in a process group of its own that takes Ctrl+C as a terminal's would.
set -m

beside_program=$(dirname "$lumaro")/Lumaro.ini
before=$(stat -c %Y "$beside_program" 2>/dev/null || echo none)
# run_script <log> [scripts/run arguments...]: starts the script as a user with a fresh home; sets run.
run_script() {
  local log=$1
  shift
  env -u XDG_CONFIG_HOME -u LUMARO_WINDOWS_DIR HOME="$out/home" TMPDIR="$out/tmp" XDG_RUNTIME_DIR="$out/runtime" \
    LUMARO_RUN_PROGRAM="$program" "$here/../../scripts/run" "$@" >"$log" 2>&1 &
  run=$!
}
ends_with() {
  wait_until 30 ended "$run" || return 1
  wait "$run"
  local status=$?
  ((status == $1)) || { echo "     exit status $status"; return 1; }
}
says() { grep -q "$2" "$1"; }
throw_away() { compgen -G "$out/tmp/lumaro-run.*" | head -n 1; }
nothing_in() { [[ -z "$(find "$1" -mindepth 1 -print -quit)" ]] || { find "$1" -mindepth 1 | sed 's/^/     left: /'; return 1; }; }
unchanged_beside_program() { [[ "$(stat -c %Y "$beside_program" 2>/dev/null || echo none)" == "$before" ]]; }

# Without a desktop session: a virtual display, throw-away folders, Ctrl+C ends it all.
program=$lumaro
unset DISPLAY WAYLAND_DISPLAY
run_script "$out/run.log"
check "the script says how to open the window" wait_until 30 says "$out/run.log" "To open its window, start the program again there: DISPLAY=:[0-9]* $lumaro"
state=$(throw_away)
display=$(sed -n 's/.*virtual display :\([0-9]*\)\..*/\1/p' "$out/run.log")
check "the settings land beside the throw-away copy" wait_until 20 test -s "$state/program/Lumaro.ini"
entry=$state/config/autostart/lumaro.desktop
check "the autostart entry is a throw-away one that starts the copy" \
  wait_until 10 grep -qx "Exec=$state/program/lumaro" "$entry"
check "the Windows folder is a throw-away one" test -d "$state/windows"
kill -INT "$run"
check "Ctrl+C ends Lumaro and the script with exit code 0" ends_with 0
check "the script says how Lumaro ended" says "$out/run.log" "Lumaro ended with exit code 0."
check "the throw-away folder is removed" test -z "$(throw_away)"
check "nothing is written into the home folder" nothing_in "$out/home"
check "nothing is written beside the program" unchanged_beside_program
check "the virtual display is stopped" test ! -e "/tmp/.X$display-lock"

# A Lumaro that is killed: the script names the signal, and still removes everything.
run_script "$out/killed.log"
state=""
check "a second run starts" wait_until 30 eval 'state=$(throw_away); [[ -n "$state" && -s "$state/program/Lumaro.ini" ]]'
copy=$(pgrep -f "^$state/program/lumaro" | head -n 1)
[[ -n "$copy" ]] && kill -KILL "$copy"
check "a killed Lumaro ends the script with its status" ends_with 137
check "the script names the signal" says "$out/killed.log" "ended by the signal SIGKILL"
check "the throw-away folder is removed after a kill too" test -z "$(throw_away)"

# In a desktop session with --keep-settings: the user's own autostart entry, settings beside the program.
start_virtual_desktop "$out/desktop" || exit 1
trap 'stop_virtual_desktop' EXIT
cp "$lumaro" "$out/keep/lumaro"
program=$out/keep/lumaro
run_script "$out/keep.log" --keep-settings
check "in a desktop session the script says to double-click the icon" \
  wait_until 30 says "$out/keep.log" "double-click the icon, or start the program again: $program"
check "--keep-settings keeps the settings beside the program" wait_until 20 test -s "$out/keep/Lumaro.ini"
check "--keep-settings writes the user's own autostart entry" \
  wait_until 10 grep -qx "Exec=$program" "$out/home/.config/autostart/lumaro.desktop"
kill -TERM "$run"
check "the end of the session ends Lumaro and the script with exit code 0" ends_with 0
check "the temporary folder is empty again" nothing_in "$out/tmp"
summary
