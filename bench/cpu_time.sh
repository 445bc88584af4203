# Sourced by the benchmarks: processor time of a process in nanoseconds, summed over all its threads.
# The scheduler's own count (first field of each thread's schedstat) is exact to the nanosecond, where
# /proc/<pid>/stat counts 10 ms ticks that a quiet program hardly ever reaches.
# cpu_ns <pid> [proc root]
cpu_ns() {
  local root=${2:-/proc} total=0 ns rest file
  for file in "$root/$1"/task/*/schedstat; do
    # A thread may end between the listing and the read.
    read -r ns rest <"$file" 2>/dev/null || continue
    total=$((total + ns))
  done
  echo "$total"
}
