#!/usr/bin/env bash
# A tray host that starts after the program (the log-in race) and one that is restarted: the icon is
# added as soon as the host owns the tray selection, each time.
# Usage: tray_host_late_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
built=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/virtual-desktop.sh"
source "$here/gui_checks.sh"
source "$here/tray_checks.sh"

TRAYER_PID=
TRAY_HOST=none prepare_sandbox "$built" "$out" || exit 1
cleanup() { stop_sandbox "${program:-}"; }
trap cleanup EXIT

"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
check "the program starts without a tray host" wait_until 10 listening
check "no icon shows while there is no tray host" test -z "$(wait_for_icon 1)"
sleep 4  # the host comes 5 s after the program, as a panel does at log-in

start_tray_host "$out/trayer-late.log"
icon=$(wait_for_icon 2)
check "the icon embeds within 2 s of a tray host that starts late" test -n "$icon"
screenshot "$out/late-host.png"

kill "$TRAYER_PID"
wait "$TRAYER_PID" 2>/dev/null
check "the program outlives its tray host" kill -0 "$program"
start_tray_host "$out/trayer-again.log"
icon=$(wait_for_icon 2)
check "the icon comes back within 2 s when the tray host restarts" test -n "$icon"
screenshot "$out/restarted-host.png"

kill -TERM "$program"
check "the program still ends with exit code 0" exits_with 0 "$program" 10
program=

summary
