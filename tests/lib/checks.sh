# Sourced by the test scripts: named checks, counted, and the summary that is the script's result.
passed=${passed:-0}
failed=${failed:-0}

# check <name> <command...>: runs the command and reports it under the name as passed or failed.
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

# summary: prints the counts; true when no check failed (the script's last command).
summary() {
  echo "$passed passed, $failed failed"
  [[ $failed -eq 0 ]]
}
