#!/usr/bin/env bash
# What a screen reader finds, read through the real AT-SPI registry on a private session bus: every
# control has a name, the instruments their roles and values, and a tick's new figures reach them; the
# keyboard alone goes round the controls of each page in their order; the drawn tray menu reads its
# items.
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

start_shown "$out/lumaro.log" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$lumaro"
in_registry() { reader focus >/dev/null 2>&1; }
check "the program is in the registry" wait_until 10 in_registry
check "every control has a name, the instruments their roles and values" reader tree "$(available_mb)"

# A tick with new figures: the read-out says the new free amount.
sed 's/^MemAvailable:.*/MemAvailable:    2097152 kB/' "$fixture/meminfo" >"$LUMARO_PROC_DIR/meminfo.new"
mv "$LUMARO_PROC_DIR/meminfo.new" "$LUMARO_PROC_DIR/meminfo"
check "after a tick the free memory read-out reads the new figure" reader value "Memória RAM livre (MB)" 2048

# Tab goes round each page's controls in their order (the page buttons among them, where the arrow
# keys change the page), and back to where it began. Controls that are off (the cache sliders while
# their box is clear) are passed over.
focus_page() {
  local tabs
  for tabs in $(seq 1 30); do
    [[ "$(reader focus)" == "Páginas|"* ]] && break
    xdotool key --window "$main" Tab
  done
  for _ in $(seq 1 "$1"); do xdotool key --window "$main" Right; done
}
# goes_round <pages to move right from the one shown> <tabs> <expected "name|role"...>
goes_round() {
  local pages=$1 tabs=$2 at=0 entry order=()
  shift 2
  local expected=("$@")
  focus_page "$pages"
  for _ in $(seq 1 "$tabs"); do
    xdotool key --window "$main" Tab
    order+=("$(reader focus)")
  done
  printf '%s\n' "${order[@]}" >>"$out/tab-order"
  for entry in "${order[@]}"; do
    [[ $at -lt ${#expected[@]} && "$entry" == "${expected[$at]}" ]] && ((at++))
  done
  ((at == ${#expected[@]})) || { echo "     order: ${order[*]}"; return 1; }
}
xdotool windowactivate --sync "$main" 2>/dev/null
check "Tab goes round the RAM page in order" goes_round 0 6 "Otimizar Memória|push button" \
  "Desligar Lumaro|push button" "Memória RAM Alvo (MB)|slider" "Nível Crítico (MB)|slider" "Páginas|filler"
check "Tab goes round the Configuração page in order" goes_round 1 17 "Baixa|check box" \
  "Carrega Automaticamente o Lumaro|check box" "Auto-Otimiza somente se o uso da CPU estiver em até|check box" \
  "Uso máximo da CPU para auto-otimizar (%)|spin button" "Executa automaticamente a cada:|check box" \
  "Intervalo da auto-otimização (minutos)|spin button" "Branco|combo box" \
  "Utiliza tecla de atalho para otimizar a RAM|check box" "Ctrl+Alt+M|combo box" \
  "Otimiza uso da CPU   (reduz o aquecimento da CPU)|check box" "Páginas|filler"
check "Tab goes round the Ajuste Fino page in order" goes_round 1 6 \
  "Buffer de Acesso Direto a Memória (DMA)|slider" "Buffer para E/S Assíncrona|slider" \
  "Força a utilização da memória RAM nos programas|check box" "Voltar configuração padrão|push button" \
  "Ajustar para maior performance|push button" "Páginas|filler"
check "Tab goes round the Cache page in order" goes_round 1 5 \
  "Faz o Lumaro controlar o Cache do Disco Rígido|check box" \
  "Habilita o cache nas unidades de disco removíveis|check box" "Voltar configuração padrão|push button" \
  "Ajustar para maior performance|push button" "Páginas|filler"

# The tray menu is drawn: its items and its highlight are told all the same.
icon=$(wait_for_tray_icon 10)
click_middle "$icon" 3
menu=$(wait_until 5 bar_menu)
check "a right click opens the tray menu" test -n "$menu"
check "the tray menu reads its items, the highlighted one focused" reader menu
xdotool key Escape
summary
