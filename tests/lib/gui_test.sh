# Sourced by the GUI tests: their common opening, small checks over xdotool, and the pass/fail count.
test_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$test_lib/desktop.sh"
source "$test_lib/tray.sh"
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

# gui_test_setup <program> <log folder> [variable...]: the opening of every GUI test. Prepares the
# sandbox on a virtual desktop (see prepare_sandbox; TRAY_HOST and SCREEN_SIZE apply) or ends the test,
# and at its exit ends the processes whose ids the named variables then hold, and the desktop.
gui_test_setup() {
  local built=$1 logs=$2
  shift 2
  gui_test_processes=("$@")
  TRAYER_PID=
  prepare_sandbox "$built" "$logs" || exit 1
  trap stop_gui_test EXIT
}

stop_gui_test() {
  local name pids=()
  for name in "${gui_test_processes[@]}"; do pids+=("${!name:-}"); done
  stop_sandbox "${pids[@]}"
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

# answers [runtime folder]: true once the running copy's message loop serves its socket (a line that is
# no request is read and the connection closed). From then on SIGTERM is the end of the session, and
# requests and input are served as a user's.
answers() {
  python3 - "${1:-$XDG_RUNTIME_DIR}/LUMARO2" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.settimeout(5)
try:
    s.connect(sys.argv[1])
    s.sendall(b"ping\n")
    sys.exit(0 if s.recv(1) == b"" else 1)
except OSError:
    sys.exit(1)
PY
}

# wait_until_running <pid> <seconds>: the process started and its message loop answers.
wait_until_running() {
  local pid=$1
  wait_until "$2" eval "kill -0 $pid 2>/dev/null && answers"
}

# The restore socket listens once the start-up is complete, settings load included.
listening() { test -S "$XDG_RUNTIME_DIR/LUMARO2"; }

# holds <file> <line>: the settings or INI file has that line (they end in CR LF).
holds() { grep -qx "$2"$'\r' "$1"; }

not_visible() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Prints the id of the first visible window whose name matches, waiting up to $2 seconds for it to map.
# Searched again and again rather than with --sync: a search that meets a window while it is being
# destroyed (a closing menu) ends at once with BadWindow.
wait_for_window() {
  local id i
  for ((i = 0; i < $2 * 10; i++)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# The program's icon in the tray: a visible window of the program, 16 to 24 pixels square, inside the
# tray host's window tree (an icon left over from a tray host that has gone does not count). Prints
# its id; `tray_icon <id>` skips that window.
tray_icon() {
  local host w X Y WIDTH HEIGHT SCREEN WINDOW hosted=""
  for host in $(xdotool search --class trayer 2>/dev/null); do
    hosted+=" $(xwininfo -tree -id "$host" 2>/dev/null | grep -o '0x[0-9a-f]\+' | while read -r hex; do printf ' %d ' "$hex"; done)"
  done
  for w in $(xdotool search --onlyvisible --class '^lumaro$' 2>/dev/null); do
    [[ "$w" == "${1:-}" || " $hosted " != *" $w "* ]] && continue
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    if ((WIDTH >= 16 && WIDTH <= 24 && HEIGHT >= 16 && HEIGHT <= 24)); then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# wait_for_tray_icon <seconds> [id to skip]: prints the id once the icon is embedded.
wait_for_tray_icon() {
  local seconds=$1
  shift
  wait_until "$seconds" tray_icon "$@" >/dev/null && tray_icon "$@"
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

# picture_of <window>: a checksum of what the window shows now.
picture_of() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
# shows_other_than <window> <checksum>: the window has been drawn anew since that picture.
shows_other_than() { [[ "$(picture_of "$1")" != "$2" ]]; }

# read_again <file> <seconds>: true once the program reads the file again. Its access time is set far
# back first; the file system's relatime rule then updates it at the next read.
read_again() {
  touch -a -d 2000-01-01 "$1"
  wait_until "$2" accessed_after "$1" "$(stat -c %X "$1")"
}
accessed_after() { (($(stat -c %X "$1") > $2)); }

summary() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
}
