# Sourced: the copy of the program a test runs: its start, its restore socket, its settings file and
# the end of its session. The helpers that act on "the copy" take its id from `running`.
source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"

# start_program <log> <command...>: starts the copy in the background, its output added to the log.
start_program() {
  local log=$1
  shift
  "$@" >>"$log" 2>&1 &
  running=$!
}

# start_shown <log> <command...>: starts the copy and asks it for its main window, whose id lands in
# `main`; the test ends there when no window comes.
start_shown() {
  start_program "$@"
  wait_until 10 listening
  request_restore
  main=$(wait_for_window '^Lumaro\.$' 10)
  check "a restore request shows the main window" test -n "$main"
  [[ -n "$main" ]] || exit 1
}

# request_restore: asks the running copy to show its main window, as another process may: "restore"
# on its socket.
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

# listening: the restore socket is there, made once the start-up is complete, settings load included.
listening() { test -S "$XDG_RUNTIME_DIR/LUMARO2"; }

# wait_until_running <pid> <seconds>: the process started and its message loop answers.
wait_until_running() { wait_until "$2" running_and_answering "$1"; }
running_and_answering() { ! ended "$1" && answers; }

# started_up <settings file>: within 10 s the start-up has written the settings file (ICONE, its
# first key).
started_up() { wait_until 10 grep -qs '^ICONE=' "$1"; }

# holds <file> <line>: the settings or INI file has that line (they end in CR LF).
holds() { grep -qx "$2"$'\r' "$1"; }

# end_on <signal> [seconds]: sends the signal to the copy and waits for its end, up to 30 s (or the
# given time) before it is killed. Sets `status` (its exit code) and `milliseconds` (from the signal
# to the end), prints both, and clears `running`.
end_on() {
  local began=${EPOCHREALTIME/./}
  kill "-$1" "$running"
  wait_until "${2:-30}" ended "$running" || kill -KILL "$running" 2>/dev/null
  wait "$running"
  status=$?
  milliseconds=$(((${EPOCHREALTIME/./} - began) / 1000))
  running=
  echo "     ended $milliseconds ms after SIG$1 with exit code $status"
}

# ended_promptly: after end_on, the copy ended with exit code 0 within 5 s.
ended_promptly() { ((status == 0 && milliseconds <= 5000)); }

# ends_at_once: SIGTERM, the end of the session, ends the copy with exit code 0 within 5 s.
ends_at_once() {
  end_on TERM 10
  ended_promptly
}

# end_session [runtime folder]: once the copy's message loop answers (on its socket in that folder),
# ends it as the end of the session does; true when it exits with code 0 within 10 s.
end_session() {
  wait_until 10 answers "${1:-}"
  kill -TERM "$running"
  exits_with 0 "$running" 10
  local status=$?
  running=
  return $status
}
