# Sourced: start_virtual_desktop <log folder> starts Xvfb on a free display and a tray host on it, then
# exports DISPLAY and sets XVFB_PID and TRAYER_PID.

free_display() {
  local n
  for n in $(seq 90 250); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

wait_for_display() {
  local i
  for i in $(seq 1 100); do
    xdpyinfo -display "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

start_virtual_desktop() {
  local logs=$1 n
  mkdir -p "$logs"
  n=$(free_display) || { echo "No free X display number" >&2; return 1; }
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$logs/xvfb.log" 2>&1 &
  XVFB_PID=$!
  wait_for_display ":$n" || { echo "Xvfb did not start; see $logs/xvfb.log" >&2; return 1; }
  export DISPLAY=":$n"
  trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --transparent false --tint 0x404040 >"$logs/trayer.log" 2>&1 &
  TRAYER_PID=$!
  # The tray host owns the system tray selection once it is ready.
  local i
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
