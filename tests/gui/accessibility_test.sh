#!/usr/bin/env bash
# What a screen reader finds, read through the real AT-SPI registry on a private session bus: every
# control has a name, the instruments their roles and values, and a tick's new figures reach them; the
# keyboard alone goes round the controls of the "RAM" page in their order; the drawn tray menu reads
# its items.
# Usage: accessibility_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running launcher
start_session_bus
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/at-spi.log" 2>&1 &
launcher=$!
# The distribution's python, where python3-pyatspi lives.
reader() { /usr/bin/python3 "$(dirname "$0")/accessibility_check.py" "$@"; }
a11y_bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
wait_until 10 a11y_bus_up

export LUMARO_PROC_DIR=$sandbox/proc
mkdir -p "$LUMARO_PROC_DIR"
fixture=$(dirname "$0")/../fixtures/proc/laptop-4cpu
cp "$fixture/meminfo" "$fixture/stat" "$LUMARO_PROC_DIR/"
available_mb() { awk '/^MemAvailable:/ {print int($2 / 1024)}' "$LUMARO_PROC_DIR/meminfo"; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$lumaro" >"$out/lumaro.log" 2>&1 &
running=$!
wait_until 10 listening
request_restore
main=$(wait_for_window '^Lumaro\.$' 10)
check "a restore request shows the main window" test -n "$main"
[[ -n "$main" ]] || exit 1
in_registry() { reader focus >/dev/null 2>&1; }
check "the program is in the registry" wait_until 10 in_registry
check "every control has a name, the instruments their roles and values" reader tree "$(available_mb)"

# A tick with new figures: the read-out says the new free amount.
sed 's/^MemAvailable:.*/MemAvailable:    2097152 kB/' "$fixture/meminfo" >"$LUMARO_PROC_DIR/meminfo.new"
mv "$LUMARO_PROC_DIR/meminfo.new" "$LUMARO_PROC_DIR/meminfo"
check "after a tick the free memory read-out reads the new figure" reader value "Memória RAM livre (MB)" 2048

# Tab goes round the page's controls in their order, and back to where it began.
xdotool windowactivate --sync "$main" 2>/dev/null
order=()
for _ in $(seq 1 8); do
  xdotool key --window "$main" Tab
  order+=("$(reader focus)")
done
printf '%s\n' "${order[@]}" >"$out/tab-order"
expected=("Otimizar Memória|push button" "Desligar Lumaro|push button" "Memória RAM Alvo (MB)|slider"
  "Nível Crítico (MB)|slider")
reached_in_order() {
  local at=0 entry
  for entry in "${order[@]}"; do
    [[ $at -lt ${#expected[@]} && "$entry" == "${expected[$at]}" ]] && ((at++))
  done
  ((at == ${#expected[@]})) || { echo "     order: ${order[*]}"; return 1; }
}
check "Tab reaches every control of the RAM page in order" reached_in_order

# The tray menu is drawn: its items and its highlight are told all the same.
icon=$(wait_for_tray_icon 10)
click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "a right click opens the tray menu" test -n "$menu"
check "the tray menu reads its items, the highlighted one focused" reader menu
xdotool key Escape
summary
