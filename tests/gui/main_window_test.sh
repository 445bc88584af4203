#!/usr/bin/env bash
# The main window under a real window manager (openbox), driven by xdotool: no system frame, centred at
# its first show, raised and focused when restored, moved by a drag on its title panel, hidden by the
# minimize glyph and back on "RAM" at the next show; typing into the icon colour list changes nothing,
# and the hotkey text edits like a text field. Saves a screenshot of each page.
# Usage: main_window_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running
ini=$sandbox/bin/Lumaro.ini

frameless() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS)
  [[ "$extents" == *"= 0, 0, 0, 0" ]] || { echo "     $extents"; return 1; }
}
fixed_size() { xprop -id "$1" WM_NORMAL_HINTS | grep -q "program specified minimum size: 405 by 405" &&
  xprop -id "$1" WM_NORMAL_HINTS | grep -q "program specified maximum size: 405 by 405"; }
is_active() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]]; }
# The colour of one screen pixel, as ImageMagick names it.
pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -n 1 | grep -o '#[0-9A-F]\{6\}'; }
# Clicks at a point of the window's client area.
click_at() {
  local x y
  read -r x y < <(origin "$1")
  click_point $((x + $2)) $((y + $3)) 1
}
ini_holds() { tr -d '\r' <"$ini" | grep -qx "$1" || { echo "     $(tr -d '\r' <"$ini" | grep "${1%%=*}")"; return 1; }; }

# The desktop's document opener, which only notes what it was asked to open.
mkdir -p "$sandbox/tools"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$sandbox" >"$sandbox/tools/xdg-open"
chmod +x "$sandbox/tools/xdg-open"
export PATH="$sandbox/tools:$PATH"

start_shown "$out/lumaro.log" "$lumaro"

read -r area_x area_y area_w area_h < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)
centre="$((area_x + (area_w - 405) / 2)) $((area_y + (area_h - 405) / 2))"
check "the window manager gives it no frame" frameless "$main"
check "its size is fixed at 405 x 405" fixed_size "$main"
check "it is centred on the work area at its first show" wait_until 5 at_origin "$main" "$centre"
check "restoring raises it and gives it the keyboard focus" wait_until 5 is_active "$main"
screenshot "$out/page-ram.png"

# A drag on the title panel moves the window by the drag. The window manager takes over the drag once
# the program asks it to: the pointer creeps on until the window follows, then the drag is measured.
read -r x y < <(origin "$main")
xdotool mousemove --sync $((x + 200)) $((y + 10)) mousedown 1
for step in $(seq 1 50); do
  xdotool mousemove_relative --sync 1 1
  [[ "$(origin "$main")" != "$x $y" ]] && break
done
read -r x y < <(origin "$main")
xdotool mousemove_relative --sync 40 20
xdotool mousemove_relative --sync 40 30 mouseup 1
check "a drag on the title panel moves the window by the drag" wait_until 5 at_origin "$main" "$((x + 80)) $((y + 50))"

# "Ver Ajuda", at the right end of the page buttons, opens the help beside the program.
click_at "$main" 380 33
check "a click on Ver Ajuda opens the help" wait_until 5 grep -qs "/bin/lumaro.html" "$sandbox/opened"

# The page buttons, left to right, at the top of the pages.
tabs=(20 82 168 241)
for i in 1 2 3; do
  shown=$(picture_of "$main")
  click_at "$main" "${tabs[$i]}" 34
  wait_until 5 shows_other_than "$main" "$shown"
  screenshot "$out/page-$i.png"
done
mv "$out/page-1.png" "$out/page-configuracao.png"
mv "$out/page-2.png" "$out/page-ajuste-fino.png"
mv "$out/page-3.png" "$out/page-cache.png"

# The minimize glyph hides the window; the next show is on "RAM", whose CPU read-out is black.
click_at "$main" 393 11
check "the minimize glyph hides the window" wait_until 5 not_visible '^Lumaro\.$'
request_restore
main=$(wait_for_window '^Lumaro\.$' 10)
read -r x y < <(origin "$main")
ram_shown() { [[ "$(pixel $((x + 20)) $((y + 75)))" == "#000000" ]]; }
check "the next show is on the RAM page" wait_until 5 ram_shown
check "a later restore raises it and gives it the focus again" wait_until 5 is_active "$main"
screenshot "$out/page-ram-again.png"

# Restored from the tray icon, as a user does it: a double click on the icon in the tray host.
click_at "$main" 393 11
wait_until 5 not_visible '^Lumaro\.$'
icon=$(wait_for_tray_icon 5)
click_middle "$icon" --repeat 2 --delay 80 1
main=$(wait_for_window '^Lumaro\.$' 10)
check "a double click on the tray icon shows the window" test -n "$main"
[[ -n "$main" ]] || exit 1
check "restored from the tray, it is raised and has the keyboard focus" wait_until 5 is_active "$main"

# Typing into the icon colour list changes nothing; the hotkey text takes exactly what is typed.
shown=$(picture_of "$main")
click_at "$main" "${tabs[1]}" 34
wait_until 5 shows_other_than "$main" "$shown"
# The list is a window of its own: a key or click sent before it is mapped, or while it is still up,
# would go to the wrong place.
windows_of_program() { xdotool search --onlyvisible --pid "$running" 2>/dev/null | wc -l; }
more_windows_than() { (($(windows_of_program) > $1)); }
no_more_windows_than() { (($(windows_of_program) <= $1)); }
windows=$(windows_of_program)
click_at "$main" 150 296 # the icon colour list opens...
wait_until 5 more_windows_than "$windows"
xdotool key Escape # ...and closes, keeping the focus
wait_until 5 no_more_windows_than "$windows"
xdotool type --delay 20 "p"
click_at "$main" 300 336 # into the hotkey text
xdotool key ctrl+a
xdotool type --delay 20 "Ctrl+Alt+Q"
screenshot "$out/page-configuracao-typed.png"
kill -TERM "$running"
check "the end of the session ends the program" exits_with 0 "$running" 10
running=
check "typing into the icon colour list leaves ICONE unchanged" ini_holds "ICONE=0"
check "the hotkey text holds exactly what was typed" ini_holds "cbHotKey_Text=Ctrl+Alt+Q"
check "the control that last had the focus is stored" ini_holds "ActiveControl=cbHotKey"

summary
