#!/usr/bin/env bash
# The real program on a real X server with a tray host, driven by xdotool: resident start without a
# window, the second copy's message, the restore request, and the end of the session.
# Usage: program_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
lumaro=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib/virtual-desktop.sh"
source "$here/gui_checks.sh"

rm -rf "$out"
mkdir -p "$out"
start_virtual_desktop "$out" || exit 1
sandbox=$(mktemp -d)
export XDG_RUNTIME_DIR=$sandbox/run XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data HOME=$sandbox/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$sandbox/bin"
chmod 700 "$XDG_RUNTIME_DIR"
# A copy, so that its settings file lands in the sandbox and not beside the build.
cp "$lumaro" "$sandbox/bin/lumaro"
lumaro=$sandbox/bin/lumaro
cleanup() {
  kill "${first:-}" "${second:-}" 2>/dev/null
  kill "$TRAYER_PID" "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$sandbox"
}
trap cleanup EXIT

"$lumaro" >"$out/first.log" 2>&1 &
first=$!
sleep 2
check "starts and stays resident" kill -0 "$first"
check "shows no window at start" not_visible '^Lumaro\.$'

"$lumaro" >"$out/second.log" 2>&1 &
second=$!
message=$(wait_for_window '^Lumaro$' 10)
check "a second copy shows a message box" test -n "$message"
screenshot "$out/second-copy-message.png"
check "the message box names the running copy" grep -q "Já existe uma cópia do Lumaro sendo executada" "$out/second.log"
[[ -n "$message" ]] && press_return "$message"
check "the second copy ends with exit code 0" exits_with 0 "$second" 10
check "the first copy is not disturbed" kill -0 "$first"

python3 - "$XDG_RUNTIME_DIR/LUMARO2" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"restore\n")
s.close()
PY
main=$(wait_for_window '^Lumaro\.$' 10)
check "a restore request shows the main window" test -n "$main"
sleep 0.5
screenshot "$out/main-window.png"
check "the main window is 405 x 405" window_size_is "$main" 405 405

kill -TERM "$first"
check "the end of the session ends the program with exit code 0" exits_with 0 "$first" 10
first=

summary
