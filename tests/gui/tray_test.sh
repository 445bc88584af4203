#!/usr/bin/env bash
# The program's tray presence on a real X server with an XEmbed tray host, driven by xdotool: the icon
# embeds and shows the free memory over a level picture, a right click opens the bar menu, Escape
# closes it, the menu's items work from the mouse and the keyboard, the icon comes back when the tray
# host restarts, and "&Fechar Otimizador" ends the program with its settings saved.
# Usage: tray_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
built=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/virtual-desktop.sh"
source "$here/gui_checks.sh"
source "$here/tray_checks.sh"

prepare_sandbox "$built" "$out" || exit 1
cleanup() { stop_sandbox "${program:-}"; }
trap cleanup EXIT

not_shown() { ! shown_windows | grep -qx "$1"; }
# The tray menu: 11 items of 22 pixels and 6 separators of 9 inside a 3-pixel frame are 302 high.
wait_for_menu() { wait_until "$1" sized_window '[0-9]+x302'; }

# Right-clicks the middle of a window.
right_click() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
}

# A level bar's colour and the black or white of the figure show in a window's area of the screen.
shows_figure_over_level() {
  local X Y WIDTH HEIGHT SCREEN WINDOW colours
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/icon-crop.png" 2>/dev/null
  colours=$(convert "$out/icon-crop.png" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | sort -u)
  grep -qE '#00FF00|#FFFF00|#FF0000' <<<"$colours" && grep -qE '#000000|#FFFFFF' <<<"$colours"
}

"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
icon=$(wait_for_icon 10)
check "the icon embeds in the tray" test -n "$icon"
sleep 1.5  # a few monitoring ticks
screenshot "$out/tray-icon.png"
check "the icon shows the free memory over a level picture" shows_figure_over_level "$icon"

right_click "$icon"
menu=$(wait_for_menu 5)
check "a right click opens the tray menu" test -n "$menu"
sleep 0.3
screenshot "$out/tray-menu.png"
xdotool key Escape
check "Escape closes the menu" wait_until 3 not_shown "$menu"
check "the program keeps running" kill -0 "$program"

# "&Configurar Lumaro" by the mouse: its middle is 76 pixels above the menu's bottom edge (frame 3,
# separator 9, "&Fechar Otimizador" 22, separator 9, "&Ajuda on-line" 22, half of its own 22).
right_click "$icon"
menu=$(wait_for_menu 5)
if [[ -n "$menu" ]]; then
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 76))
  sleep 0.3
  screenshot "$out/tray-menu-highlight.png"
  xdotool click 1
fi
main=$(wait_for_window '^Lumaro\.$' 10)
check "\"&Configurar Lumaro\" shows the main window" test -n "$main"

# The tray host goes away and comes back: the icon is added again.
kill "$TRAYER_PID"
wait "$TRAYER_PID" 2>/dev/null
sleep 0.5
trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
  --transparent false --tint 0x404040 >"$out/trayer-again.log" 2>&1 &
TRAYER_PID=$!
icon=$(wait_for_icon 10)
check "after the tray host restarts the icon comes back" test -n "$icon"
sleep 1
screenshot "$out/tray-icon-again.png"

# "&Fechar Otimizador" from the keyboard: Up from no highlight reaches the last item that can be chosen.
[[ -n "$icon" ]] && right_click "$icon"
menu=$(wait_for_menu 5)
check "the menu opens again" test -n "$menu"
xdotool key Up Return
check "\"&Fechar Otimizador\" ends the program with exit code 0" exits_with 0 "$program" 10
program=
check "the settings were saved" grep -q "FormVersion=0" "$sandbox/bin/Lumaro.ini"

summary
