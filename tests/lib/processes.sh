# Sourced: figures of a running process, from /proc.

# rss_kb <pid>: its resident memory now, in kB (nothing once it has ended).
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null; }

# peak_mb <pid>: the most resident memory it has had, in MB.
peak_mb() { awk '/^VmHWM:/ {print int($2 / 1024)}' "/proc/$1/status" 2>/dev/null; }

# descriptor_count <pid>: how many descriptors it holds open.
descriptor_count() { ls "/proc/$1/fd" 2>/dev/null | wc -l; }
