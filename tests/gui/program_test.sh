#!/usr/bin/env bash
# The real program on a real X server with a tray host, driven by xdotool: resident start without a
# window, the second copy's message and the first copy's window after it, the restore request, and the
# end of the session.
# Usage: program_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" first second

"$lumaro" >"$out/first.log" 2>&1 &
first=$!
check "starts and stays resident" wait_until_running "$first" 10
check "shows no window at start" not_visible '^Lumaro\.$'

"$lumaro" >"$out/second.log" 2>&1 &
second=$!
message=$(wait_for_window '^Lumaro$' 10)
check "a second copy shows a message box" test -n "$message"
screenshot "$out/second-copy-message.png"
check "the message box names the running copy" grep -q "Já existe uma cópia do Lumaro sendo executada" "$out/second.log"
[[ -n "$message" ]] && press_key "$message" Return
check "the second copy ends with exit code 0" exits_with 0 "$second" 10
check "the first copy is not disturbed" kill -0 "$first"
main=$(wait_for_window '^Lumaro\.$' 10)
check "once the message is closed the first copy's window comes up" test -n "$main"
[[ -n "$main" ]] && xdotool mousemove --sync --window "$main" 393 11 click 1
check "its minimize glyph hides it" wait_until 5 not_visible '^Lumaro\.$'

request_restore
main=$(wait_for_window '^Lumaro\.$' 10)
check "a restore request shows the main window" test -n "$main"
screenshot "$out/main-window.png"
check "the main window is 405 x 405" window_size_is "$main" 405 405

kill -TERM "$first"
check "the end of the session ends the program with exit code 0" exits_with 0 "$first" 10
first=

summary
