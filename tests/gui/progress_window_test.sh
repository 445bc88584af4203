#!/usr/bin/env bash
# The progress window of a run under a real window manager (openbox) without a compositor: a tool
# window with no taskbar entry, whose shape shows only what it draws, so that the desktop shows
# between its letters and around its meters rather than black boxes.
# Usage: progress_window_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running

backdrop='#336699'
xsetroot -solid "$backdrop"
# The colour of one screen pixel, as ImageMagick names it.
pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | grep -o '#[0-9A-F]\{6\}'; }
progress_window() { sized_window '612x192'; }
has_property() { xprop -id "$1" "$2" | grep -q "$3" || { echo "     $(xprop -id "$1" "$2")"; return 1; }; }
shows() { [[ "$(pixel "$1" "$2")" == "$3" ]] || { echo "     ($1, $2) is $(pixel "$1" "$2"), not $3"; return 1; }; }
shows_other() { [[ "$(pixel "$1" "$2")" != "$3" ]] || { echo "     ($1, $2) is $3"; return 1; }; }

# The largest target and the progress window on; each claimed mebibyte waits 5 ms, so the run lasts.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\nchkboxVisualBar_Checked=True\r\n' >"$sandbox/bin/Lumaro.ini"
LUMARO_COMMIT_PAUSE_MS=5 "$lumaro" >"$out/lumaro.log" 2>&1 &
running=$!
wait_until_running "$running" 10
xdotool key ctrl+alt+m
progress=$(wait_until 10 progress_window)
check "a run shows the progress window" test -n "$progress"
[[ -n "$progress" ]] || exit 1
check "it is a tool window" has_property "$progress" _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_UTILITY
check "with no taskbar entry" has_property "$progress" _NET_WM_STATE _NET_WM_STATE_SKIP_TASKBAR
read -r x y < <(origin "$progress")
screenshot "$out/progress.png"
backdrop=$(pixel $((x - 3)) $((y + 100)))  # as the display's depth gives it
# Right of "Ram Livre", inside the box of its labels but on no letter; and on the free memory meter.
check "the desktop shows beside the heading's letters" shows $((x + 430)) $((y + 8)) "$backdrop"
check "the desktop shows below the lower meter" shows $((x + 300)) $((y + 189)) "$backdrop"
check "the meters are drawn" shows_other $((x + 100)) $((y + 57)) "$backdrop"
kill -TERM "$running"
check "the program ends with exit code 0" exits_with 0 "$running" 10
running=
summary
