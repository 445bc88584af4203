#!/usr/bin/env bash
# Runs a test program on a private X server with a tray host, then stops both.
# Usage: run_on_virtual_desktop.sh <folder for logs> <program> [arguments...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib/desktop.sh"
out=$1
shift
trap stop_virtual_desktop EXIT
start_virtual_desktop "$out" || exit 1
QT_QPA_PLATFORM=xcb "$@"
