#!/usr/bin/env bash
# The program in the system tray of the real tint2 panel, an XEmbed host with 24-pixel slots, on a
# virtual display with openbox and a session bus without a StatusNotifierWatcher. The icon docks and its
# slot shows the 16-pixel picture pixel for pixel, exactly as trayer's 22-pixel slot shows it for the
# same memory; the pointer on it shows a tip; a right click opens the program's own menu, whose items
# act; a double click restores the window; and a run plays in the one icon window the panel holds.
# Usage: tint2_tray_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
source "$(dirname "$0")/../lib/panels.sh"
gui_test_setup "$1" "$out" program PANEL_PID
start_session_bus

# Memory that does not change, so that both starts show the same figure.
export LUMARO_PROC_DIR=$sandbox/proc
mkdir -p "$LUMARO_PROC_DIR"
cp /proc/meminfo /proc/stat "$LUMARO_PROC_DIR/"
# The optimization target at its largest, each claimed mebibyte waiting 5 ms: a run lasts long enough
# to be watched.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"

# The picture as trayer's slot shows it, to compare tint2's with.
"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
icon=$(wait_for_tray_icon 10)
[[ -n "$icon" ]] && wait_until 5 shows_figure_over_level "$icon"
[[ -n "$icon" ]] && unscaled_picture "$icon" >"$out/trayer-slot.txt"
check "trayer's slot shows the 16-pixel picture" test -s "$out/trayer-slot.txt"
kill -TERM "$program"
check "that copy ends with exit code 0" exits_with 0 "$program" 10
program=
stop_tray_host

check "tint2's panel starts" start_tint2 "$out/tint2.log"
check "nobody serves a StatusNotifierWatcher" test -z "$(watcher_served && echo served)"
LUMARO_COMMIT_PAUSE_MS=5 "$lumaro" >>"$out/lumaro.log" 2>&1 &
program=$!
icon=$(wait_for_tray_icon 10)
check "the icon docks in tint2's tray" test -n "$icon"
[[ -n "$icon" ]] || exit 1
check "tint2 gives it a 24-pixel slot" window_size_is "$icon" 24 24
check "the slot shows the figure over the level picture" wait_until 5 shows_figure_over_level "$icon"
unscaled_picture "$icon" >"$out/tint2-slot.txt"
check "the slot shows the 16-pixel picture unscaled" test -s "$out/tint2-slot.txt"
same_picture() { [[ -s "$1" ]] && cmp -s "$1" "$2"; }
check "its pixels are exactly those trayer's slot shows" same_picture "$out/trayer-slot.txt" "$out/tint2-slot.txt"
import -window "$icon" "$out/slot.png" 2>/dev/null

# tint2 draws no tips for XEmbed icons: the tip is the program's own window.
point_at "$icon"
check "the pointer on the icon shows a tip" wait_until 5 tip_window
screenshot "$out/tip.png"

click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "a right click opens the program's menu" test -n "$menu"
screenshot "$out/menu.png"
xdotool key c
main=$(wait_for_window '^Lumaro\.$' 10)
check "\"&Configurar Lumaro\" shows the main window" test -n "$main"
check "and the menu closes" wait_until 5 window_hidden "$menu"
screenshot "$out/main-window.png"

# The title's minimize glyph hides the window; a double click on the icon brings it back.
if [[ -n "$main" ]]; then
  read -r main_x main_y < <(origin "$main")
  click_point $((main_x + 393)) $((main_y + 11)) 1
fi
check "the minimize glyph hides the window" wait_until 5 not_visible '^Lumaro\.$'
click_middle "$icon" --repeat 2 --delay 80 1
check "a double click on the icon restores the window" wait_for_window '^Lumaro\.$' 10

# A run from the menu: its animation and then the figure again, all in the one icon window.
click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "the menu opens again" test -n "$menu"
xdotool key o
entries_changed=0
# one_icon_shows <colour test>: tint2 holds the icon window it had, and no other of the program, and
# the colour test holds for it.
one_icon_shows() {
  local hosted
  hosted=$(xwininfo -tree -id "$(xdotool search --class '^tint2$' | head -n 1)" 2>/dev/null | grep -c '"lumaro"')
  [[ "$(tray_icon)" == "$icon" && "$hosted" -eq 1 ]] || entries_changed=1
  "$1" "$icon"
}
check "\"&Otimizar Ram\" plays the animation in the icon" wait_until 10 one_icon_shows shows_animation
screenshot "$out/run.png"
import -window "$icon" "$out/slot-run.png" 2>/dev/null
click_middle "$icon" 1
check "a click on it ends the run and the figure comes back" wait_until 30 one_icon_shows shows_figure_over_level
check "through the run tint2 holds that one icon window" test "$entries_changed" -eq 0
screenshot "$out/after-run.png"

kill -TERM "$program"
check "the program ends with exit code 0" exits_with 0 "$program" 10
program=

summary
