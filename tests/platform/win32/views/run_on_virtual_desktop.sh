#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual desktop of its own (Xvfb and a window manager):
# run_on_virtual_desktop.sh <program.exe> <folder for logs and screenshots>. Converts the screenshots
# the program saves as BMP files into PNG files.
set -euo pipefail
program=$1 folder=$2
source "$(dirname "$0")/../../../../scripts/lib/virtual-desktop.sh"
TRAY_HOST=none start_virtual_desktop "$folder/desktop"
trap 'kill "$OPENBOX_PID" "$XVFB_PID" 2>/dev/null || true' EXIT
cd "$folder"
status=0
wine "$program" || status=$?
for picture in *.bmp; do
  [[ -f $picture ]] && convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
exit "$status"
