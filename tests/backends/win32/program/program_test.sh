#!/usr/bin/env bash
# The Windows program under Wine on a virtual X display with a tray host (run by on_wine_desktop.sh):
# resident start with its icon in the tray, the second copy's message and the running copy's window
# coming up after it, the tray menu, a double click on the icon, the chart's menu, the commands
# --optimize and --show, the end of the Windows session, and what it wrote into Wine's registry.
# Usage: program_test.sh <path to lumaro.exe> <folder for screenshots and logs>
set -uo pipefail
built=$1
out=$2
test_lib=$(cd "$(dirname "$0")/../../../lib" && pwd)
source "$test_lib/checks.sh"
source "$test_lib/tray.sh"

run_key='Software\Microsoft\Windows\CurrentVersion\Run'
idle_key='HKLM\System\CurrentControlSet\control\CPUIdle'
app=$out/app
rm -rf "$app"
mkdir -p "$app"
cp "$built" "$app/lumaro.exe"
ini=$app/Lumaro.ini
# A stored, checked "Otimiza uso da CPU": the settings load clicks it at start-up. The target slider at
# its end: a run claims only its two extra blocks.
printf '[TfrmPrincipal]\r\nchkboxCPUidle_Checked=True\r\nTrkBarLiberar_Position=99999999\r\n' >"$ini"
wine reg delete "HKCU\\$run_key" /v Lumaro /f >/dev/null 2>&1
wine reg delete "HKLM\\$run_key" /v Lumaro /f >/dev/null 2>&1
wine reg delete "$idle_key" /v idle /f >/dev/null 2>&1

trap 'kill "${first:-}" "${second:-}" 2>/dev/null' EXIT

saved() { grep -q '^FormVersion=' "$ini"; }
in_registry() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -q "$3"; }

wine "$app/lumaro.exe" --show >"$out/show-none.log" 2>"$out/show-none.err"
check "--show with no copy running ends with exit code 1" test $? -eq 1
check "saying so on standard error" grep -q 'no running copy' "$out/show-none.err"

wine "$app/lumaro.exe" >"$out/first.log" 2>&1 &
first=$!
icon=$(wait_until 60 wine_tray_icon)
check "starts and puts its icon into the tray" test -n "$icon"
screenshot "$out/tray.png"
check "shows no window at start" not_visible '^Lumaro\.$'

# A desktop program ignores arguments it does not know.
wine "$app/lumaro.exe" --bogus >"$out/second.log" 2>&1 &
second=$!
message=$(wait_for_window '^Lumaro$' 30)
check "a second copy shows a message box" test -n "$message"
screenshot "$out/second-copy-message.png"
check "the message box names the running copy" grep -q "Já existe uma cópia do Lumaro sendo executada" "$out/second.log"
[[ -n "$message" ]] && press_key "$message" Return
check "the second copy ends with exit code 0" exits_with 0 "$second" 20
second=
check "the first copy is not disturbed" kill -0 "$first"
main=$(wait_for_window '^Lumaro\.$' 20)
check "then the running copy's window comes up" test -n "$main"
# hide_main: the title's minimize glyph puts the main window away again.
hide_main() {
  [[ -n "${main:-}" ]] && xdotool mousemove --sync --window "$main" 393 11 click 1
  wait_until 10 not_visible '^Lumaro\.$'
}
check "its minimize glyph hides it" hide_main

# A shown window of the program other than the given one: our popup menus have no name.
other_window() { xdotool search --onlyvisible --class '^lumaro\.exe$' 2>/dev/null | grep -vx "${1:-}" | head -n 1 | grep .; }
# open_menu <window or ""> <name> <click...>: the clicks open a menu of the program (a window other
# than the given one), saved as <name>.png; `menu` holds its id.
open_menu() {
  local shown=$1 name=$2
  shift 2
  menu=
  "$@"
  wait_until 10 other_window "$shown" >/dev/null || return 1
  menu=$(other_window "$shown")
  wait_until 10 drawn "$menu"
  screenshot "$out/$name.png"
}
closes_with_escape() {
  [[ -n "$1" ]] || return 1
  press_key "$1" Escape
  wait_until 10 window_hidden "$1"
}
# Mapped comes before painted: a picture waits for more colours than a blank window has.
drawn() { (($(import -window "$1" -format %k info: 2>/dev/null || echo 0) > 16)); }

# The pointer goes over the icon; the clicks are the X server's own, where the pointer is.
if [[ -n "$icon" ]]; then
  xdotool mousemove --sync --window "$((icon))" 8 8
  check "a right click on the icon opens the tray menu" open_menu "" tray-menu xdotool click 3
  check "Escape closes the tray menu" closes_with_escape "$menu"
  # Soon after the first, Wine may report this press as the second half of a double click.
  check "a second right click opens it again" open_menu "" tray-menu-again xdotool click 3
  check "Escape closes it again" closes_with_escape "$menu"
  # Wine reports a double click in the classic order: down, up, double click, up.
  xdotool click --repeat 2 --delay 80 1
fi
main=$(wait_for_window '^Lumaro\.$' 20)
check "a double click on the icon shows the main window" test -n "$main"
if [[ -n "$main" ]]; then
  check "the main window is drawn" wait_until 10 drawn "$main"
  screenshot "$out/main-window.png"
  # The chart of free memory on the "RAM" page, 180 and 200 pixels into the window.
  eval "$(xdotool getwindowgeometry --shell "$main")"
  check "a right click on the chart opens its menu of series" open_menu "$main" chart-menu \
    xdotool mousemove --sync $((X + 180)) $((Y + 200)) click 3
  check "Escape closes the chart's menu" closes_with_escape "$menu"

  # The run's meter at the foot of the "RAM" page changes only with a run.
  meter() { import -window root -crop "353x20+$((X + 20))+$((Y + 360))" rgb:- 2>/dev/null | md5sum; }
  before=$(meter)
  wine "$app/lumaro.exe" --optimize >"$out/optimize.log" 2>&1
  check "--optimize ends with exit code 0" test $? -eq 0
  meter_moved() { [[ "$(meter)" != "$before" ]]; }
  check "and the running copy runs an optimization: its meter moves" wait_until 20 meter_moved
  screenshot "$out/after-optimize.png"
  check "the minimize glyph hides the window" hide_main
  wine "$app/lumaro.exe" --show >"$out/show.log" 2>&1
  check "--show ends with exit code 0" test $? -eq 0
  check "and brings up the running copy's window" wait_for_window '^Lumaro\.$' 20
fi

# The user's own Run key, or the machine's.
run_value() { in_registry "HKCU\\$run_key" Lumaro "$1" || in_registry "HKLM\\$run_key" Lumaro "$1"; }
check "the Run value \"Lumaro\" names the program" run_value 'lumaro\.exe'
check "the checked CPU switch is the DWORD \"idle\" = 1" in_registry "$idle_key" idle 'REG_DWORD *0x1'

wine wineboot --end-session >"$out/end-session.log" 2>&1
check "the end of the session ends the program with exit code 0" exits_with 0 "$first" 30
first=
check "it saved Lumaro.ini beside the executable" saved

summary
