#!/usr/bin/env bash
# The program's one StatusNotifierItem through a run, on Debian's status-notifier-watcher on a private
# session bus: the item's tooltip gives the free megabytes, a run shows its animation in the same item
# (never unregistered, no second item), a click on it (Activate) stops the run and the figure comes
# back in that item.
# Usage: status_notifier_entry_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
if [[ -z "${LUMARO_PRIVATE_BUS:-}" ]]; then
  exec env LUMARO_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
TRAY_HOST=none gui_test_setup "$1" "$out" program watcher monitor

registered_items() {
  watcher_call -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems | grep -o "org\.kde\.StatusNotifierItem-[0-9]*-[0-9]*"
}
registered_item() { registered_items | head -n 1; }
item_property() {
  bus_call -d "$item" -o /StatusNotifierItem -m org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierItem "$1"
}
# picture_has <colour...>: the 16 × 16 picture holds an opaque pixel of one of the colours ("r,g,b").
picture_has() {
  python3 -c '
import re, sys
text = sys.stdin.read()
first = re.search(r"\(16, 16, \[([^\]]*)\]\)", text)
if not first: sys.exit(1)
values = [int(v, 16) for v in re.findall(r"0x([0-9a-f]{2})", first.group(1))]
pixels = {tuple(values[i + 1:i + 4]) for i in range(0, len(values), 4) if values[i] == 0xFF}
wanted = {tuple(int(c) for c in colour.split(",")) for colour in sys.argv[1:]}
sys.exit(0 if pixels & wanted else 1)
' "$@" <<<"$(item_property IconPixmap)"
}
shows_animation() { picture_has 123,123,0; }  # the olive tips of the module's pins
shows_level() { picture_has 0,255,0 255,255,0 255,0,0; }
tip_gives_megabytes() { grep -qE "'Lumaro: [0-9]+ MB livres'" <<<"$(item_property ToolTip)"; }

status-notifier-watcher >"$out/watcher.log" 2>&1 &
watcher=$!
check "the StatusNotifierWatcher owns its name" wait_until 10 watcher_owned
watcher_call -m org.kde.StatusNotifierWatcher.RegisterStatusNotifierHost org.kde.StatusNotifierHost-test \
  >/dev/null
dbus-monitor --session "interface='org.kde.StatusNotifierWatcher'" >"$out/watcher-traffic.log" 2>&1 &
monitor=$!

# The target at its largest, and each claimed mebibyte waits 5 ms: the run lasts long enough to be seen.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"
LUMARO_COMMIT_PAUSE_MS=5 "$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
item=$(wait_until 10 registered_item)
check "the item registers with the watcher" test -n "$item"
check "its picture shows the level" wait_until 5 shows_level
check "its tooltip gives the free megabytes" wait_until 5 tip_gives_megabytes
wait_until_running "$program" 10

xdotool key ctrl+alt+m
check "a run shows the animation in the item" wait_until 10 shows_animation
check "the watcher holds that one item" test "$(registered_items)" == "$item"
bus_call -d "$item" -o /StatusNotifierItem -m org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
check "a click on it stops the run and the level comes back in the item" wait_until 10 shows_level
check "the watcher still holds that one item" test "$(registered_items)" == "$item"
check "the item registered once" test "$(grep -c 'member=RegisterStatusNotifierItem' "$out/watcher-traffic.log")" -eq 1

kill -TERM "$program"
check "the program ends with exit code 0" exits_with 0 "$program" 10
program=

summary
