#!/usr/bin/env bash
# The program's tray presence on a real X server with an XEmbed tray host, driven by xdotool: the icon
# embeds and shows the free memory over a level picture, a right click opens the bar menu, Escape
# closes it, the menu's items work from the mouse and the keyboard, the icon comes back when the tray
# host restarts, and "&Fechar Otimizador" ends the program with its settings saved.
# Usage: tray_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" program

# The red level (0-255) of one pixel of the screen.
red_at() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | sed -n 's/^0,0: *(\([0-9]*\).*/\1/p'; }
# hover <x> <y> <band x>: moves the mouse onto a menu item (a pixel aside each time, so that a menu
# that was not yet taking the mouse sees a motion again) and is true once the menu has drawn the item
# on its dark band (the pixel at <band x>, left of the item's picture, is light grey while not chosen).
hover() {
  local red
  xdotool mousemove --sync $(($1 + RANDOM % 5)) "$2"
  red=$(red_at "$3" "$2")
  ((${red:-255} < 230))
}

"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
icon=$(wait_for_tray_icon 10)
check "the icon embeds in the tray" test -n "$icon"
check "the icon shows the free memory over a level picture" wait_until 5 shows_figure_over_level "$icon"
screenshot "$out/tray-icon.png"

click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "a right click opens the tray menu" test -n "$menu"
screenshot "$out/tray-menu.png"
xdotool key Escape
check "Escape closes the menu" wait_until 3 window_hidden "$menu"
check "the program keeps running" kill -0 "$program"

# Closed and opened again at once, twice: a right press within the double-click time of the last one
# is a double click to the toolkit, and must open the menu all the same.
click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "a right click right after Escape opens the menu again" test -n "$menu"
xdotool key Escape
wait_until 3 window_hidden "$menu"
click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "and so does the next one" test -n "$menu"

# "&Configurar Lumaro" by the mouse: its middle is 76 pixels above the menu's bottom edge (frame 3,
# separator 9, "&Fechar Otimizador" 22, separator 9, "&Ajuda on-line" 22, half of its own 22).
if [[ -n "$menu" ]]; then
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  check "the item under the mouse is highlighted" wait_until 5 hover $((X + WIDTH / 2)) $((Y + HEIGHT - 76)) $((X + 60))
  screenshot "$out/tray-menu-highlight.png"
  xdotool click 1
fi
main=$(wait_for_window '^Lumaro\.$' 10)
check "\"&Configurar Lumaro\" shows the main window" test -n "$main"

# The tray host goes away and comes back: the icon is added again, into the new host.
stop_tray_host
start_tray_host "$out/trayer-again.log"
icon=$(wait_for_tray_icon 10)
check "after the tray host restarts the icon comes back" test -n "$icon"
wait_until 5 shows_figure_over_level "$icon"
screenshot "$out/tray-icon-again.png"

# "&Fechar Otimizador" from the keyboard: Up from no highlight reaches the last item that can be chosen.
[[ -n "$icon" ]] && click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "the menu opens again" test -n "$menu"
xdotool key Up Return
check "\"&Fechar Otimizador\" ends the program with exit code 0" exits_with 0 "$program" 10
program=
check "the settings were saved" grep -q "FormVersion=0" "$sandbox/bin/Lumaro.ini"

summary
