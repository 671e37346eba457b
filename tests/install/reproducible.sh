#!/usr/bin/env bash
# Two package builds of this tree in folders of different names (the first
# in OUT, kept for the package round trip) give the same source release,
# Debian source and binary packages and Windows zips, byte for byte; the
# release holds the tracked files but debian/ and no more; the zips' texts are
# what Windows' Notepad reads, and lintian finds the package hardened.
# Usage: reproducible.sh SOURCE_DIR OUT
set -euo pipefail
first=$2 second=$(mktemp -d)/second-build
trap 'rm -rf "${second%/*}"' EXIT
for out in "$first" "$second"; do "$1/scripts/package" "$out" >/dev/null 2>&1 || { echo "scripts/package $out failed"; exit 1; }; done
for built in "$first"/zeltavor-*.tar.gz "$first"/zeltavor_*.dsc "$first"/zeltavor_*.deb "$first"/zeltavor-*-windows*.zip; do
  cmp "$built" "$second/${built##*/}" || { echo "${built##*/} differs between two builds"; exit 1; }
done
[[ $(tar tzf "$first"/zeltavor-*.tar.gz | grep -vc '/$') == $(git -C "$1" ls-tree -r --name-only HEAD | grep -vc '^debian/') ]] ||
  { echo "the source release holds other files than the commit's, debian/ aside"; exit 1; }
cd "${second%/*}" && cmake -E tar xf "$first"/zeltavor-*-windows.zip LIESMICH.txt LICENSE.txt  # beside the second build
for text in LIESMICH.txt LICENSE.txt; do  # for Windows' Notepad: a mark that says UTF-8, and CRLF
  [[ $(head -c3 "$text") == $'\xef\xbb\xbf' && $(grep -vc $'\r$' "$text") == 0 ]] || { echo "$text: no BOM or not CRLF"; exit 1; }
done
tags=$(TMPDIR=${second%/*} lintian --tag-display-limit 0 -I "$first"/zeltavor_*.deb 2>/dev/null | grep hardening || true)  # it leaves a cache
[[ -z $tags ]] || { echo "lintian: $tags"; exit 1; }
