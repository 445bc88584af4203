# Sourced: start_virtual_desktop <log folder> starts Xvfb on a free display, a window manager (openbox)
# and a tray host on it, then exports DISPLAY and sets XVFB_PID, OPENBOX_PID and TRAYER_PID (no tray host
# with TRAY_HOST=none). SCREEN_SIZE sets the screen's size (1024x768 by default), TRAY_WIDTH a fixed
# width in pixels for the tray host's panel (by default it grows with every icon).

start_virtual_desktop() {
  local logs=$1 n i display=""
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
    for i in $(seq 1 100); do
      [[ -s "$logs/display" ]] && break
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [[ -s "$logs/display" ]] && kill -0 "$XVFB_PID" 2>/dev/null; then
      display=":$n"
      break
    fi
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  done
  [[ -n "$display" ]] || { echo "Xvfb did not start; see $logs/xvfb.log" >&2; return 1; }
  export DISPLAY=$display
  # Clients that connect before the server serves them fail (seen on a busy machine): wait for one that
  # gets an answer.
  for i in $(seq 1 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
  done
  # A real desktop has a window manager: frames, moves and focus behave as users see them.
  openbox --sm-disable >"$logs/openbox.log" 2>&1 &
  OPENBOX_PID=$!
  # It manages the screen once it names itself on the root window.
  for i in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    if ! kill -0 "$OPENBOX_PID" 2>/dev/null; then
      echo "openbox did not start; see $logs/openbox.log" >&2
      kill "$XVFB_PID" 2>/dev/null  # nobody else would stop it
      return 1
    fi
    sleep 0.1
  done
  # TRAY_HOST=none leaves the display without a tray host, for tests of a host that comes later.
  [[ ${TRAY_HOST:-trayer} == none ]] && return 0
  start_tray_host "$logs/trayer.log"
}

# start_tray_host <log file>: starts trayer (an XEmbed tray host) on $DISPLAY, sets TRAYER_PID, and
# returns once it owns the system tray selection.
start_tray_host() {
  local i width=(--widthtype request)
  [[ -n "${TRAY_WIDTH:-}" ]] && width=(--widthtype pixel --width "$TRAY_WIDTH")
  trayer --edge bottom --align right "${width[@]}" --height 24 --SetDockType true \
    --transparent false --tint 0x404040 >"$1" 2>&1 &
  TRAYER_PID=$!
  for i in $(seq 1 50); do
    xdotool search --class trayer >/dev/null 2>&1 && break
    sleep 0.1
  done
}

# acknowledge_messages <pid> <folder>: while the process runs, every message box it shows (a window
# named "Lumaro") is saved as a screenshot and dismissed with Enter.
acknowledge_messages() {
  local pid=$1 folder=$2 window count=0
  while kill -0 "$pid" 2>/dev/null; do
    for window in $(xdotool search --onlyvisible --name '^Lumaro$' 2>/dev/null); do
      count=$((count + 1))
      import -window root "$folder/message-$count.png" 2>/dev/null
      xdotool windowfocus --sync "$window" 2>/dev/null
      xdotool key Return
    done
    sleep 0.5
  done
}
