# Sourced: waits for events, never for a fixed time. Each polls its condition every 0.1 s up to a limit.

# wait_until <seconds> <command...>: true as soon as the command is. What the command prints passes
# through, so a lookup that prints only what it finds hands it on: `id=$(wait_until 5 tray_icon)`.
wait_until() {
  local i limit=$(($1 * 10))
  shift
  for ((i = 0; i < limit; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# ended <pid>: the process is gone (a child of this shell once the shell has reaped it).
ended() { ! kill -0 "$1" 2>/dev/null; }

# exits_with <code> <pid> <seconds>: the process, a child of this shell, ends within the time, with
# that exit code.
exits_with() {
  wait_until "$3" ended "$2" || return 1
  wait "$2"
  [[ $? -eq $1 ]]
}

# read_again <file> <seconds>: true once the program reads the file again. Its access time is set far
# back first; the file system's relatime rule then updates it at the next read.
read_again() {
  touch -a -d 2000-01-01 "$1"
  wait_until "$2" accessed_after "$1" "$(stat -c %X "$1")"
}
accessed_after() { (($(stat -c %X "$1") > $2)); }
