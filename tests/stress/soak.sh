#!/usr/bin/env bash
# The real program resident on a virtual display with its main window shown, at the fastest rate
# (150 ms) with an optimization every minute: from the end of the first minute on, its resident memory
# grows by less than 1 MB and its open descriptors not at all.
# Usage: soak.sh [minutes, default 10]
set -uo pipefail
minutes=${1:-10}
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${LUMARO_BUILD_DIR:-$top/build}
source "$top/tests/lib/gui_test.sh"
((minutes >= 2)) || { echo "soak.sh needs at least 2 minutes"; exit 1; }

gui_test_setup "$build/lumaro" "$build/tests/stress/soak" running
# 150 ms, a run every minute, the progress window on.
printf '[TfrmPrincipal]\r\nRadioButton2_Checked=False\r\nRadioButton4_Checked=True\r\nchkboxVisualBar_Checked=True\r\nRxSpinAutoRecoverTime_Value=1\r\nchkboxAutoRecoverTime_Checked=True\r\n' \
  >"$sandbox/bin/Lumaro.ini"

start_program "$build/tests/stress/soak/lumaro.log" "$lumaro"
wait_until_running "$running" 10
request_restore

# The runs start on the minute: the figures are taken half-way between them. The times slept are
# the soak's own measure.
sleep 90
first_rss=$(rss_kb "$running") first_fds=$(descriptor_count "$running")
echo "minute  1.5: resident $first_rss kB, $first_fds descriptors (the baseline)"
for ((minute = 2; minute < minutes; minute++)); do
  sleep 60
  kill -0 "$running" 2>/dev/null || { echo "FAIL - the program ended"; exit 1; }
  echo "minute $(printf '%2d' $minute).5: resident $(rss_kb "$running") kB, $(descriptor_count "$running") descriptors, peak $(peak_mb "$running") MB"
done
rss_growth=$(($(rss_kb "$running") - first_rss))
fd_growth=$(($(descriptor_count "$running") - first_fds))
echo "after $minutes minutes: resident memory grew by $rss_growth kB, descriptors by $fd_growth"
check "runs took place (the peak shows their claims)" test "$(peak_mb "$running")" -ge 200
check "resident memory grew by less than 1 MB" test "$rss_growth" -lt 1024
check "no descriptor was added" test "$fd_growth" -le 0
sleep 30
check "it runs to the end" kill -0 "$running"
kill -TERM "$running"
check "the end of the session ends it with exit code 0" exits_with 0 "$running" 30
running=
summary
