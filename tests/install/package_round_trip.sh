#!/usr/bin/env bash
# The build as a desktop meets it: installed into a prefix, the program, menu
# entry, theme icons and AppStream record validate, the manual speaks English
# or German as the locale asks; the Debian package has no
# lintian error, its dependencies are what this system has, it installs into
# a throw-away root with a package database of its own (the host's stays
# untouched, and no root is needed), states one version everywhere, its
# menu entry's command starts the gauge, and it removes cleanly. Runs on the
# X server of x_session.sh.
# Usage: package_round_trip.sh BUILD_DIR [PACKAGES_DIR]   (the .deb's part
#        with the packages scripts/package made there)
set -euo pipefail
export PATH=$PATH:/usr/local/sbin:/usr/sbin:/sbin  # dpkg runs ldconfig and start-stop-daemon, which a user's PATH lacks
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
[[ -x $prefix/bin/zeltavor ]] || { echo "no program in bin/"; exit 1; }
complaints=$(desktop-file-validate "$prefix/share/applications/de.zeltavor.zeltavor.desktop" 2>&1
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/de.zeltavor.zeltavor.metainfo.xml" | grep -E '^[EWIP]:' || true)
[[ -z $complaints ]] || { echo "$complaints"; exit 1; }
for page in "C.UTF-8 DESCRIPTION" "de_DE.UTF-8 BESCHREIBUNG"; do  # the manual in the locale's language
  MANPATH=$prefix/share/man LANG=${page% *} man -P cat zeltavor 2>/dev/null | grep -q "^${page#* }" || { echo "man zeltavor under ${page% *}: no ${page#* }"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/de.zeltavor.zeltavor.png
  [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || { echo "$icon is not ${size}x${size}"; exit 1; }
done

[[ -n ${2:-} ]] || exit 0
package=$(ls "$2"/zeltavor_*.deb)
errors=$(lintian --tag-display-limit 0 "$package" 2>/dev/null | grep '^E:' || true)
[[ -z $errors ]] || { echo "lintian: $errors"; exit 1; }
dpkg-checkbuilddeps -d "$(dpkg-deb -f "$package" Depends)" /dev/null
root=$prefix/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" && touch "$root/var/lib/dpkg/status"
dpkg=(dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless --log=/dev/null)
# dpkg's own words when it fails.
run_dpkg() { "${dpkg[@]}" "$@" >"$prefix/dpkg.log" 2>&1 || { cat "$prefix/dpkg.log"; echo "dpkg $* failed"; exit 1; }; }
run_dpkg -i "$package"
entry=$root/usr/share/applications/de.zeltavor.zeltavor.desktop
version=$("$root/usr/bin/zeltavor" --version)
for stated in "$(dpkg-deb -f "$package" Version | sed 's/-[0-9]*$//')" "$(sed -n 's/^X-Zeltavor-Version=//p' "$entry")" \
    "$(grep -o -m1 '<release version="[^"]*' "$root/usr/share/metainfo/de.zeltavor.zeltavor.metainfo.xml" | cut -d'"' -f2)"; do
  [[ "zeltavor $stated" == "$version" ]] || { echo "the package states version '$stated', the program '$version'"; exit 1; }
done
command=$(sed -n 's/^Exec=//p' "$entry")
XDG_CONFIG_HOME=$prefix "$root/usr/bin/$command" &
gauge=$!
started=$(timeout 30 xdotool search --sync --pid "$gauge" --name '^Zeltavor$' 2>/dev/null || true)  # 30 s on a busy machine
kill "$gauge"; wait "$gauge" || true
[[ -n $started ]] || { echo "the menu entry's command ($command) showed no window"; exit 1; }
run_dpkg -r zeltavor
for file in usr/bin/zeltavor usr/share/applications/de.zeltavor.zeltavor.desktop; do
  [[ ! -e $root/$file ]] || { echo "/$file is left after removal"; exit 1; }
done
