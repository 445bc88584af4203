#!/usr/bin/env bash
# Runs a command under Wine's X11 driver on a private X server with a window manager and a tray host.
# Usage: on_wine_desktop.sh <Wine prefix> <folder for logs> <command> [arguments...]
# Wine's desktop process binds a prefix to the display it first started on, and it outlives the
# program for a while: a prefix of its own (made once, then reused) whose server is ended before and
# after, so that every run starts its desktop on its own display. Tests that use it share that prefix
# and must not run at the same time (CTest RESOURCE_LOCK wine_desktop).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../lib/desktop.sh"
export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
logs=$2
shift 2
mkdir -p "$WINEPREFIX" "$logs"
wineserver -k 2>/dev/null
[[ -f "$WINEPREFIX/system.reg" ]] || DISPLAY= wine wineboot --init >"$logs/wineboot.log" 2>&1 </dev/null
wineserver -k 2>/dev/null
wineserver -w
# The tray host's panel keeps one width. One that grows when an icon docks can do so while Wine is
# still taking its measure: Wine then keeps the old width (the window manager's report, which it
# ignores for other programs' windows, replaces the real one), and its own hit test sends every click
# on the icon to the tray host's window instead.
trap 'wineserver -k 2>/dev/null; stop_virtual_desktop' EXIT
TRAY_WIDTH=48 start_virtual_desktop "$logs" || exit 1
# Wine's own services started by the first program would otherwise hold the caller's output open.
wineserver -p
"$@"
