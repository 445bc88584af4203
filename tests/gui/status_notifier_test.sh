#!/usr/bin/env bash
# The program on a StatusNotifierItem host: Debian's status-notifier-watcher on a private session bus
# with a host registered through gdbus, and no XEmbed tray. Through gdbus: the item registers, its
# title and picture are right, its menu is served for hosts that draw it (its layout, and a click
# event that acts), two activations within the double-click time show the main window and one shows
# nothing, the context request opens the bar menu, and an unchanged figure sends no NewIcon.
# Usage: status_notifier_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
if [[ -z "${LUMARO_PRIVATE_BUS:-}" ]]; then
  exec env LUMARO_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
TRAY_HOST=none gui_test_setup "$1" "$out" program watcher monitor

# Memory that does not change, so that the figure in the picture stays the same.
export LUMARO_PROC_DIR=$sandbox/proc
mkdir -p "$LUMARO_PROC_DIR"
cp /proc/meminfo /proc/stat "$LUMARO_PROC_DIR/"

# The first registered item's bus name.
registered_item() {
  watcher_call -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems | grep -o "org\.kde\.StatusNotifierItem-[0-9]*-[0-9]*" | head -n 1
}
no_item_registered() { test -z "$(registered_item)"; }
item_property() {
  bus_call -d "$item" -o /StatusNotifierItem -m org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierItem "$1"
}
menu_call() { bus_call -d "$item" -o /MenuBar -m "com.canonical.dbusmenu.$1" "${@:2}"; }
activate() { bus_call -d "$item" -o /StatusNotifierItem -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null; }
main_window_stays_hidden() { ! wait_until "$1" visible '^Lumaro\.$'; }
new_icon_sent() { test "$(grep -c 'member=NewIcon' "$out/new-icon.log")" -ge 1; }
no_new_icon_within() { ! wait_until "$1" new_icon_sent; }
# The 16 × 16 picture shows a level colour (green, yellow or red) and a black or white figure.
picture_shows_figure_over_level() {
  python3 -c '
import re, sys
text = sys.stdin.read()
first = re.search(r"\(16, 16, \[([^\]]*)\]\)", text)
if not first: sys.exit(1)
values = [int(v, 16) for v in re.findall(r"0x([0-9a-f]{2})", first.group(1))]
if len(values) != 16 * 16 * 4: sys.exit(1)
pixels = {tuple(values[i + 1:i + 4]) for i in range(0, len(values), 4) if values[i] == 0xFF}
level = pixels & {(0, 255, 0), (255, 255, 0), (255, 0, 0)}
figure = pixels & {(0, 0, 0), (255, 255, 255)}
sys.exit(0 if level and figure else 1)
' <<<"$(item_property IconPixmap)"
}

status-notifier-watcher >"$out/watcher.log" 2>&1 &
watcher=$!
check "the StatusNotifierWatcher owns its name" wait_until 10 watcher_owned
watcher_call -m org.kde.StatusNotifierWatcher.RegisterStatusNotifierHost org.kde.StatusNotifierHost-test \
  >/dev/null

"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
item=$(wait_until 10 registered_item)
check "the item registers with the watcher" test -n "$item"
check "the item's title is \"Lumaro\"" grep -q "'Lumaro'" <<<"$(item_property Title)"
check "no XEmbed icon is made beside the item" test -z "$(wait_until 1 icon_window)"
check "the picture shows the figure over the level picture" wait_until 5 picture_shows_figure_over_level

# With memory unchanged, the picture is never announced again.
dbus-monitor --session "type='signal',interface='org.kde.StatusNotifierItem',member='NewIcon'" \
  >"$out/new-icon.log" 2>&1 &
monitor=$!
check "no NewIcon over 10 s of unchanged memory" no_new_icon_within 10
# Half the available memory: a new figure (also in gigabytes), announced.
awk '/^MemAvailable:/ {$2 = int($2 / 2)} {print}' "$LUMARO_PROC_DIR/meminfo" >"$sandbox/meminfo"
mv "$sandbox/meminfo" "$LUMARO_PROC_DIR/meminfo"
check "a changed figure sends NewIcon" wait_until 5 new_icon_sent
kill "$monitor"
wait "$monitor" 2>/dev/null
monitor=

# The menu for hosts that draw it themselves, as they ask for it.
layout=$(menu_call GetLayout -- 0 -1 '[]')
check "the item's menu is served where its Menu property says" \
  grep -q "objectpath '/MenuBar'" <<<"$(item_property Menu)"
check "the menu's layout holds the 11 commands and 6 separators" \
  test "$(grep -o "'label': <'[^']*'>" <<<"$layout" | wc -l)" -eq 11 \
  -a "$(grep -o "'type': <'separator'>" <<<"$layout" | wc -l)" -eq 6
check "captions keep their access keys" grep -q "'label': <'_Configurar Lumaro'>" <<<"$layout"
check "the menu speaks version 3 of the protocol" grep -q "uint32 3" \
  <<<"$(bus_call -d "$item" -o /MenuBar -m org.freedesktop.DBus.Properties.Get com.canonical.dbusmenu Version)"
check "an unknown item is refused" test -z "$(menu_call GetProperty 99 label)"
# Item 13 is "Configurar Lumaro".
menu_call Event 13 clicked '<0>' 0 >/dev/null
check "a click on the configure item shows the main window" wait_until 5 visible '^Lumaro\.$'
xdotool windowminimize "$(window_named '^Lumaro\.$')"
check "minimized, the window goes back to the tray" wait_until 5 not_visible '^Lumaro\.$'

activate
check "one activation shows nothing, also after the double-click time" main_window_stays_hidden 1
activate
activate
check "two activations within the double-click time show the main window" wait_until 5 visible '^Lumaro\.$'
screenshot "$out/status-notifier-restored.png"

bus_call -d "$item" -o /StatusNotifierItem -m org.kde.StatusNotifierItem.ContextMenu 300 200 >/dev/null
menu=$(wait_until 5 bar_menu)
check "the context request opens the bar menu" test -n "$menu"
if [[ -n "$menu" ]]; then
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  check "the menu opens where the host asked" test "$X" -le 304 -a "$((X + WIDTH))" -ge 296 \
    -a "$Y" -le 204 -a "$((Y + HEIGHT))" -ge 196
fi
screenshot "$out/status-notifier-menu.png"
xdotool key Escape

kill -TERM "$program"
check "the program ends with exit code 0" exits_with 0 "$program" 10
program=
check "the item leaves the watcher" wait_until 5 no_item_registered

summary
