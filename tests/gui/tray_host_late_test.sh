#!/usr/bin/env bash
# A tray host that starts after the program (the log-in race) and one that is restarted: the icon is
# added as soon as the host owns the tray selection, each time.
# Usage: tray_host_late_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
TRAY_HOST=none gui_test_setup "$1" "$out" program

"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
check "the program starts without a tray host" wait_until 10 listening
check "no icon shows while there is no tray host" test -z "$(wait_until 1 icon_window)"
# The host comes once the program has settled without one, as a panel can at log-in.
check "the program runs on without a tray host" answers

start_tray_host "$out/trayer-late.log"
icon=$(wait_until 2 icon_window)
check "the icon embeds within 2 s of a tray host that starts late" test -n "$icon"
screenshot "$out/late-host.png"

stop_tray_host
check "the program outlives its tray host" kill -0 "$program"
start_tray_host "$out/trayer-again.log"
icon=$(wait_until 2 icon_window)
check "the icon comes back within 2 s when the tray host restarts" test -n "$icon"
screenshot "$out/restarted-host.png"

kill -TERM "$program"
check "the program still ends with exit code 0" exits_with 0 "$program" 10
program=

summary
