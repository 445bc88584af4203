#!/usr/bin/env bash
# The hotkey on a Wayland session through the desktop portal's GlobalShortcuts interface, against a
# stand-in of that interface on a private session bus (no real portal backend runs without a
# compositor): the program binds its combination as the preferred trigger, an Activated signal starts
# an optimization, a new combination binds anew, the session is closed when the program ends, and
# without the portal the X key grab serves.
# Usage: portal_shortcut_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
if [[ -z "${LUMARO_PRIVATE_BUS:-}" ]]; then
  exec env LUMARO_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" program portal

calls=$out/portal-calls.log
: >"$calls"
# Debian's interpreter, which has the D-Bus and GLib bindings of scripts/packages.txt.
/usr/bin/python3 "$(dirname "$0")/portal_double.py" "$calls" >"$out/portal.log" 2>&1 &
portal=$!
portal_owned() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner \
    org.freedesktop.portal.Desktop 2>/dev/null | grep -q true
}
check "the portal stand-in owns its name" wait_until 10 portal_owned
# A Wayland session with XWayland: the X display is Xvfb, the Wayland one is only named.
export WAYLAND_DISPLAY=wayland-test
unset QT_QPA_PLATFORM

grew() { (($(peak_mb "$program") >= $1 + 100)); }
# The target at its largest, so that a run claims several hundred megabytes.
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"

"$lumaro" >"$out/lumaro.log" 2>&1 &
program=$!
check "the default combination is bound as the preferred trigger" \
  wait_until 10 grep -qx "BindShortcuts optimize CTRL+ALT+m" "$calls"
check "one session is made for it" test "$(grep -c '^CreateSession$' "$calls")" -eq 1
before=$(peak_mb "$program")
kill -USR1 "$portal"
check "an Activated signal starts an optimization" wait_until 15 grew "$before"
kill -TERM "$program"
check "the program ends with exit code 0" exits_with 0 "$program" 10
program=
check "its portal session is closed" wait_until 5 grep -q "^Close " "$calls"

# Another combination, chosen in an earlier session.
: >"$calls"
printf '[TfrmPrincipal]\r\ncbHotKey_Text=Shift+Alt+semicolon\r\n' >"$sandbox/bin/Lumaro.ini"
"$lumaro" >"$out/lumaro-again.log" 2>&1 &
program=$!
check "a chosen combination is bound with its key's symbol name" \
  wait_until 10 grep -qx "BindShortcuts optimize ALT+SHIFT+semicolon" "$calls"
kill -TERM "$program"
exits_with 0 "$program" 10
program=

# Without the portal the X key grab takes over, silently.
kill "$portal"
wait "$portal" 2>/dev/null
portal=
printf '[TfrmPrincipal]\r\nTrkBarLiberar_Position=0\r\n' >"$sandbox/bin/Lumaro.ini"
"$lumaro" >"$out/lumaro-no-portal.log" 2>&1 &
program=$!
wait_until 10 listening
before=$(peak_mb "$program")
xdotool key ctrl+alt+m
check "without a portal Ctrl+Alt+M reaches the X key grab" wait_until 15 grew "$before"
kill -TERM "$program"
check "and the program ends with exit code 0" exits_with 0 "$program" 10
program=

summary
