#!/usr/bin/env bash
# Compares the pictures lumaro-gallery makes with the golden ones in a folder, pixel for pixel, or with
# --update writes the gallery's pictures over the golden ones (only the names already there).
# Usage: golden_check.sh <lumaro-gallery> <golden folder> [--update]
set -euo pipefail
gallery=$1
golden=$2
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
"$gallery" "$made" >/dev/null 2>&1

status=0
for expected in "$golden"/*.png; do
  name=${expected##*/}
  if [[ ${3:-} == --update ]]; then
    cp "$made/$name" "$expected"
    continue
  fi
  # compare prints the number of differing pixels on stderr; it fails for differing sizes as well.
  differing=$(compare -metric AE "$expected" "$made/$name" null: 2>&1) || true
  if [[ $differing != 0 ]]; then
    echo "$name: $differing differing pixels"
    status=1
  fi
done
exit $status
