#!/usr/bin/env bash
# kill -9 at random moments of the settings saves until [count] saves (default 1000) have been made and
# the saver has been killed as many times: after every kill the file must be the whole result of one
# save, never a mix of two nor cut short, and the next start must leave no temporary file beside it.
# Prints its figures; exits non-zero on a failure.
# The build folder is $LUMARO_BUILD_DIR (default build), configured by scripts/lib/build.
set -euo pipefail
cd "$(dirname "$0")/../.."
count=${1:-1000}
build=${LUMARO_BUILD_DIR:-build}
[[ -f "$build/build.ninja" ]] || { echo "save_kill: no build in $build (run scripts/lib/build $build)" >&2; exit 1; }
cmake --build "$build" --target settings_kill_tests >/dev/null
status=0
output=$(LUMARO_SAVES=$count "$build/tests/settings/settings_kill_tests" --gtest_brief=1 2>&1) || status=$?
if ((status != 0)); then
  echo "$output" >&2
  echo "save_kill: FAILED" >&2
  exit "$status"
fi
grep '^save_kill:' <<<"$output"
