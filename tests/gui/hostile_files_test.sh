#!/usr/bin/env bash
# The real program against what another user can put at the paths it writes (the settings file, the
# autostart entry, system.ini and the registry file), as root and as "nobody": links to another user's
# file and to a root-only file, FIFOs, and a set-user-ID settings file planted in a program folder that
# others may write (sticky or not). Every copy starts, ends with exit code 0 on SIGTERM, leaves what
# was planted as it was, and writes no file that is another user's or carries a set-id bit.
# Usage: hostile_files_test.sh <path to lumaro> <folder for screenshots and logs>
set -uo pipefail
out=$2
source "$(dirname "$0")/../lib/gui_test.sh"
gui_test_setup "$1" "$out" running
set -m

if [[ $EUID -ne 0 ]]; then
  echo "skip - files and links of other users need root to make them"
  summary
  exit
fi
chmod 755 "$sandbox"
# A file only root may read.
mkdir -m 711 "$sandbox/root-only"
printf 'root:x:0:0:root:/root:/bin/bash\n' >"$sandbox/root-only/passwd"
chmod 600 "$sandbox/root-only/passwd"

# What a path is, and where it leads: type, mode, owner and content or target, of the path and of
# what a link at it points to.
state_of() {
  stat -c '%F %a %u:%g %s' "$1" 2>&1
  if [[ -L "$1" ]]; then
    readlink "$1"
    stat -L -c '%F %a %u:%g %s' "$1" 2>&1
  fi
  [[ -f "$1" ]] && md5sum <"$1"
}

# plant <kind> <path>: what another user (or a mistake) put there. `theirs`: a link to another user's
# file; `root-only`: a link to a file only root may read; `fifo`: a named pipe. Records the state in
# `planted`.
declare -A planted
plant() {
  local kind=$1 path=$2
  case $kind in
    theirs)
      printf '[theirs]\r\nKEEP=1\r\n' >"$other_home/$(basename "$path")"
      chown "$other:$other" "$other_home/$(basename "$path")"
      ln -s "$other_home/$(basename "$path")" "$path"
      chown -h "$other:$other" "$path" ;;
    root-only)
      ln -s "$sandbox/root-only/passwd" "$path"
      # Root's own link to root's file is root's to follow: for root, the link is another user's.
      chown -h "$link_owner:$link_owner" "$path" ;;
    fifo)
      mkfifo "$path"
      chown "$user:$user" "$path" ;;
  esac
  planted[$path]=$(state_of "$path")
}

# A fresh start: none of the written paths holds anything, and nothing is planted.
fresh() {
  rm -rf "$ini" "$entry" "$system_ini" "$registry"
  planted=()
}

unchanged() {
  local path
  for path in "${!planted[@]}"; do
    [[ "$(state_of "$path")" == "${planted[$path]}" ]] || { echo "     $path changed:"; state_of "$path"; return 1; }
  done
}

# No file the copy wrote since `marker` is another user's or carries a set-id or sticky bit.
nothing_set_id_or_foreign() {
  local found
  found=$(find "$sandbox" -newer "$out/marker" -type f \( -perm /7000 -o ! -user "$user" \) 2>/dev/null)
  [[ -z "$found" ]] || { echo "     wrote: $found"; ls -l $found; return 1; }
}

# reported <text>: the copy's log holds it.
reported() { grep -qsF "$1" "$log"; }

# run <name> <program folder> <report> [how]: starts the user's copy in that folder and waits until
# it reports <report> at start-up. With `either`, it may answer on its socket instead, and need not
# report anything (the settings may go to another place). With `tune`, it waits until the copy answers,
# changes a tuning value and shows the window, so that the end of the session writes system.ini and
# the registry file, and looks for the report after the end. SIGTERM ends every copy. Checks what
# every run must hold.
runs=0
run() {
  local name="$user: $1" folder=$2 report=$3 how=${4:-}
  runs=$((runs + 1))
  log=$out/run-$runs.log
  echo "     run $runs: $log"
  touch "$out/marker"
  env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" \
    LUMARO_WINDOWS_DIR="$home/windows" setpriv --reuid="$user" --regid="$user" --clear-groups \
    "$folder/lumaro" >"$log" 2>&1 &
  running=$!
  case $how in
    either)
      check "$name: the program starts" wait_until 20 eval 'reported "$report" || answers "$home/run"'
      report= ;;
    tune)
      check "$name: the program starts" wait_until 20 answers "$home/run"
      printf 'TrkBarDMABuffers_Position=8\r\n' >>"$folder/Lumaro.ini"
      # The first show reloads the settings file, which marks the system configuration as changed.
      XDG_RUNTIME_DIR=$home/run request_restore
      check "$name: the window shows" wait_for_window '^Lumaro\.$' 10 ;;
    *)
      check "$name: the program starts" wait_until 20 reported "$report" ;;
  esac
  check "$name: SIGTERM ends it with exit code 0 at once" ends_at_once
  [[ -z $report ]] || check "$name: the refusal was reported" reported "$report"
  check "$name: what was planted is as it was" unchanged
  check "$name: no file it wrote is another user's or set-id" nothing_set_id_or_foreign
}

for user in 0 65534; do
  # Who else: nobody for root, "daemon" for nobody; a link to a root-only file is another user's link
  # for root, the user's own for nobody.
  other=$((user == 0 ? 65534 : 1))
  link_owner=$other
  ((user != 0)) && link_owner=$user
  home=$sandbox/home-$user
  other_home=$sandbox/other-of-$user
  ini=$home/bin/Lumaro.ini
  entry=$home/config/autostart/lumaro.desktop
  system_ini=$home/windows/system.ini
  registry=$home/windows/registry.reg
  mkdir -p "$home/bin" "$home/run" "$home/config/autostart" "$home/windows" "$other_home"
  chmod 700 "$home" "$home/run"
  cp "$lumaro" "$home/bin/lumaro"
  chown -R "$user:$user" "$home"
  chown "$other:$other" "$other_home"

  for kind in theirs root-only fifo; do
    # At the settings file: reported as unreadable in the start-up's message box, unless the settings
    # go to the user's folder instead.
    fresh
    plant "$kind" "$ini"
    run "$kind at Lumaro.ini" "$home/bin" "Lumaro: Unable to read $ini" either
    # At the autostart entry: the start-up reports it, then pauses.
    fresh
    plant "$kind" "$entry"
    run "$kind at the autostart entry" "$home/bin" "Lumaro: Failed to set data for 'Lumaro'"
    # At system.ini, then at the registry file, which is written after it.
    fresh
    plant "$kind" "$system_ini"
    run "$kind at system.ini" "$home/bin" "Lumaro: Unable to read $system_ini" tune
    check "$user: the settings were saved" holds "$ini" 'TrkBarDMABuffers_Position=8'
    fresh
    plant "$kind" "$registry"
    run "$kind at registry.reg" "$home/bin" "Lumaro: Failed to set data for 'DisablePagingExecutive'" tune
    check "$user: system.ini was written before it" holds "$system_ini" 'DMABufferSize=8'
  done

  # A set-user-ID program planted as the settings file in a program folder others may write. The copy
  # keeps its settings elsewhere, or reports that it cannot use that file.
  for mode in 1777 777; do
    shared=$home/shared-$mode
    mkdir -p "$shared"
    cp "$lumaro" "$shared/lumaro"
    chown "$user:$user" "$shared" "$shared/lumaro"
    chmod "$mode" "$shared"
    printf '#!/bin/sh\nexec /bin/sh\n' >"$shared/Lumaro.ini"
    chown "$other:$other" "$shared/Lumaro.ini"
    chmod 4777 "$shared/Lumaro.ini"
    planted=()
    planted[$shared/Lumaro.ini]=$(state_of "$shared/Lumaro.ini")
    run "a set-user-ID Lumaro.ini of another user's in a folder of mode $mode" "$shared" \
      "Lumaro: Unable to read $shared/Lumaro.ini" either
  done
done

summary
