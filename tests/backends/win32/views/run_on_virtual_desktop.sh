#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual desktop of its own (Xvfb and a window manager):
# run_on_virtual_desktop.sh <program.exe> <folder for logs and screenshots>. Converts the screenshots
# the program saves as BMP files into PNG files.
# Wine's session may have started its desktop without a display (the services started before the
# tests): the program gets a Wine desktop of its own, made on this display.
set -euo pipefail
program=$1 folder=$2
source "$(dirname "$0")/../../../lib/desktop.sh"
trap stop_virtual_desktop EXIT
TRAY_HOST=none start_virtual_desktop "$folder/desktop"
cd "$folder"
# The desktop's launcher does not pass the program's exit status on: the report says how it went, and a
# program that ended early leaves none.
rm -f results.xml
wine explorer /desktop="views-$$,1024x768" "$program" --gtest_output=xml:results.xml
status=0
grep -q '<testsuites [^>]*failures="0" [^>]*errors="0"' results.xml 2>/dev/null || status=1
for picture in *.bmp; do
  [[ -f $picture ]] && convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done
exit "$status"
