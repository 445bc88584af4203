#!/usr/bin/env bash
# The Debian package on this machine, as root on a throw-away system: installs it with apt-get, checks
# where its files land, starts the installed program as an ordinary user on a virtual display with a
# tray host (the icon embeds, the help opens the installed page, the start-with-the-desktop entry starts
# /usr/bin/lumaro), then purges the package and checks that nothing of it is left outside the user's
# settings. Usage: package_test.sh <package.deb> <folder for screenshots and logs>
set -uo pipefail
deb=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
for part in checks desktop tray program; do source "$here/../lib/$part.sh"; done
((EUID == 0)) || { echo "package_test.sh installs a package: run it as root on a throw-away machine" >&2; exit 1; }
if dpkg-query -W -f='${Status}' lumaro 2>/dev/null | grep -q "ok installed"; then
  echo "lumaro is installed already; package_test.sh does not touch an existing installation" >&2
  exit 1
fi
rm -rf "$out"
mkdir -p "$out"

export DEBIAN_FRONTEND=noninteractive
check "apt-get installs the package" apt-get install -y -qq "$deb" >"$out/apt-install.log" 2>&1
dpkg-query -L lumaro | sort >"$out/package-files.txt"
installed() { grep -qx "$1" "$out/package-files.txt" && test -e "$1"; }
for file in /usr/bin/lumaro /usr/share/applications/lumaro.desktop /usr/share/man/man1/lumaro.1.gz \
  /usr/share/doc/lumaro/lumaro.html /usr/share/doc/lumaro/lumaro-help/ram.png /usr/share/doc/lumaro/copyright; do
  check "$file is installed" installed "$file"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/lumaro.png
  check "the ${size}-pixel icon is ${size}x${size}" \
    test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}"
done
check "AppStream data is installed" compgen -G '/usr/share/metainfo/*.metainfo.xml' >/dev/null
check "the manual page names the program" sh -c "zcat /usr/share/man/man1/lumaro.1.gz | grep -q '^lumaro'"
check "the manual page names the installed help page" \
  sh -c "zcat /usr/share/man/man1/lumaro.1.gz | grep -q '^\.I /usr/share/doc/lumaro/lumaro.html'"
check "--version answers from the installed program" sh -c '/usr/bin/lumaro --version | grep -qx "Lumaro [0-9.]*"'

# An ordinary user with a fresh home: its settings go to its own folder, as on a real desktop.
user=lumaro-package-test
id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
start_virtual_desktop "$out" || exit 1
stubs=$(mktemp -d)
run=$(mktemp -d)
chown "$user" "$run" "$stubs"
chmod 700 "$run"
# The help goes to the desktop's opener: this one writes down what it was asked to open.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>%s/opened\n' "$stubs" >"$stubs/xdg-open"
chmod 755 "$stubs/xdg-open"
# Started in the background, the program replaces the subshell, and setpriv replaces itself too (no
# parent that waits), so a signal reaches the program directly and its exit code is the program's.
as_user() {
  exec setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i DISPLAY="$DISPLAY" HOME="$home" XDG_RUNTIME_DIR="$run" PATH="$stubs:/usr/bin:/bin" "$@"
}
settings=$home/.config/lumaro/Lumaro.ini
entry=$home/.config/autostart/lumaro.desktop
running=
trap 'kill "$running" 2>/dev/null; stop_virtual_desktop; wait 2>/dev/null; rm -rf "$stubs" "$run"' EXIT
start_installed() { start_program "$out/lumaro.log" as_user /usr/bin/lumaro; }
opened_installed_help() { grep -qx '\(file://\)\?/usr/share/doc/lumaro/lumaro.html' "$stubs/opened" 2>/dev/null; }

# The program starts hidden, with its icon in the tray.
start_installed
icon=$(wait_for_tray_icon 20)
check "the installed program's icon embeds in the tray" test -n "$icon"
check "its settings land in the user's folder" wait_until 10 test -s "$settings"
check "the start-with-the-desktop entry starts /usr/bin/lumaro" wait_until 10 grep -qx 'Exec=/usr/bin/lumaro' "$entry"
check "the entry is a valid desktop entry" desktop-file-validate "$entry"
check "the entry starts it only while /usr/bin/lumaro exists" grep -qx 'TryExec=/usr/bin/lumaro' "$entry"
wait_until 5 shows_figure_over_level "$icon"
screenshot "$out/installed-tray.png"
# "&Ajuda on-line" from the tray menu: Up from no highlight reaches "&Fechar Otimizador", one more the help.
if [[ -n "$icon" ]] && click_middle "$icon" 3 && wait_until 5 bar_menu >/dev/null; then
  xdotool key Up Up Return
fi
check "the help opens the installed page" wait_until 10 opened_installed_help
check "the end of the session ends the program with exit code 0" end_session "$run"

# Unticked in the stored settings the entry is disabled; ticked again it starts the installed program.
sed -i 's/^chkboxAutoRun_Checked=True/chkboxAutoRun_Checked=False/' "$settings"
start_installed
check "an unticked box disables the entry" wait_until 10 grep -qx 'Hidden=true' "$entry"
check "the end of the session ends the program with exit code 0" end_session "$run"
sed -i 's/^chkboxAutoRun_Checked=False/chkboxAutoRun_Checked=True/' "$settings"
start_installed
check "ticking the box again writes Exec=/usr/bin/lumaro" wait_until 10 grep -qx 'Exec=/usr/bin/lumaro' "$entry"
check "the end of the session ends the program with exit code 0" end_session "$run"

check "apt-get purges the package" apt-get purge -y -qq lumaro >"$out/apt-purge.log" 2>&1
still_there() {
  local file left=0
  while read -r file; do
    [[ -f "$file" || -L "$file" ]] && { echo "     left: $file"; left=1; }
  done <"$out/package-files.txt"
  ((left == 0))
}
check "none of the package's files is left" still_there
# Outside the user's home, nothing named after the program stays in the system's folders.
leftovers() { find /usr /etc /opt /var -iname '*lumaro*' 2>/dev/null | grep -v "^$(dirname "$deb")" ; }
check "nothing named lumaro is left in /usr, /etc, /opt or /var" test -z "$(leftovers)"
leftovers | sed 's/^/     left: /'
check "the user's settings stay" test -s "$settings"
# The user's autostart entry stays too (a package does not reach into homes), but no login starts it.
glib_refuses() { [[ "$(/usr/bin/python3 "$here/../backends/linux/system/glib_launch.py" "$1" 2>&1)" == *'GLib refuses'* ]]; }
check "the user's autostart entry no longer starts anything" glib_refuses "$entry"
summary
