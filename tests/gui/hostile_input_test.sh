#!/usr/bin/env bash
# The real program against what other users and broken sources can put in its way: another user's
# lock and folder in the shared temporary folder, /proc files that are garbled, empty, missing or out
# of range, a memory of petabytes, and a meminfo that never ends.
# Usage: hostile_input_test.sh <path to lumaro> <proc fixtures> <folder for screenshots and logs>
set -uo pipefail
fixtures=$2
out=$3
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" squatter running second
set -m

ini=$sandbox/bin/Lumaro.ini
log=$out/lumaro.log

# --- Another user in the shared temporary folder ---------------------------------------------------
if [[ $(id -u) -ne 0 ]]; then
  echo "skip - the lock against another user needs root to act as nobody"
else
  shared=$sandbox/tmp
  chmod o+x "$sandbox"
  mkdir -p "$shared" && chmod 1777 "$shared"
  # nobody takes every name we could look for there, and holds a lock on each.
  runuser -u nobody -- bash -c '
    umask 0; mkdir "$1/lumaro-0" "$1/run"
    exec 3>"$1/LUMARO2.lock" 4>"$1/lumaro-0/LUMARO2.lock" 5>"$1/run/LUMARO2.lock"
    flock 3 && flock 4 && flock 5 && touch "$1/held" && exec sleep 600' _ "$shared" 2>/dev/null &
  squatter=$!
  check "nobody holds a lock on every name in the shared folder" wait_until 10 test -e "$shared/held"
  for runtime in "" "$shared/run"; do
    rm -f "$ini"
    XDG_RUNTIME_DIR=$runtime TMPDIR=$shared "$lumaro" >"$out/squatted.log" 2>&1 &
    running=$!
    check "another user's locks (XDG_RUNTIME_DIR='$runtime') do not stop our copy" started_up "$ini"
    check "no message about a running copy" not_visible '^Lumaro$'
    XDG_RUNTIME_DIR=$runtime TMPDIR=$shared "$lumaro" >"$out/second.log" 2>&1 &
    second=$!
    # The box's text reaches the log before the box shows; a loaded machine may take a while for both.
    check "yet a second copy of ours still finds the first" \
      wait_until 30 grep -q "Já existe uma cópia" "$out/second.log"
    message=$(wait_for_window '^Lumaro$' 30)
    [[ -n "$message" ]] && press_key "$message" Return
    check "the second copy ends with exit code 0" exits_with 0 "$second" 10
    second=
    check "the first ends on SIGTERM" ends_at_once
  done
  check "our folder is the user's own, mode 0700" test "$(stat -c '%U %a' "$XDG_CONFIG_HOME/lumaro/runtime")" = "root 700"
  kill "$squatter"
  squatter=
fi

# --- No warning about the runtime folder on a normal start -----------------------------------------
rm -f "$ini"
env -u XDG_RUNTIME_DIR TMPDIR="$sandbox" "$lumaro" >"$out/plain.log" 2>&1 &
running=$!
check "a start without XDG_RUNTIME_DIR" started_up "$ini"
check "prints no warning about it" bash -c "! grep -q XDG_RUNTIME_DIR '$out/plain.log'"
check "and makes its own folder, mode 0700" test "$(stat -c %a "$sandbox/lumaro-$(id -u)")" = 700
check "which ends on SIGTERM" ends_at_once

# --- Broken /proc files -----------------------------------------------------------------------------
for proc in garbled empty truncated zero-total available-above-total huge-numbers missing; do
  folder=$sandbox/proc-$proc
  if [[ $proc == missing ]]; then mkdir -p "$folder"; else cp -r "$fixtures/$proc" "$folder"; fi
  rm -f "$ini"
  LUMARO_PROC_DIR=$folder "$lumaro" >"$out/proc-$proc.log" 2>&1 &
  running=$!
  if [[ $proc == huge-numbers ]]; then
    # Figures beyond every limit count as the largest the program holds: nothing to report.
    started_up "$ini"
    check "/proc $proc: the ticks read the figures" read_again "$folder/meminfo" 10
    check "/proc $proc: and report nothing" bash -c "! grep -q '^Lumaro: ' '$out/proc-$proc.log'"
  else
    # The first tick reports the broken files, then holds the program in the error pause.
    check "/proc $proc: the first tick reports the files" wait_until 20 grep -q '^Lumaro: ' "$out/proc-$proc.log"
  fi
  check "/proc $proc: the program keeps running" kill -0 "$running"
  check "/proc $proc: SIGTERM ends it with exit code 0 at once" ends_at_once
  check "/proc $proc: the settings were saved" holds "$ini" 'FormVersion=0'
done

# One report, then the program answers again. The first tick reports the garbled files: a line in the
# session log, then the one error pause. A restore request made during that pause is answered after it,
# later ones at once. Waiting for the line puts the first request inside the pause, whenever the tick
# comes: a request that came before the first tick would meet the pause at the second one instead.
rm -f "$ini"
report='Lumaro: Unable to locate the "Processor" performance object'
LUMARO_PROC_DIR=$fixtures/garbled "$lumaro" >"$out/garbled.log" 2>&1 &
running=$!
check "garbled files: the first tick reports them in the session log" \
  wait_until 20 grep -qF "$report" "$out/garbled.log"
request_restore
main=$(wait_for_window '^Lumaro\.$' 20)
check "a restore request during the error pause is answered after it" test -n "$main"
[[ -n "$main" ]] && xdotool mousemove --window "$main" 392 10 click 1
check "the window hides to the tray" wait_until 5 not_visible '^Lumaro\.$'
request_restore
check "later requests are answered at once" wait_for_window '^Lumaro\.$' 5
check "and the error is reported once only" test "$(grep -cF "$report" "$out/garbled.log")" -eq 1
check "and ends on SIGTERM" ends_at_once

# --- Garbled at start-up, good later ---------------------------------------------------------------
# The first good tick derives every range from the total and applies the memory sliders' stored
# positions, which the next save stores again as they were: the cache's 99999999 shows as 64239 MB.
recovering=$sandbox/proc-recovering
mkdir -p "$recovering"
cp "$fixtures/workstation-64g-8cpu/stat" "$recovering/stat"
cp "$fixtures/garbled/meminfo" "$recovering/meminfo"
printf '%s\r\n' '[TfrmPrincipal]' chkboxAutoRecover_Checked=False chkboxCache_Checked=True \
  TrkBarLiberar_Position=1000 trkbarAutoLiberar_Position=50 TrkBarMaxCache_Position=99999999 \
  TrkBarMinCache_Position=2048 >"$ini"
report='Lumaro: Garbled memory figures'
LUMARO_PROC_DIR=$recovering "$lumaro" >"$out/recovering.log" 2>&1 &
running=$!
check "garbled at start-up: the first tick reports it" wait_until 20 grep -qF "$report" "$out/recovering.log"
icon=$(wait_for_tray_icon 10)
check "the tray icon is there" test -n "$icon"
before=$(picture_of "$icon")
cp "$fixtures/workstation-64g-8cpu/meminfo" "$recovering/meminfo.new"
mv "$recovering/meminfo.new" "$recovering/meminfo"
# The error pause ends 15 s after the report; the next tick finds the good files.
check "good files again: the tray shows the free memory" wait_until 30 shows_other_than "$icon" "$before"
request_restore
main=$(wait_for_window '^Lumaro\.$' 10)
check "the window comes up" test -n "$main"
screenshot "$out/recovered.png"
check "nothing is reported again" test "$(grep -c '^Lumaro: ' "$out/recovering.log")" -eq 1
check "SIGTERM ends it" ends_at_once
check "the stored positions were applied and saved again" \
  holds "$ini" 'TrkBarLiberar_Position=1000'
check "beyond the ranges of the new total too" holds "$ini" 'TrkBarMaxCache_Position=99999999'
check "all four of them" holds "$ini" 'TrkBarMinCache_Position=2048'

# --- Petabytes of memory ----------------------------------------------------------------------------
petabytes=$sandbox/proc-petabytes
cp -r "$fixtures/petabytes-4p" "$petabytes"
rm -f "$ini"
printf '[TfrmPrincipal]\r\nchkboxVisualBar_Checked=True\r\n' >"$ini"
LUMARO_PROC_DIR=$petabytes "$lumaro" >>"$log" 2>&1 &
running=$!
started_up "$ini"
check "4 PiB of memory: the ticks read the figures" read_again "$petabytes/meminfo" 10
check "4 PiB of memory: SIGTERM ends the program with exit code 0" ends_at_once
check "the start-up ran to its end: every setting was saved" holds "$ini" 'RxSpinAntiCrash_Value=15'
check "with the stored one applied" holds "$ini" 'chkboxVisualBar_Checked=True'

# --- A meminfo that never ends ----------------------------------------------------------------------
endless=$sandbox/proc-endless
mkdir -p "$endless"
ln -s /dev/zero "$endless/meminfo"
cp "$fixtures/build-host-2cpu/stat" "$endless/stat"
rm -f "$ini"
# Capped, so that an unbounded read fails fast instead of eating the machine.
(ulimit -v 3000000 && LUMARO_PROC_DIR=$endless exec "$lumaro") >>"$log" 2>&1 &
running=$!
started_up "$ini"
# Its resident size, sampled for 3 s.
peak=0
for i in $(seq 1 30); do
  rss=$(rss_kb "$running")
  [[ -z "$rss" ]] && break
  ((rss > peak)) && peak=$rss
  sleep 0.1
done
echo "     peak resident size ${peak} kB"
check "a meminfo that never ends: the program keeps running" kill -0 "$running"
bounded() { ((peak > 0 && peak < 200000)); }
check "with its memory bounded" bounded
[[ -n "$running" ]] && kill -0 "$running" 2>/dev/null && ends_at_once
running=

summary
