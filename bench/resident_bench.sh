#!/usr/bin/env bash
# The resident program at its default 500 ms tick under Xvfb, window hidden, side by side with conky
# showing memory and processor every 0.5 s: CPU time and resident memory over the same minute.
# Usage: resident_bench.sh <path to lumaro> [seconds]
set -euo pipefail
lumaro=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
for part in desktop tray program processes; do source "$here/../tests/lib/$part.sh"; done
source "$here/cpu_time.sh"

work=$(mktemp -d)
trap 'kill "${lumaro_pid:-}" "${conky_pid:-}" 2>/dev/null; stop_virtual_desktop; wait 2>/dev/null; rm -rf "$work"' EXIT
start_virtual_desktop "$work/desktop" >/dev/null
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" "$work/bin"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$lumaro" "$work/bin/lumaro"

cat >"$work/conky.conf" <<'CONF'
conky.config = { update_interval = 0.5, out_to_x = true, own_window = true, own_window_type = 'normal',
                 double_buffer = true, total_run_times = 0 }
conky.text = [[RAM ${memfree} / ${memmax}  CPU ${cpu}%]]
CONF

"$work/bin/lumaro" >"$work/lumaro.log" 2>&1 &
lumaro_pid=$!
conky -q -c "$work/conky.conf" >"$work/conky.log" 2>&1 &
conky_pid=$!
# Both settle before the measure: Lumaro's start-up is over and its icon in the tray, conky's window
# is up.
wait_until_running "$lumaro_pid" 10 || true
wait_for_tray_icon 10 >/dev/null || true
conky_shown() { xdotool search --onlyvisible --class conky >/dev/null 2>&1; }
wait_until 10 conky_shown || true

lumaro_start=$(cpu_ns "$lumaro_pid")
conky_start=$(cpu_ns "$conky_pid")
sleep "$seconds"
lumaro_ns=$(($(cpu_ns "$lumaro_pid") - lumaro_start))
conky_ns=$(($(cpu_ns "$conky_pid") - conky_start))

awk -v l="$lumaro_ns" -v c="$conky_ns" -v s="$seconds" \
  -v lr="$(rss_kb "$lumaro_pid")" -v cr="$(rss_kb "$conky_pid")" 'BEGIN {
  printf "resident for %d s (window hidden)   lumaro CPU %.4f s (%.4f %%)   conky CPU %.4f s (%.4f %%)   ratio %.2f\n",
         s, l / 1e9, 100 * l / 1e9 / s, c / 1e9, 100 * c / 1e9 / s, (c > 0 ? l / c : 0)
  printf "resident memory                    lumaro %.1f MB   conky %.1f MB   ratio %.2f\n",
         lr / 1024, cr / 1024, lr / cr
}'
