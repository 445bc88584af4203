# Sourced: the program's icon in an XEmbed tray host (trayer, or tint2's panel) and its bar menu, on
# the virtual display.
source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"

# tray_icon [id to skip]: prints the id of the program's icon in the tray: a visible window of the
# program, 16 to 24 pixels high and as wide or up to twice as wide (the toolkit asks a scaled screen's
# tray for a wider slot), inside the tray host's window tree (an icon left over from a tray host that
# has gone does not count). Skips the window with the given id.
tray_icon() {
  local host w hex X Y WIDTH HEIGHT SCREEN WINDOW hosted=""
  for host in $(xdotool search --class '^(trayer|tint2)$' 2>/dev/null); do
    hosted+=" $(xwininfo -tree -id "$host" 2>/dev/null | grep -o '0x[0-9a-f]\+' | while read -r hex; do printf ' %d ' "$hex"; done)"
  done
  for w in $(xdotool search --onlyvisible --class '^lumaro$' 2>/dev/null); do
    [[ "$w" == "${1:-}" || " $hosted " != *" $w "* ]] && continue
    WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    if ((HEIGHT >= 16 && HEIGHT <= 24 && WIDTH >= HEIGHT && WIDTH <= 2 * HEIGHT)); then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# wait_for_tray_icon <seconds> [id to skip]: prints the icon's id once it is embedded.
wait_for_tray_icon() { wait_until "$1" tray_icon "${@:2}"; }

# icon_window: prints the id of a visible window of the program of a tray icon's size (16 to 24 pixels
# square), in a tray host or not: an icon shown where there is no XEmbed tray host counts too.
icon_window() { sized_window '(1[6-9]|2[0-4])x(1[6-9]|2[0-4])'; }

# wine_tray_icon [side]: prints the id of the icon Wine embeds into the tray host for a Windows program:
# a window of Wine's explorer in trayer's window tree, whose width and height match the extended regular
# expression `side` (16 to 24 pixels unless told).
wine_tray_icon() {
  local host side=${1:-(1[6-9]|2[0-4])}
  for host in $(xdotool search --class trayer 2>/dev/null); do
    xwininfo -tree -id "$host" 2>/dev/null | grep '"explorer.exe"' |
      grep -E " ${side}x${side}\+" | awk '{print $1}' | grep . && return 0
  done
  return 1
}

# tip_window: prints the id of the icon's tip while it shows: a window of the program of one line's
# height, wider than the icon.
tip_window() { sized_window '(1[0-9][0-9]|[2-3][0-9][0-9])x(1[4-9]|2[0-9]|3[0-2])'; }

# bar_menu: prints the id of the program's bar menu while it is open. Its 11 items of 22 pixels and 6
# separators of 9 inside a 3-pixel frame are 302 pixels high.
bar_menu() { sized_window '[0-9]+x302'; }

# window_pixels <window>: the window's area of the screen as ImageMagick's text enumeration, one pixel
# a line ("x,y: (r,g,b)  #RRGGBB ...").
window_pixels() {
  local X='' Y='' WIDTH='' HEIGHT='' SCREEN='' WINDOW=''
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
  [[ -n "$X" ]] || return 1
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -depth 8 txt:- 2>/dev/null
}
window_colours() { window_pixels "$1" | grep -o '#[0-9A-F]\{6\}' | sort -u; }

# shows_figure_over_level <window>: a level picture's colour and the black or white of the figure
# show in the window's area of the screen.
shows_figure_over_level() {
  local colours
  colours=$(window_colours "$1") || return 1
  grep -qE '#00FF00|#FFFF00|#FF0000' <<<"$colours" && grep -qE '#000000|#FFFFFF' <<<"$colours"
}

# shows_animation <window>: the run's animation shows there (the olive tips of its module's pins).
shows_animation() { window_colours "$1" | grep -q '#7B7B00'; }

# unscaled_picture <window>: prints the picture the window shows, row by row, when what differs from
# the slot's corner colour is one 16 × 16 square in a handful of flat colours: the picture pixel for
# pixel, neither enlarged nor smoothed. Fails otherwise.
unscaled_picture() {
  window_pixels "$1" | python3 -c '
import re, sys
pixels = {}
for line in sys.stdin:
    found = re.match(r"(\d+),(\d+): .*?(#[0-9A-F]{6})", line)
    if found: pixels[int(found[1]), int(found[2])] = found[3]
if not pixels: sys.exit(1)
corner = pixels[0, 0]
drawn = [xy for xy, colour in pixels.items() if colour != corner]
if not drawn: sys.exit(1)
left, top = min(x for x, _ in drawn), min(y for _, y in drawn)
if max(x for x, _ in drawn) - left != 15 or max(y for _, y in drawn) - top != 15: sys.exit(1)
if len(set(pixels.values())) > 8: sys.exit(1)
for y in range(top, top + 16): print(" ".join(pixels[x, y] for x in range(left, left + 16)))
'
}

# The session bus's status-notifier watcher: bus_call <gdbus call arguments>, its errors in the test's
# gdbus.log; watcher_call <method arguments> on the watcher; watcher_owned: a watcher holds its name.
bus_call() { gdbus call --session "$@" 2>>"$out/gdbus.log"; }
watcher_call() { bus_call -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher "$@"; }
watcher_owned() {
  bus_call -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner \
    org.kde.StatusNotifierWatcher | grep -q true
}
