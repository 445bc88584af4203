#!/usr/bin/env bash
# The tray entry on an XEmbed tray whose slots are 22 pixels (trayer 24 high): the 16-pixel picture
# shows pixel for pixel in the middle of the slot, the same at scale factors 1, 1.5 and 2, the icon
# has a tip, and a run plays its animation in the same icon window, which then shows the figure again.
# Usage: tray_entry_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" program

# Memory that does not change, so that each start shows the same figure.
export LUMARO_PROC_DIR=$sandbox/proc
mkdir -p "$LUMARO_PROC_DIR"
cp /proc/meminfo /proc/stat "$LUMARO_PROC_DIR/"

pictures=()
for scale in 1 1.5 2; do
  QT_SCALE_FACTOR=$scale "$lumaro" >>"$out/lumaro.log" 2>&1 &
  program=$!
  icon=$(wait_for_tray_icon 10)
  check "at scale $scale the icon embeds" test -n "$icon"
  check "at scale $scale it shows the figure over the level picture" wait_until 5 shows_figure_over_level "$icon"
  unscaled_picture "$icon" >"$out/slot-$scale.txt"
  check "at scale $scale the slot shows the 16-pixel picture unscaled" test -s "$out/slot-$scale.txt"
  pictures+=("$(md5sum <"$out/slot-$scale.txt")")
  [[ -n "$icon" ]] && import -window "$icon" "$out/slot-$scale.png" 2>/dev/null
  kill -TERM "$program"
  check "that copy ends with exit code 0" exits_with 0 "$program" 10
  program=
done
check "the picture is the same at scale factors 1, 1.5 and 2" \
  test "${pictures[0]}" == "${pictures[1]}" -a "${pictures[0]}" == "${pictures[2]}"

# A run: each claimed mebibyte waits 5 ms, so that the animation stays long enough to be seen.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"
LUMARO_COMMIT_PAUSE_MS=5 "$lumaro" >>"$out/lumaro.log" 2>&1 &
program=$!
wait_until_running "$program" 10
icon=$(wait_for_tray_icon 10)
wait_until 5 shows_figure_over_level "$icon"
[[ -n "$icon" ]] && point_at "$icon"
tip=$(wait_until 5 tip_window)
check "the pointer on the icon shows a tip" test -n "$tip"
screenshot "$out/tip.png"
xdotool mousemove 10 10
xdotool key ctrl+alt+m
check "a run plays the animation in the same icon window" wait_until 10 shows_animation "$icon"
screenshot "$out/run.png"
check "the tray holds that one icon window" test "$(tray_icon)" == "$icon"
[[ -n "$icon" ]] && click_middle "$icon" 1
check "a click on it ends the run and the figure comes back in it" wait_until 10 shows_figure_over_level "$icon"
check "the tray still holds that one icon window" test "$(tray_icon)" == "$icon"
kill -TERM "$program"
check "the program ends with exit code 0" exits_with 0 "$program" 10
program=

summary
