#!/usr/bin/env bash
# The real program takes every close request, whatever holds it at that moment: SIGTERM (the session
# ends), SIGINT (Ctrl+C) and SIGHUP (the terminal closed) while the restart notice is up, SIGTERM while
# a start-up message is up and during the start-up's error pause. Each ends with exit code 0 within a
# few seconds, with the settings saved wherever they can be.
# Usage: close_request_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running
# Each program in a process group of its own: a background job of a script would ignore SIGINT.
set -m

ini=$sandbox/bin/Lumaro.ini

# A copy started afresh: the socket of the one before is gone, so that `listening` means this one.
start_afresh() {
  rm -f "$XDG_RUNTIME_DIR/LUMARO2"
  start_program "$out/lumaro.log" "$lumaro"
}

# in_error_pause: the program's thread waits in the error pause: a poll of one descriptor, its wake-up
# pipe, for up to 15 s (the message loop polls several, and the X connection waits without a limit).
in_error_pause() {
  local call _ count timeout
  read -r call _ count timeout _ <"/proc/$running/syscall" 2>/dev/null
  [[ "$call" == 7 && "$count" == 0x1 ]] && ((timeout > 1000 && timeout <= 15000))
}

# restart_notice_up: a stored tuning change reloaded at the first show marks the system configuration
# as changed; hiding the window by its minimize image then shows the restart notice.
restart_notice_up() {
  wait_until 10 listening || return 1
  printf 'TrkBarDMABuffers_Position=8\r\n' >>"$ini"
  request_restore
  local main
  main=$(wait_for_window '^Lumaro\.$' 10) || return 1
  xdotool mousemove --window "$main" 392 10 click 1
  wait_for_window '^Lumaro$' 10 >/dev/null
}

for signal in TERM INT HUP; do
  rm -f "$ini"
  start_afresh
  check "SIG$signal: the restart notice is up" restart_notice_up
  screenshot "$out/notice-$signal.png"
  end_on "$signal"
  check "SIG$signal ends the program with exit code 0 at once" ended_promptly
  check "SIG$signal: the settings were saved" holds "$ini" 'TrkBarDMABuffers_Position=8'
  check "SIG$signal: the message box is gone" not_visible '^Lumaro$'
done

# A settings file over the read limit: reported as unreadable at start-up, and never replaced.
rm -f "$ini"
truncate -s 65M "$ini"
start_afresh
box_up() { wait_for_window '^Lumaro$' 10 >/dev/null; }
check "a settings file that is too large is reported at start-up" box_up
check "as one that cannot be read" grep -q "Unable to read $ini" "$out/lumaro.log"
end_on TERM
check "SIGTERM while that message is up ends the program with exit code 0 at once" ended_promptly
check "the file is left as it was" test "$(stat -c %s "$ini")" -eq $((65 << 20))

# An autostart folder that cannot be made: the start-up's error pause of 15 s holds the thread.
rm -rf "$ini" "$XDG_CONFIG_HOME/autostart"
mkdir -p "$XDG_CONFIG_HOME"
touch "$XDG_CONFIG_HOME/autostart"
start_afresh
started_up "$ini"
check "the start-up reaches its error pause" wait_until 10 in_error_pause
end_on TERM
check "SIGTERM during the error pause ends the program with exit code 0 at once" ended_promptly
check "and the settings were saved" holds "$ini" 'FormVersion=0'
rm -f "$XDG_CONFIG_HOME/autostart"

summary
