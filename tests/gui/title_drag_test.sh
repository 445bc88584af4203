#!/usr/bin/env bash
# The main window's title under a real window manager (openbox), driven by xdotool: a drag with any
# mouse button moves the window by the drag and ends where that button is released; a right, middle or
# very short left click moves nothing and leaves nothing stuck to the pointer.
# Usage: title_drag_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running

# Where the window's client area lies on the screen: "x y".
pointer_to() { xdotool mousemove --sync "$1" "$2" 2>/dev/null || xdotool mousemove "$1" "$2"; }

start_shown "$out/lumaro.log" "$lumaro"
wait_until 5 test -n "$(origin "$main")"
read -r x y < <(origin "$main")
title_x=$((x + 200)) title_y=$((y + 10))

# Clicks that do not drag, each followed by the pointer wandering off with no button down. Were the
# window left on the pointer, it would follow, and every position checked below would be off.
pointer_to "$title_x" "$title_y"
xdotool click 3
xdotool mousemove_relative --sync -- 60 40
pointer_to "$title_x" "$title_y"
xdotool click 2
xdotool mousemove_relative --sync -- -30 25
pointer_to "$title_x" "$title_y"
xdotool mousedown 1 mouseup 1  # no time between press and release
xdotool mousemove_relative --sync -- 20 -15
check "right, middle and very short left clicks leave the window in place" at_origin "$main" "$x $y"

# drag <button> <dx> <dy>: presses the button on the title, moves the pointer by dx, dy in two steps,
# releases it, then moves the pointer on with no button down.
drag() {
  local button=$1 dx=$2 dy=$3
  read -r x y < <(origin "$main")
  pointer_to $((x + 200)) $((y + 10))
  xdotool mousedown "$button"
  xdotool mousemove_relative --sync -- $((dx / 2)) $((dy / 2))
  xdotool mousemove_relative --sync -- $((dx - dx / 2)) $((dy - dy / 2))
  wait_until 5 at_origin "$main" "$((x + dx)) $((y + dy))" >/dev/null
  xdotool mouseup "$button"
  xdotool mousemove_relative --sync -- 35 35
}
for button in 3 2 1; do
  read -r x0 y0 < <(origin "$main")
  drag "$button" 80 50
  drag "$button" -60 -30
  check "a drag with button $button moves the window by the drag and stops on release" \
    wait_until 5 at_origin "$main" "$((x0 + 20)) $((y0 + 20))"
done
screenshot "$out/dragged.png"
summary
