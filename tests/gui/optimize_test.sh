#!/usr/bin/env bash
# The global hotkey on a real X server: Ctrl+Alt+M starts an optimization from anywhere (its 1 GiB claim
# shows in the process's peak memory), a click on the tray's animation stops a run, and a combination
# another client holds fails silently.
# Usage: optimize_test.sh <path to lumaro> <grab_key helper> <folder for logs>
set -uo pipefail
grabber=$2
out=$3
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running holder

grew_by() { (($(peak_mb "$running") >= $2 + $3)); }
# The target at its largest, so that a run claims the full 1 GiB.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"

"$lumaro" >"$out/lumaro.log" 2>&1 &
running=$!
wait_until_running "$running" 10
before=$(peak_mb "$running")
xdotool key ctrl+alt+m
check "Ctrl+Alt+M starts an optimization" wait_until 15 grew_by "$running" "$before" 900
check "the program goes on after the run" kill -0 "$running"
kill -TERM "$running"
check "the end of the session ends it with exit code 0" exits_with 0 "$running" 10
running=

# A click on the animated icon stops a run. Each claimed mebibyte waits 5 ms here, so the claim of a
# whole run takes more than 5 s and the click lands in it; the peak then stays well below 1 GiB.
LUMARO_COMMIT_PAUSE_MS=5 "$lumaro" >>"$out/lumaro.log" 2>&1 &
running=$!
wait_until_running "$running" 10
icon=$(wait_for_tray_icon 10)
before=$(peak_mb "$running")
xdotool key ctrl+alt+m
# The animation plays in the tray entry the figure was in.
check "a run shows the animation in the tray" wait_until 10 shows_animation "$icon"
[[ -n "$icon" ]] && click_middle "$icon" 1
check "a click on the animation ends the run" wait_until 10 shows_figure_over_level "$icon"
grown=$(($(peak_mb "$running") - before))
echo "     the run claimed $grown MB before it stopped"
check "before it claimed the whole target" test "$grown" -lt 900
check "the figure is back in the same tray entry" test "$(tray_icon)" == "$icon"
kill -TERM "$running"
check "that copy ends with exit code 0" exits_with 0 "$running" 10
running=

"$grabber" >"$out/grabber.log" &
holder=$!
wait_until 5 grep -q grabbed "$out/grabber.log"
"$lumaro" >>"$out/lumaro.log" 2>&1 &
running=$!
wait_until_running "$running" 10
before=$(peak_mb "$running")
xdotool key ctrl+alt+m
check "the other client receives the combination" wait_until 5 grep -q pressed "$out/grabber.log"
answers  # whatever reached the program has been served
check "a combination another client holds starts nothing" test "$(peak_mb "$running")" -lt $((before + 900))
check "and shows no message" not_visible '^Lumaro$'
kill -TERM "$running"
check "that copy also ends with exit code 0" exits_with 0 "$running" 10
running=

summary
