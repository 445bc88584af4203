#!/usr/bin/env bash
# The real program under faults of its surroundings: read-only program, Windows and autostart folders,
# missing and garbled /proc files, no tray host, its hotkey held by another client, and the X server
# going away. Wherever it can, it keeps running, shows its main window on request, ends with exit code
# 0 at the end of the session and saves its settings; when the display dies it ends without leaving a
# corrupt settings file.
# Usage: faults.sh [rounds, default 1]
set -uo pipefail
rounds=${1:-1}
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${LUMARO_BUILD_DIR:-$top/build}
out=$build/tests/stress/faults
source "$top/tests/lib/gui_test.sh"

gui_test_setup "$build/lumaro" "$out" running holder
mounts=()
release_mounts() {
  local m
  for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done
}
trap 'release_mounts; stop_gui_test' EXIT
log=$out/lumaro.log
ini=$sandbox/bin/Lumaro.ini

# read_only <folder>: the folder can no longer be written, not even by root (a read-only bind mount).
read_only() {
  mkdir -p "$1"
  mount --bind "$1" "$1" 2>/dev/null && mount -o remount,bind,ro "$1" 2>/dev/null || return 1
  mounts+=("$1")
}
writable_again() { umount "$1"; }

# The request is repeated: one sent while the program holds its thread in the error pause may be lost.
main_window_shows() {
  local attempt
  for attempt in 1 2 3 4 5 6 7 8; do
    request_restore 2>/dev/null
    wait_for_window '^Lumaro\.$' 5 >/dev/null && return 0
  done
  return 1
}

# met_fault <log size at its start>: the copy has met its fault: it has reported an error since (its
# thread may then be held in the error handler's 15 s pause), or its message loop answers.
met_fault() { grep -q '^Lumaro: ' <<<"$(tail -c "+$(($1 + 1))" "$log" 2>/dev/null)" || answers; }

# keeps_working <name> <settings file> <its text at the start, empty for none> [VAR=value...]: a copy
# started with those variables keeps running, shows its main window on request, ends with exit code 0
# at the end of the session (an error may hold its thread for the error pause first) and has saved
# every setting.
keeps_working() {
  local name=$1 settings=$2
  rm -f "$settings"
  [[ -n "$3" ]] && printf '%b' "$3" >"$settings"
  shift 3
  local from
  from=$(stat -c %s "$log" 2>/dev/null || echo 0)
  start_program "$log" env "$@" "$lumaro"
  wait_until 30 met_fault "$from"
  check "$name: keeps running" kill -0 "$running"
  check "$name: shows its main window on request" main_window_shows
  screenshot "$out/$name.png"
  kill -TERM "$running"
  check "$name: ends with exit code 0" exits_with 0 "$running" 40
  running=
  check "$name: its settings are saved" grep -q '^RxSpinAntiCrash_Value=' "$settings"
}

for ((round = 1; round <= rounds; round++)); do
  echo "# round $round"
  if read_only "$sandbox/bin"; then
    keeps_working "read-only program folder" "$XDG_CONFIG_HOME/lumaro/Lumaro.ini" ""
    writable_again "$sandbox/bin"
  else
    echo "skipped - read-only folders need bind mounts (root)"
  fi
  if read_only "$sandbox/windows"; then
    # The processor idle switch is written into the registry store as soon as the box is ticked,
    # here by the settings load.
    keeps_working "read-only Windows folder" "$ini" '[TfrmPrincipal]\r\nchkboxCPUidle_Checked=True\r\n' \
      LUMARO_WINDOWS_DIR="$sandbox/windows"
    check "read-only Windows folder: the ticked box is kept" grep -q '^chkboxCPUidle_Checked=True' "$ini"
    writable_again "$sandbox/windows"
  fi
  if read_only "$XDG_CONFIG_HOME/autostart"; then
    keeps_working "read-only autostart folder" "$ini" ""
    writable_again "$XDG_CONFIG_HOME/autostart"
  fi
  mkdir -p "$sandbox/empty-proc"
  keeps_working "missing /proc files" "$ini" "" LUMARO_PROC_DIR="$sandbox/empty-proc"
  keeps_working "garbled /proc files" "$ini" "" LUMARO_PROC_DIR="$top/tests/fixtures/proc/garbled"

  "$build/tests/gui/grab_key" >"$out/grabber.log" 2>&1 &
  holder=$!
  wait_until 5 grep -qs grabbed "$out/grabber.log"  # the log may not exist yet
  keeps_working "hotkey held by another client" "$ini" ""
  kill "$holder" 2>/dev/null
  wait "$holder" 2>/dev/null
  holder=

  stop_tray_host
  keeps_working "no tray host" "$ini" ""

  # The display goes away: the program ends, and its settings file is the last complete one.
  start_program "$log" "$lumaro"
  wait_until_running "$running" 10
  cp "$ini" "$out/settings-before.ini"
  kill "$XVFB_PID"
  wait "$XVFB_PID" 2>/dev/null
  check "display gone: the program ends" wait_until 20 ended "$running"
  wait "$running" 2>/dev/null
  echo "     it ended with exit code $?"
  running=
  check "display gone: the settings file is the last complete one" cmp -s "$ini" "$out/settings-before.ini"
  check "display gone: no temporary file is left beside it" test "$(ls -A "$sandbox/bin" | grep -cv '^lumaro$\|^Lumaro.ini$')" -eq 0
  start_virtual_desktop "$out" || exit 1
done
summary
