# Sourced by the tests that start the real program on a virtual desktop: every helper of tests/lib they
# use, and their common opening and end.
test_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for part in checks waits desktop windows tray program processes; do
  source "$test_lib/$part.sh"
done

# gui_test_setup <program> <log folder> [variable...]: the opening of every such test. Makes a fresh log
# folder and a virtual desktop with a tray host (TRAY_HOST and SCREEN_SIZE apply), or ends the test,
# and a sandbox whose home and XDG folders the program uses, with a copy of the program in "bin" so
# that its settings file lands there too. Sets `sandbox` and `lumaro` (the copy). At the test's exit
# stop_gui_test ends the processes whose ids the named variables then hold, and the desktop; a test
# with more to undo sets its own EXIT trap, which calls stop_gui_test last.
gui_test_setup() {
  local built=$1 logs=$2
  shift 2
  gui_test_processes=("$@")
  trap stop_gui_test EXIT
  rm -rf "$logs"
  mkdir -p "$logs"
  start_virtual_desktop "$logs" || exit 1
  sandbox=$(mktemp -d)
  export XDG_RUNTIME_DIR=$sandbox/run XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data HOME=$sandbox/home
  mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$sandbox/bin"
  chmod 700 "$XDG_RUNTIME_DIR"
  lumaro=$sandbox/bin/lumaro
  cp "$built" "$lumaro"
}

stop_gui_test() {
  local name pids=()
  for name in "${gui_test_processes[@]}"; do pids+=("${!name:-}"); done
  kill "${pids[@]}" 2>/dev/null
  stop_virtual_desktop
  wait 2>/dev/null
  rm -rf "${sandbox:-}"
}
