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
