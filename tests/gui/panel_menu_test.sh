#!/usr/bin/env bash
# The program on the panel of a real desktop, which draws the tray menu itself from the menu the item
# serves over D-Bus: Xfce's xfce4-panel (status tray plugin) or LXQt's lxqt-panel (Status Notifier
# plugin), on a virtual display with openbox and a session bus of the test's own. A right click on
# the icon opens the program's menu drawn by the panel, an item chosen there acts (the configure item
# shows the main window, the optimize item starts a run), and the icon stays one entry through a run.
# Usage: panel_menu_test.sh <path to lumaro> <xfce|lxqt> <folder for screenshots and logs>
set -uo pipefail
panel_kind=$2
out=$3
source "$(dirname "$0")/../lib/gui_test.sh"
source "$(dirname "$0")/../lib/panels.sh"
TRAY_HOST=none gui_test_setup "$1" "$out" program PANEL_PID
start_session_bus

check "the $panel_kind panel serves the StatusNotifierWatcher" start_panel "$panel_kind" "$out/panel.log"
# The optimization target at its largest, each claimed mebibyte waiting 5 ms: a run lasts over 5 s.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"
LUMARO_COMMIT_PAUSE_MS=5 "$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
item=$(wait_until 10 one_item_registered)
check "the item registers with the panel" test -n "$item"
menu_path=$(gdbus call --session -d "$item" -o /StatusNotifierItem -m org.freedesktop.DBus.Properties.Get \
  org.kde.StatusNotifierItem Menu 2>/dev/null)
check "the item names a menu the panel can ask" grep -q "objectpath '/MenuBar'" <<<"$menu_path"

point=$(wait_until 10 panel_icon_point)
check "the panel shows the icon" test -n "$point"
read -r icon_x icon_y <<<"${point:-0 0}"

no_bar_menu_within() { ! wait_until "$1" bar_menu >/dev/null; }
# open_menu <screenshot>: a right click on the icon; prints the id of the menu the panel opens.
open_menu() {
  click_point "$icon_x" "$icon_y" 3
  local menu
  menu=$(wait_until 5 panel_menu) || return 1
  screenshot "$1"
  echo "$menu"
}

menu=$(open_menu "$out/panel-menu.png")
check "a right click opens the menu the panel draws" test -n "$menu"
check "and not the program's own drawn menu" no_bar_menu_within 1
xdotool key c  # the configure item's access key
check "the configure item shows the main window" wait_until 5 visible '^Lumaro\.$'
check "and the menu closes" wait_until 5 no_panel_menu

before_kb=$(rss_kb "$program")
run_going() { (($(rss_kb "$program") > before_kb + 200 * 1024)); }
menu=$(open_menu "$out/panel-menu-again.png")
check "the menu opens again" test -n "$menu"
xdotool key o  # the optimize item's access key
check "the optimize item starts a run" wait_until 10 run_going
screenshot "$out/panel-during-run.png"
# Until the run ends, the panel holds the one item it had.
entries_changed=0
entry_watched_until_run_ends() {
  [[ "$(one_item_registered)" == "$item" ]] || entries_changed=1
  ! run_going
}
check "the run ends" wait_until 60 entry_watched_until_run_ends
screenshot "$out/panel-after-run.png"
check "the run keeps the one tray entry" test "$entries_changed" -eq 0
check "the entry is the same after the run" test "$(one_item_registered)" == "$item"
point=$(wait_until 10 panel_icon_point)
[[ -n "$point" ]] && read -r icon_x icon_y <<<"$point"
menu=$(open_menu "$out/panel-menu-after-run.png")
check "after the run the entry opens the menu" test -n "$menu"
xdotool key Escape

kill -TERM "$program"
check "the program ends with exit code 0" exits_with 0 "$program" 10
program=
check "the item leaves the panel" wait_until 5 no_item_registered

summary
