#!/usr/bin/env bash
# Optimizations of 1024 blocks through the real program (main and progress windows on a virtual
# display) inside a memory control group limited to 400 MiB: no process of the group is OOM-killed,
# every run ends with every block released and the progress window hidden, and no run causes more
# memory stall than the budget. Needs root and a memory controller under /sys/fs/cgroup (v1 or v2).
# Usage: cgroup_runs.sh [runs, default 100]
set -uo pipefail
runs=${1:-100}
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${LUMARO_BUILD_DIR:-$top/build}
driver=$build/tests/stress/optimize_runs
source "$top/tests/lib/desktop.sh"
limit=$((400 * 1024 * 1024))
cgroups=/sys/fs/cgroup

[[ -x "$driver" ]] || { echo "missing $driver: build first (scripts/lib/build build)"; exit 1; }

# Creates the group; sets `group` and `oom_file` (where the kernel counts the group's OOM kills).
make_group() {
  [[ $(id -u) -eq 0 ]] || return 1
  if [[ -f $cgroups/cgroup.controllers ]] && grep -qw memory "$cgroups/cgroup.controllers"; then
    grep -qw memory "$cgroups/cgroup.subtree_control" || echo +memory >"$cgroups/cgroup.subtree_control" || return 1
    group=$cgroups/lumaro-stress-$$
    mkdir "$group" 2>/dev/null && echo "$limit" >"$group/memory.max" || return 1
    [[ -f $group/memory.swap.max ]] && echo 0 >"$group/memory.swap.max"
    oom_file=$group/memory.events
  elif [[ -d $cgroups/memory ]]; then
    group=$cgroups/memory/lumaro-stress-$$
    mkdir "$group" 2>/dev/null && echo "$limit" >"$group/memory.limit_in_bytes" || return 1
    [[ -f $group/memory.memsw.limit_in_bytes ]] && echo "$limit" >"$group/memory.memsw.limit_in_bytes"
    oom_file=$group/memory.oom_control
  else
    return 1
  fi
}

group=""
if ! make_group; then
  [[ -n "$group" ]] && rmdir "$group" 2>/dev/null
  echo "SKIPPED: no writable memory control group (needs root and a cgroup v1 or v2 memory controller under $cgroups)"
  exit 0
fi
echo "memory control group $group, limit 400 MiB"

sandbox=$(mktemp -d)
trap 'stop_virtual_desktop; rmdir "$group" 2>/dev/null; rm -rf "$sandbox"' EXIT
start_virtual_desktop "$sandbox/desktop" || exit 1
export XDG_RUNTIME_DIR=$sandbox/run XDG_CONFIG_HOME=$sandbox/config XDG_DATA_HOME=$sandbox/data HOME=$sandbox/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"

# The driver enters the group before it starts, so that everything it maps is charged there.
QT_QPA_PLATFORM=xcb bash -c 'echo $$ >"$1/cgroup.procs" && exec "$2" "$3" 1024' _ "$group" "$driver" "$runs"
status=$?

kills=$(awk '$1 == "oom_kill" {print $2}' "$oom_file")
peak=""
[[ -f $group/memory.peak ]] && peak=$(cat "$group/memory.peak")
[[ -f $group/memory.max_usage_in_bytes ]] && peak=$(cat "$group/memory.max_usage_in_bytes")
echo "OOM kills in the group: ${kills:-unknown}; peak usage: $((${peak:-0} / 1024 / 1024)) MiB of 400 MiB"
failed=0
((status == 0)) || { echo "FAIL - the runs failed (exit code $status)"; failed=1; }
[[ "${kills:-0}" == 0 ]] || { echo "FAIL - processes were OOM-killed"; failed=1; }
((failed == 0)) && echo "ok   - $runs runs within the limit and the stall budget"
exit $failed
