#!/usr/bin/env bash
# The benchmarks' processor time: nanoseconds from every thread's schedstat, over a made-up /proc.
source "$(dirname "$0")/../../bench/cpu_time.sh"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/42/task/42" "$root/42/task/43" "$root/42/task/57"
echo "1500000000 2000 31" >"$root/42/task/42/schedstat"
echo "250 0 1" >"$root/42/task/43/schedstat"
: >"$root/42/task/57/schedstat"  # a thread that ended while it was read
got=$(cpu_ns 42 "$root")
[[ "$got" == 1500000250 ]] || { echo "FAIL - summed threads: $got"; exit 1; }
own=$(cpu_ns $$)
[[ "$own" =~ ^[0-9]+$ && "$own" -gt 0 ]] || { echo "FAIL - this shell's own time: $own"; exit 1; }
echo "ok   - nanoseconds summed over every thread"
