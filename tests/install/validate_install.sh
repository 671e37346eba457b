#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it as a desktop would:
# the program, the menu entry, the icons of the theme, the AppStream record.
# Usage: validate_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/bin/zeltavor ]] || { echo "no program in bin/"; exit 1; }
entry=$prefix/share/applications/de.zeltavor.Zeltavor.desktop
desktop-file-validate "$entry"
grep -qx 'Exec=zeltavor' "$entry"
appstreamcli validate --no-net "$prefix/share/metainfo/de.zeltavor.Zeltavor.metainfo.xml"
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/de.zeltavor.Zeltavor.png
  [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || { echo "$icon is not ${size}x${size}"; exit 1; }
done
