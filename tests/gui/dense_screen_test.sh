#!/usr/bin/env bash
# Twice the density (QT_SCALE_FACTOR=2): the main window keeps its layout at twice the size, and its
# "RAM" page, drawn by our canvas, is the 1× picture with every pixel doubled wherever no text of the
# toolkit is drawn. Screenshots of both land in the log folder.
# Usage: dense_screen_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
SCREEN_SIZE=1920x1080 gui_test_setup "$1" "$out" program

# Memory and processor figures that do not change, so that both pictures show the same values.
export LUMARO_PROC_DIR=$sandbox/proc
mkdir -p "$LUMARO_PROC_DIR"
cp /proc/meminfo /proc/stat "$LUMARO_PROC_DIR/"

# shoot_main_window <scale> <file>: starts the program at that scale, shows its main window on the
# "RAM" page and saves the window's picture.
shoot_main_window() {
  local window tick
  QT_SCALE_FACTOR=$1 "$lumaro" >"$out/lumaro-$1x.log" 2>&1 &
  program=$!
  wait_until 10 listening && request_restore
  window=$(wait_for_window '^Lumaro\.$' 10) || return 1
  # Three reads of the figures: every instrument has drawn them by the third.
  for tick in 1 2 3; do read_again "$LUMARO_PROC_DIR/meminfo" 5 || return 1; done
  import -window "$window" "$2" 2>/dev/null
  kill -TERM "$program"
  exits_with 0 "$program" 10
  program=
}

check "the main window at 1x" shoot_main_window 1 "$out/main-1x.png"
check "the main window at 2x" shoot_main_window 2 "$out/main-2x.png"

size_of() { identify -format '%wx%h' "$1"; }
read -r w1 h1 <<<"$(size_of "$out/main-1x.png" | tr x ' ')"
check "the layout is kept at twice the size" test "$(size_of "$out/main-2x.png")" = "$((w1 * 2))x$((h1 * 2))"

# The 1× picture with each pixel doubled, against the 2× picture: the share of equal pixels.
convert "$out/main-1x.png" -filter point -resize 200% "$out/main-1x-doubled.png"
same_share() {
  compare -metric AE "$out/main-1x-doubled.png" "$out/main-2x.png" null: 2>&1 | awk -v all=$((w1 * h1 * 4)) \
    '{printf "%d\n", 100 - 100 * $1 / all}'
}
share=$(same_share)
echo "     $share % of the pixels are the 1x picture doubled"
check "most of the window (the canvas-drawn instruments) is the 1x picture doubled, pixel for pixel" \
  test "${share:-0}" -ge 70

summary
