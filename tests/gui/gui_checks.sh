# Sourced by the GUI tests: small checks over xdotool, and the pass/fail count.
passed=0
failed=0

check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   - $name"
  else
    failed=$((failed + 1))
    echo "FAIL - $name"
  fi
}

# prepare_sandbox <program> <log folder>: a fresh log folder, a virtual desktop with a tray host, and a
# sandbox whose home and XDG folders the program uses, with a copy of the program in "bin" so that its
# settings file lands there too. Sets `sandbox` and `lumaro` (the copy).
prepare_sandbox() {
  rm -rf "$2"
  mkdir -p "$2"
  start_virtual_desktop "$2" || return 1
  sandbox=$(mktemp -d)
  export XDG_RUNTIME_DIR=$sandbox/run XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data HOME=$sandbox/home
  mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$sandbox/bin"
  chmod 700 "$XDG_RUNTIME_DIR"
  lumaro=$sandbox/bin/lumaro
  cp "$1" "$lumaro"
}

# stop_sandbox <pid...>: ends those processes (empty ones are skipped) and the desktop, and removes the
# sandbox.
stop_sandbox() {
  kill "$@" 2>/dev/null
  kill "$TRAYER_PID" "$OPENBOX_PID" "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$sandbox"
}

# wait_until <seconds> <command...>: true as soon as the command is.
wait_until() {
  local i limit=$(($1 * 10))
  shift
  for ((i = 0; i < limit; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Asks the running copy to show its main window, as another process may: "restore" on its socket.
request_restore() {
  python3 - "$XDG_RUNTIME_DIR/LUMARO2" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"restore\n")
s.close()
PY
}

# The restore socket listens once the start-up is complete, settings load included.
listening() { test -S "$XDG_RUNTIME_DIR/LUMARO2"; }

# holds <file> <line>: the settings or INI file has that line (they end in CR LF).
holds() { grep -qx "$2"$'\r' "$1"; }

not_visible() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Prints the id of the first visible window whose name matches, waiting up to $2 seconds.
wait_for_window() {
  local i id
  for i in $(seq 1 $(($2 * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# There is no window manager: focus the window directly, then type.
press_return() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  xdotool key Return
}

# exits_with <code> <pid> <seconds>: the process ends within the time, with that exit code.
exits_with() {
  local code=$1 pid=$2 i
  for i in $(seq 1 $(($3 * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      [[ $? -eq $code ]]
      return
    fi
    sleep 0.1
  done
  return 1
}

window_size_is() {
  local geometry
  geometry=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
  [[ "$geometry" == "$2x$3" ]] || { echo "     size is $geometry"; return 1; }
}

screenshot() { import -window root "$1" 2>/dev/null; }

summary() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
}
