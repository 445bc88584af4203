#!/usr/bin/env bash
# The real program against what can happen to it while it runs: a memory total that drops for a few
# ticks and comes back, a flood of idle connections to its restore socket under a descriptor limit of
# 1024, and close signals that come together or in a storm.
# Usage: hostile_runtime_test.sh <path to lumaro> <proc fixtures> <folder for screenshots and logs>
set -uo pipefail
fixtures=$2
out=$3
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running second holder
set -m

ini=$sandbox/bin/Lumaro.ini
log=$out/lumaro.log
# ends_with_zero: the program has ended, with exit code 0 (it is reaped here).
ends_with_zero() {
  wait "$running"
  local status=$?
  running=
  echo "     ended with exit code $status"
  ((status == 0))
}

# --- The memory total drops for a few ticks and comes back --------------------------------------------
# Half of every figure: the total halves and the figures stay plausible. The slider ranges narrow and
# widen again; the user's positions come back and are what is saved.
proc=$sandbox/proc
cp -r "$fixtures/workstation-64g-8cpu" "$proc"
cp "$proc/meminfo" "$sandbox/meminfo.full"
awk '$3 == "kB" { $2 = int($2 / 2) } { print }' "$sandbox/meminfo.full" >"$sandbox/meminfo.half"
# Replaces the meminfo in one step and waits for two ticks to read the new one.
meminfo_becomes() {
  cp "$sandbox/meminfo.$1" "$proc/meminfo.new"
  mv "$proc/meminfo.new" "$proc/meminfo"
  read_again "$proc/meminfo" 10 && read_again "$proc/meminfo" 10
}
choices=(chkboxAutoRecover_Checked=False chkboxCache_Checked=True TrkBarLiberar_Position=1000
  trkbarAutoLiberar_Position=16000 TrkBarMaxCache_Position=60000 TrkBarMinCache_Position=40000)
printf '%s\r\n' '[TfrmPrincipal]' "${choices[@]}" >"$ini"
LUMARO_PROC_DIR=$proc "$lumaro" >"$log" 2>&1 &
running=$!
check "a start on 64 GB" started_up "$ini"
check "the ticks read the figures" read_again "$proc/meminfo" 10
check "half the memory: the ticks take it up" meminfo_becomes half
request_restore
main=$(wait_for_window '^Lumaro\.$' 10)
check "the window shows the narrower ranges" test -n "$main"
screenshot "$out/total-halved.png"
[[ -n "$main" ]] && xdotool mousemove --window "$main" 392 10 click 1
check "the window hides again" wait_until 5 not_visible '^Lumaro\.$'
check "all of it again: the ticks take it up" meminfo_becomes full
check "nothing was reported" bash -c "! grep -q '^Lumaro: ' '$log'"
kill -TERM "$running"
check "SIGTERM ends the program with exit code 0" ends_with_zero
for choice in "${choices[@]}"; do
  check "the user's $choice is saved as it was" holds "$ini" "$choice"
done

# --- 1100 idle connections under a limit of 1024 descriptors ----------------------------------------
rm -f "$ini"
(ulimit -n 1024 && exec "$lumaro") >>"$log" 2>&1 &
running=$!
check "a start with at most 1024 descriptors" wait_until_running "$running" 20
# Connects 1100 times and holds every connection, in processes of 400 each so that no descriptor limit
# of the holder's gets in the way; each connection that fails is counted. Reports "<held> <failed>".
# A connection waits up to 5 s for room in the socket's queue, as a determined client would.
python3 - "$XDG_RUNTIME_DIR/LUMARO2" "$sandbox/held" <<'PY' &
import os, signal, socket, struct, sys
path, report = sys.argv[1], sys.argv[2]
children = []
for chunk in range(3):
    reader, writer = os.pipe()
    pid = os.fork()
    if pid == 0:
        os.close(reader)
        held, failed = [], 0
        for _ in range(min(400, 1100 - chunk * 400)):
            s = socket.socket(socket.AF_UNIX)
            s.setsockopt(socket.SOL_SOCKET, socket.SO_SNDTIMEO, struct.pack("ll", 5, 0))
            try:
                s.connect(path)
                held.append(s)
            except OSError:
                s.close()
                failed += 1
        os.write(writer, f"{len(held)} {failed}\n".encode())
        signal.pause()
        os._exit(0)
    os.close(writer)
    children.append((pid, reader))
counts = [os.read(reader, 64).split() for _, reader in children]
with open(report + ".new", "w") as out:
    out.write(f"{sum(int(c[0]) for c in counts)} {sum(int(c[1]) for c in counts)}\n")
os.rename(report + ".new", report)
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
try:
    signal.pause()
finally:
    for pid, _ in children:
        os.kill(pid, signal.SIGTERM)
PY
holder=$!
check "1100 connections were made and are held" wait_until 60 test -s "$sandbox/held"
echo "     held and failed: $(cat "$sandbox/held" 2>/dev/null)"
check "the program keeps running" kill -0 "$running"
descriptors=$(descriptor_count "$running")
echo "     the program holds $descriptors descriptors"
check "holding few of the connections" test "$descriptors" -lt 200
check "its socket is still there" listening
check "and answers" answers
request_restore
main=$(wait_for_window '^Lumaro\.$' 10)
check "a restore request shows the main window" test -n "$main"
"$lumaro" >"$out/second.log" 2>&1 &
second=$!
check "a second start finds the running copy" wait_until 30 grep -qs "Já existe uma cópia" "$out/second.log"
message=$(wait_for_window '^Lumaro$' 30)
[[ -n "$message" ]] && press_key "$message" Return
check "the second copy ends with exit code 0" exits_with 0 "$second" 10
second=
kill "$holder"
wait "$holder" 2>/dev/null
holder=
check "once they are gone the program still answers" answers
kill -TERM "$running"
check "SIGTERM ends the program with exit code 0" ends_with_zero
check "and the settings were saved" holds "$ini" 'FormVersion=0'

# --- Close signals together and in a storm ----------------------------------------------------------
# A closing terminal sends SIGHUP and SIGTERM at once; any number of requests end the program with
# exit code 0 after one save.
start_and_wait() {
  rm -f "$ini"
  "$lumaro" >>"$log" 2>&1 &
  running=$!
  wait_until_running "$running" 20
}
check "a start for SIGHUP and SIGTERM together" start_and_wait
kill -HUP "$running"
kill -TERM "$running"
check "SIGHUP and SIGTERM together end the program with exit code 0" ends_with_zero
check "the settings were saved" holds "$ini" 'FormVersion=0'

# storm_on <signal...>: starts the program under a parent that, once sent SIGUSR1, sends it those
# signals over and over until it has ended, and then ends with its exit code. Only its parent reaps it,
# so that its id cannot be anyone else's while the storm lasts.
storm_on() {
  rm -f "$ini"
  python3 - "$lumaro" "$@" >>"$log" 2>&1 <<'PY' &
import os, signal, sys
program, names = sys.argv[1], sys.argv[2:]
wanted = {signal.SIGUSR1, signal.SIGTERM}
signal.pthread_sigmask(signal.SIG_BLOCK, wanted)
pid = os.fork()
if pid == 0:
    signal.pthread_sigmask(signal.SIG_UNBLOCK, wanted)
    os.execv(program, [program])
# A SIGTERM instead (the test ends early) ends the program with it.
if signal.sigwait(wanted) == signal.SIGTERM:
    os.kill(pid, signal.SIGTERM)
    os.waitpid(pid, 0)
    sys.exit(1)
storm = [getattr(signal, "SIG" + name) for name in names]
while True:
    ended, status = os.waitpid(pid, os.WNOHANG)
    if ended:
        break
    for number in storm:
        os.kill(pid, number)
code = os.waitstatus_to_exitcode(status)
sys.exit(code if code >= 0 else 128 - code)
PY
  running=$!
  wait_until_running "$running" 20
}
for storm in "HUP TERM" "TERM INT HUP"; do
  check "a start for a storm of SIG${storm// /, SIG}" storm_on $storm
  kill -USR1 "$running"
  check "a storm of SIG${storm// /, SIG} ends the program with exit code 0" ends_with_zero
  check "the settings were saved" holds "$ini" 'FormVersion=0'
done

summary
