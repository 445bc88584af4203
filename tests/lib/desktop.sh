# Sourced: a virtual desktop of its own for a test, a benchmark or scripts/run. start_virtual_desktop
# <log folder> starts Xvfb on a free display, a window manager (openbox) and a tray host on it, then
# exports DISPLAY and sets XVFB_PID, OPENBOX_PID and TRAYER_PID (no tray host with TRAY_HOST=none);
# stop_virtual_desktop ends them. SCREEN_SIZE sets the screen's size (1024x768 by default), TRAY_WIDTH
# a fixed width in pixels for the tray host's panel (by default it grows with every icon). Each wait
# here is bounded and leaves a failure to the steps that follow; in a script with `set -e`, no command
# inside these functions ends it.
source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"

start_virtual_desktop() {
  local logs=$1 n display=""
  mkdir -p "$logs"
  # A number whose lock file and socket are both gone: a server that is still shutting down keeps its
  # socket after its lock, and a new server on that number would hand its clients to the dying one. Two
  # desktops that start at once may pick the same number; the one whose server fails takes the next.
  # Xvfb writes the number to -displayfd once it accepts connections.
  for n in $(seq 0 250); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    : >"$logs/display"
    # -noreset: by default the server resets when its last client leaves, which breaks a client that is
    # connecting at that moment (the window manager while a probe disconnects).
    Xvfb ":$n" -displayfd 1 -noreset -screen 0 "${SCREEN_SIZE:-1024x768}x24" -nolisten tcp \
      >"$logs/display" 2>"$logs/xvfb.log" &
    XVFB_PID=$!
    wait_until 10 display_settled "$logs/display" || true
    if [[ -s "$logs/display" ]] && ! ended "$XVFB_PID"; then
      display=":$n"
      break
    fi
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  done
  [[ -n "$display" ]] || { echo "Xvfb did not start; see $logs/xvfb.log" >&2; return 1; }
  export DISPLAY=$display
  # Clients that connect before the server serves them fail (seen on a busy machine): wait for one that
  # gets an answer.
  wait_until 10 display_answers || true
  # A real desktop has a window manager: frames, moves and focus behave as users see them.
  openbox --sm-disable >"$logs/openbox.log" 2>&1 &
  OPENBOX_PID=$!
  wait_until 10 window_manager_settled || true
  if ended "$OPENBOX_PID"; then
    echo "openbox did not start; see $logs/openbox.log" >&2
    kill "$XVFB_PID" 2>/dev/null || true  # nobody else would stop it
    return 1
  fi
  # TRAY_HOST=none leaves the display without a tray host, for tests of a host that comes later.
  [[ ${TRAY_HOST:-trayer} == none ]] && return 0
  start_tray_host "$logs/trayer.log"
}

# display_settled <number file>: Xvfb has written its display number there, or has ended.
display_settled() { [[ -s "$1" ]] || ended "$XVFB_PID"; }
display_answers() { xdotool getdisplaygeometry >/dev/null 2>&1; }
# The window manager manages the screen once it names itself on the root window, or it has ended.
window_manager_settled() {
  [[ "$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null)" == *'window id'* ]] || ended "$OPENBOX_PID"
}

# start_tray_host <log file>: starts trayer (an XEmbed tray host) on $DISPLAY, sets TRAYER_PID, and
# returns once its panel is up.
start_tray_host() {
  local width=(--widthtype request)
  [[ -n "${TRAY_WIDTH:-}" ]] && width=(--widthtype pixel --width "$TRAY_WIDTH")
  trayer --edge bottom --align right "${width[@]}" --height 24 --SetDockType true \
    --transparent false --tint 0x404040 >"$1" 2>&1 &
  TRAYER_PID=$!
  wait_until 5 tray_host_up || true
}
tray_host_up() { xdotool search --class trayer >/dev/null 2>&1; }

# stop_tray_host: ends the tray host, as a panel that quits does.
stop_tray_host() {
  kill "${TRAYER_PID:-}" 2>/dev/null || true
  wait "${TRAYER_PID:-}" 2>/dev/null || true
  TRAYER_PID=
}

# start_session_bus: a D-Bus session bus of the desktop's own, in DBUS_SESSION_BUS_ADDRESS. Without
# one the first D-Bus call would start dbus-launch, which outlives the desktop.
start_session_bus() {
  { read -r DBUS_SESSION_BUS_ADDRESS; read -r SESSION_BUS_PID; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS
}

# stop_virtual_desktop: ends the session bus (waiting up to 2 s for it to go), the tray host, the window
# manager and the X server, whichever were started.
stop_virtual_desktop() {
  if [[ -n "${SESSION_BUS_PID:-}" ]] && kill "$SESSION_BUS_PID" 2>/dev/null; then
    wait_until 2 ended "$SESSION_BUS_PID" || true
  fi
  SESSION_BUS_PID=
  kill ${TRAYER_PID:-} ${OPENBOX_PID:-} ${XVFB_PID:-} 2>/dev/null || true
  wait ${TRAYER_PID:-} ${OPENBOX_PID:-} ${XVFB_PID:-} 2>/dev/null || true
  TRAYER_PID='' OPENBOX_PID='' XVFB_PID=''
}
