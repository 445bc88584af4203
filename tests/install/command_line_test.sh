#!/usr/bin/env bash
# The built program's command line, without a display: --version and --help answer on standard output
# with exit code 0, an unknown option gets the usage on standard error and exit code 2, and no display
# (none set, or one that cannot be reached) ends the program with one line and exit code 1, as do
# --optimize and --show when no copy runs.
# Usage: command_line_test.sh <path to lumaro>
set -uo pipefail
program=$1
source "$(dirname "$0")/../lib/checks.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp)
err=$(mktemp)
# A runtime folder of its own: no copy runs there.
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$XDG_RUNTIME_DIR"' EXIT
# matches <file> <pattern>: the file's first line matches, or the file is empty for the pattern "-".
matches() { if [[ $2 == - ]]; then [[ ! -s $1 ]]; else head -n 1 "$1" | grep -qE "$2"; fi; }
# command_answers <exit code> <stdout pattern> <stderr pattern> <arguments...>
command_answers() {
  local code=$1 stdout_pattern=$2 stderr_pattern=$3 status
  shift 3
  "$program" "$@" >"$out" 2>"$err"
  status=$?
  [[ $status -eq $code ]] || { echo "     exit code $status"; return 1; }
  matches "$out" "$stdout_pattern" || { echo "     stdout:"; head -3 "$out"; return 1; }
  matches "$err" "$stderr_pattern" || { echo "     stderr:"; head -3 "$err"; return 1; }
}
check "--version prints the name and version" command_answers 0 '^Lumaro [0-9]+\.[0-9]+' - --version
check "--version prints one line" test "$(wc -l <"$out")" -eq 1
check "--help prints the usage" command_answers 0 '^Usage: lumaro' - --help
check "--help names the settings file" grep -q 'Lumaro.ini' "$out"
check "an unknown option gives the usage on standard error" command_answers 2 - '^Usage: lumaro' --frobnicate
check "a stray argument is unknown too" command_answers 2 - '^Usage: lumaro' notes.txt
check "an unknown single-dash option gives the usage before any display is looked for" \
  command_answers 2 - '^Usage: lumaro' -x
check "without a display the program ends with one clear line and exit code 1" \
  command_answers 1 - '^lumaro: no display could be opened' -platform xcb
check "that line is the only one" test "$(wc -l <"$err")" -eq 1
# An X display number no server answers.
unreachable_display() { DISPLAY=:77 command_answers 1 - '^lumaro: no display could be opened \(DISPLAY=:77\)'; }
check "a display that cannot be reached ends the same way" unreachable_display
for request in --optimize --show; do
  check "$request without a running copy says so in one line, with exit code 1" \
    command_answers 1 - '^lumaro: no running copy of Lumaro' "$request"
  check "and nothing else" test "$(wc -l <"$err")" -eq 1
done
summary
