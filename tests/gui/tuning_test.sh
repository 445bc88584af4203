#!/usr/bin/env bash
# The real program and the system configuration on a real X server. A tuning value changed while the
# program runs (the settings file reloaded when the window is first shown) reaches "system.ini" and the
# registry file in the Windows directory at the end of the session; a Windows directory that other
# users may write gives way to the user's own. With a Windows directory that can never be written, the
# end of the session still ends the program with exit code 0 at once, with the settings saved.
# Usage: tuning_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running

ini=$sandbox/bin/Lumaro.ini

# run_changed <Windows directory>: starts the program with that Windows directory, stores a new DMA
# buffer size while it runs and shows the window, whose first show reloads the settings file; the
# change handler marks the system configuration as changed. Then the session ends (SIGTERM).
# Sets `milliseconds` to the time from the signal to the end and `status` to the exit code (end_on).
run_changed() {
  rm -f "$ini"
  LUMARO_WINDOWS_DIR=$1 "$lumaro" >>"$out/lumaro.log" 2>&1 &
  running=$!
  # Once it runs the start-up has read the file; the line added now is only read at the first show.
  wait_until_running "$running" 10 || return 1
  grep -qs '^ICONE=' "$ini" || return 1
  printf 'TrkBarDMABuffers_Position=8\r\n' >>"$ini"
  request_restore
  wait_for_window '^Lumaro\.$' 10 >/dev/null || return 1
  end_on TERM
}
took_at_most() { ((milliseconds <= $1 * 1000)); }

windows="$sandbox/Windows dir"
check "a changed tuning value is applied while the program runs" run_changed "$windows"
check "the end of the session ends the program with exit code 0" test "$status" -eq 0
check "promptly" took_at_most 5
check "system.ini holds the new DMA buffer size" holds "$windows/system.ini" 'DMABufferSize=8'
check "the registry file holds the paging switch, off" holds "$windows/registry.reg" '"DisablePagingExecutive"=dword:00000000'
check "the registry file begins with REGEDIT4" holds "$windows/registry.reg" 'REGEDIT4'
cp "$windows/system.ini" "$windows/registry.reg" "$out/" 2>/dev/null

# A Windows directory that other users may write is not used: the files go to the user's own.
shared="$sandbox/shared windows"
mkdir -p "$shared"
chmod 1777 "$shared"
check "a change with a Windows directory others may write" run_changed "$shared"
check "system.ini goes to the user's data folder" holds "$XDG_DATA_HOME/lumaro/windows/system.ini" 'DMABufferSize=8'
check "nothing was written into the shared folder" test -z "$(ls -A "$shared")"

# Below a regular file no folder can be made, not even by root.
touch "$sandbox/file"
check "a change with a Windows directory that cannot be written" run_changed "$sandbox/file/windows"
check "the end of the session still ends the program with exit code 0" test "$status" -eq 0
check "at once: the session does not wait for the exception pause" took_at_most 5
check "the settings were still saved" holds "$ini" 'TrkBarDMABuffers_Position=8'

summary
