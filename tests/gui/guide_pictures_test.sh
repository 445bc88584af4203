#!/usr/bin/env bash
# The user guide's pictures, taken from the real program on a machine whose figures do not change: each
# page of the main window, the tray icon (enlarged) and the tray menu. They land in "lumaro-help" beside
# the guide in the build tree, where the program's help and the install take them, so they always show
# the program as it is built. Every picture the guide names must be among them, and the picture of the
# main window kept for the README must still look like the fresh one.
# Usage: guide_pictures_test.sh <path to lumaro> <folder with meminfo and stat> <guide in the build tree>
#        <README picture> <folder for logs>
set -uo pipefail
machine=$2
guide=$3
readme_picture=$4
out=$5
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running
pictures=$(dirname "$guide")/lumaro-help
taken=$out/pictures
mkdir -p "$taken" "$pictures"

export LUMARO_PROC_DIR=$sandbox/proc
mkdir -p "$LUMARO_PROC_DIR"
cp "$machine/meminfo" "$machine/stat" "$LUMARO_PROC_DIR/"

click_at() {
  local x y
  read -r x y < <(origin "$1")
  click_point $((x + $2)) $((y + $3)) 1
}
shoot() { import -window "$1" "$taken/$2" 2>/dev/null && test -s "$taken/$2"; }

# Each mebibyte a run claims waits 2 ms, so that the progress window stays up to be pictured.
start_shown "$out/lumaro.log" env LUMARO_COMMIT_PAUSE_MS=2 "$lumaro"
# Some ticks, so that the chart has lines to show.
for tick in 1 2 3 4 5 6; do read_again "$LUMARO_PROC_DIR/meminfo" 5; done
check "the RAM page is pictured" shoot "$main" ram.png

# The page buttons, left to right, at the top of the pages.
tabs=(20 82 168 241)
pages=(ram configuracao ajuste-fino cache)
for i in 1 2 3; do
  shown=$(picture_of "$main")
  click_at "$main" "${tabs[$i]}" 34
  wait_until 5 shows_other_than "$main" "$shown"
  check "the ${pages[$i]} page is pictured" shoot "$main" "${pages[$i]}.png"
done

icon=$(wait_for_tray_icon 10)
check "the tray icon shows a figure over its level" wait_until 5 shows_figure_over_level "$icon"
# Four times as large, pixel by pixel, so that the figure can be read.
enlarged_icon() { import -window "$icon" png:- 2>/dev/null | convert - -filter point -resize 400% "$taken/icone.png"; }
check "the tray icon is pictured" enlarged_icon
click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "the tray menu is pictured" shoot "$menu" menu.png
xdotool key Escape
wait_until 5 eval '! bar_menu >/dev/null'

# The progress window, with its box ticked on the "Configuração" page, during a run of the hotkey; once
# the run has claimed some memory, a click on the animated icon stops it.
shown=$(picture_of "$main")
click_at "$main" "${tabs[1]}" 34
wait_until 5 shows_other_than "$main" "$shown"
shown=$(picture_of "$main")
click_at "$main" 20 234
check "the progress window's box is ticked" wait_until 5 shows_other_than "$main" "$shown"
before=$(peak_mb "$running")
xdotool key ctrl+alt+m
progress=$(wait_until 10 sized_window 612x192)
check "a run shows the progress window" test -n "$progress"
claimed_some() { (($(peak_mb "$running") > before + 600)); }
wait_until 10 claimed_some
[[ -n "$progress" ]] && check "the progress window is pictured" shoot "$progress" progresso.png
animated=$(wait_for_tray_icon 5 "$icon")
[[ -n "$animated" ]] && click_middle "$animated" 1
check "a click on the animated icon ends the run" wait_until 20 eval '! sized_window 612x192 >/dev/null'

# Each picture replaces the old one in one step.
for picture in "$taken"/*.png; do mv -f "$picture" "$pictures/"; done
named=$(grep -o 'src="lumaro-help/[^"]*"' "$guide" | sed 's/^src="lumaro-help\///; s/"$//' | sort -u)
check "the guide names pictures" test -n "$named"
for picture in $named; do
  check "the guide's $picture is taken" test -s "$pictures/$picture"
done

# The README's picture is a committed copy of ram.png. The figures are fixed, but the chart may have one
# tick more or less, so its area is left out of the comparison; everything else must match but for a few
# pixels of text smoothing. When the window's look changes on purpose, copy the new
# build/lumaro-help/ram.png over it.
without_chart() { convert "$1" -fill black -draw "rectangle 66,112 292,294" "$2"; }
without_chart "$readme_picture" "$out/readme-picture.png"
without_chart "$pictures/ram.png" "$out/fresh-picture.png"
differing=$(compare -metric AE -fuzz 5% "$out/readme-picture.png" "$out/fresh-picture.png" null: 2>&1)
check "the README's picture is the main window as it is now ($differing pixels differ)" \
  test "${differing%%.*}" -le 100 2>/dev/null

kill -TERM "$running"
check "the end of the session ends the program" exits_with 0 "$running" 10
running=
summary
