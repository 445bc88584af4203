#!/usr/bin/env bash
# A desktop without any tray (GNOME without its extension): the running copy stays within reach. A
# second start, the desktop entry's command and `lumaro --show` bring up its window; `lumaro --optimize`
# runs an optimization; with no copy running both commands end with exit code 1 and one line, and
# neither needs a display.
# Usage: no_tray_test.sh <path to lumaro> <desktop entry> <proc fixtures> <folder for screenshots and logs>
set -uo pipefail
entry=$2
fixtures=$3
out=$4
source "$(dirname "$0")/../lib/gui_test.sh"
TRAY_HOST=none gui_test_setup "$1" "$out" running second

# run_command <name> <arguments...>: runs the program without a display, as a key binding of a Wayland
# desktop does; its exit code goes to `status`, its standard error to <name>.err.
run_command() {
  local name=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY "$lumaro" "$@" >"$out/$name.out" 2>"$out/$name.err"
  status=$?
}
one_line_saying() { [[ "$(wc -l <"$1")" == 1 ]] && grep -q "$2" "$1"; }

for request in optimize show; do
  run_command "no-copy-$request" "--$request"
  check "--$request with no copy running ends with exit code 1" test "$status" -eq 1
  check "and says so in one line on standard error" one_line_saying "$out/no-copy-$request.err" 'no running copy'
done

# 512 MB of memory, so that a run claims about 200 MB; the progress window shows each run.
ini=$sandbox/bin/Lumaro.ini
printf '[TfrmPrincipal]\r\nchkboxVisualBar_Checked=True\r\n' >"$ini"
export LUMARO_PROC_DIR=$fixtures/small-512m-noswap LUMARO_COMMIT_PAUSE_MS=5
start_program "$out/lumaro.log" "$lumaro"
check "starts and stays resident without a tray" wait_until_running "$running" 10
check "shows no window at start" not_visible '^Lumaro\.$'

# second_start <name> <command...>: starts a second copy, answers its message and waits for the
# running copy's window; `main` holds the window's id.
second_start() {
  local name=$1 message
  shift
  "$@" >"$out/$name.log" 2>&1 &
  second=$!
  message=$(wait_for_window '^Lumaro$' 10)
  check "$name: the second copy shows its message" test -n "$message"
  [[ -n "$message" ]] && press_key "$message" Return
  check "$name: the second copy ends with exit code 0" exits_with 0 "$second" 10
  second=
  main=$(wait_for_window '^Lumaro\.$' 10)
  check "$name: then the running copy's window comes up" test -n "$main"
}
# hide_window: the title's minimize glyph puts the window away again.
hide_window() {
  [[ -n "${main:-}" ]] && xdotool mousemove --sync --window "$main" 393 11 click 1
  wait_until 5 not_visible '^Lumaro\.$'
}

second_start "second start" "$lumaro"
screenshot "$out/second-start.png"
check "the minimize glyph hides it" hide_window

# The menu entry's command, its field codes dropped, with the program found on the PATH.
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %[a-zA-Z]//g')
check "the desktop entry has a command" test -n "$exec_line"
second_start "desktop entry" env PATH="$sandbox/bin:$PATH" sh -c "$exec_line"
check "the minimize glyph hides it again" hide_window

run_command show --show
check "--show ends with exit code 0" test "$status" -eq 0
main=$(wait_for_window '^Lumaro\.$' 10)
check "--show brings up the running copy's window" test -n "$main"
check "and hides again" hide_window

progress_window() { sized_window '612x192' >/dev/null; }
before=$(peak_mb "$running")
run_command optimize --optimize
check "--optimize ends with exit code 0" test "$status" -eq 0
check "--optimize starts a run: its progress window shows" wait_until 10 progress_window
screenshot "$out/optimize-progress.png"
no_progress_window() { ! progress_window; }
grew() { (($(peak_mb "$running") >= before + 150)); }
check "and the run claims the target's memory" wait_until 20 grew
check "the run ends: its progress window goes" wait_until 20 no_progress_window
check "the main window stays hidden" not_visible '^Lumaro\.$'

check "SIGTERM still ends the copy with exit code 0" ends_at_once

summary
