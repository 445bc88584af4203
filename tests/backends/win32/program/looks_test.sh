#!/usr/bin/env bash
# The Windows program's main window under Wine at 96, 120, 144 and 192 dots per inch (the prefix's
# LogPixels) and in a dark colour scheme (the prefix's Control Panel\Colors): the window scales with
# the density, and the pages take the user's colours. Screenshots land in the given folder.
# Usage: looks_test.sh <path to lumaro.exe> <folder for screenshots and logs>
set -uo pipefail
built=$1
out=$2
test_lib=$(cd "$(dirname "$0")/../../../lib" && pwd)
source "$test_lib/checks.sh"
source "$test_lib/tray.sh"

app=$out/app
rm -rf "$app"
mkdir -p "$app"
cp "$built" "$app/lumaro.exe"
desktop_key='HKCU\Control Panel\Desktop'
colours_key='HKCU\Control Panel\Colors'
# The dark scheme's colours, as the control panel stores them.
dark=(ButtonFace '32 32 32' ButtonText '250 250 250' Window '0 0 0' WindowText '250 250 250'
      Highlight '0 120 215' HighlightText '255 255 255' GrayText '150 150 150' ButtonHilight '96 96 96'
      ButtonLight '64 64 64' ButtonShadow '16 16 16')

restore_prefix() {
  wine reg add "$desktop_key" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
  local i
  for ((i = 0; i < ${#dark[@]}; i += 2)); do wine reg delete "$colours_key" /v "${dark[i]}" /f >/dev/null 2>&1; done
}
trap 'kill "${running:-}" 2>/dev/null; restore_prefix' EXIT

# pixel_at <window> <x> <y>: the colour there as "r,g,b".
pixel_at() { import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o 'srgb([0-9,]*)' | tr -d 'srgb()'; }

# A density or colour change reaches Wine's desktop process only when it starts again.
restart_wine() { wineserver -k 2>/dev/null; wineserver -w; }
# fully_drawn <window> <dpi>: the window's controls have painted themselves: a point inside the
# button "Otimizar Memória" is no longer the black of an unpainted window.
fully_drawn() {
  local colour
  colour=$(pixel_at "$1" $((330 * $2 / 96)) $((75 * $2 / 96)))
  [[ -n "$colour" && "$colour" != "0,0,0" ]]
}

# show_main <name> <dpi>: starts the program, opens its main window from the tray icon and saves <name>.png;
# `main` holds the window's id.
show_main() {
  main=
  wine "$app/lumaro.exe" >"$out/$1.log" 2>&1 &
  running=$!
  local icon
  icon=$(wait_until 60 wine_tray_icon "([1-3][0-9]|4[0-8])") || return 1
  xdotool mousemove --sync --window "$((icon))" 4 4
  xdotool click --repeat 2 --delay 80 1
  main=$(wait_for_window '^Lumaro\.$' 20) || return 1
  wait_until 30 fully_drawn "$main" "$2"
  screenshot "$out/$1.png"
}
end_program() {
  wine wineboot --end-session >/dev/null 2>&1
  exits_with 0 "$running" 30
  running=
}

for dpi in 96 120 144 192; do
  wine reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  restart_wine
  check "at $dpi dpi the main window opens from the tray" show_main "main-$dpi-dpi" "$dpi"
  if [[ -n "$main" ]]; then
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # Each edge is rounded to the nearest pixel on its own: the size is within a pixel of 405 scaled.
    low=$((405 * dpi / 96)) high=$(((405 * dpi + 95) / 96))
    echo "at $dpi dpi the window is ${WIDTH}x$HEIGHT"
    check "at $dpi dpi the window is 405 pixels scaled ($low to $high) square" \
      test "$WIDTH" -ge "$low" -a "$WIDTH" -le "$high" -a "$HEIGHT" -ge "$low" -a "$HEIGHT" -le "$high"
  fi
  check "at $dpi dpi the session's end ends it" end_program
done
wine reg add "$desktop_key" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
for ((i = 0; i < ${#dark[@]}; i += 2)); do
  wine reg add "$colours_key" /v "${dark[i]}" /t REG_SZ /d "${dark[i + 1]}" /f >/dev/null 2>&1
done
restart_wine
check "in a dark scheme the main window opens" show_main main-dark-scheme 96
if [[ -n "$main" ]]; then
  # Inside the "RAM" page, left of its figures: the page's own face colour.
  check "the page takes the scheme's button face" test "$(pixel_at "$main" 10 150)" = "32,32,32"
fi
check "in a dark scheme the session's end ends it" end_program

summary
