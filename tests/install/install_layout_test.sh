#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the program, the launcher entry, every icon size, the AppStream
# data, the manual page and the help with its pictures land where desktops look for them.
# With --with-guide-pictures, every picture the installed guide shows is installed beside it.
# Usage: install_layout_test.sh <build folder> <scratch folder> [--with-guide-pictures]
set -uo pipefail
build=$1
prefix=$2
with_pictures=${3:-}
source "$(dirname "$0")/../lib/checks.sh"
rm -rf "$prefix"
check "cmake --install succeeds" cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/lumaro share/applications/lumaro.desktop share/man/man1/lumaro.1.gz \
  share/doc/lumaro/lumaro.html share/doc/lumaro/copyright share/doc/lumaro/changelog.gz; do
  check "$file is installed" test -s "$prefix/$file"
done
check "the program is executable" test -x "$prefix/bin/lumaro"
check "nothing else lies beside the program" test "$(ls "$prefix/bin")" = lumaro
# square_with_alpha <png> <size>: the picture has that size and an alpha channel.
square_with_alpha() { [[ "$(identify -format '%wx%h %A' "$1" 2>/dev/null)" =~ ^$2x$2\ (True|Blend)$ ]]; }
for size in 16 22 24 32 48 64 128 256; do
  check "the ${size}-pixel icon is ${size}x${size} with transparency" \
    square_with_alpha "$prefix/share/icons/hicolor/${size}x${size}/apps/lumaro.png" "$size"
done
check "the launcher entry is valid" desktop-file-validate "$prefix/share/applications/lumaro.desktop"
# With the network checks too: no URL in it may point at a host that does not exist.
check "the AppStream data is valid" appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
check "the AppStream data is valid with its URLs checked" appstreamcli validate "$prefix"/share/metainfo/*.metainfo.xml
manual() { zcat "$prefix/share/man/man1/lumaro.1.gz"; }
check "the manual page formats without complaint" sh -c \
  "zcat '$prefix/share/man/man1/lumaro.1.gz' | groff -man -Tutf8 -ww -z 2>&1 | (! grep .)"
check "the manual page names the help page where this install put it" \
  grep -q "$prefix/share/doc/lumaro/lumaro.html" <(manual)
for signal in SIGTERM SIGINT SIGHUP; do
  check "the manual page names $signal" grep -q "$signal" <(manual)
done
for file in Lumaro.ini autostart/lumaro.desktop system.ini registry.reg LUMARO2.lock /proc/meminfo /proc/stat; do
  check "the manual page names $file" grep -q "$file" <(manual)
done
if [[ "$with_pictures" == --with-guide-pictures ]]; then
  guide=$prefix/share/doc/lumaro/lumaro.html
  pictures=$(grep -o 'src="[^"]*"' "$guide" | sed 's/^src="//; s/"$//')
  check "the guide shows pictures" test -n "$pictures"
  for picture in $pictures; do
    check "the guide's $picture is installed beside it" test -s "$(dirname "$guide")/$picture"
  done
fi
summary
