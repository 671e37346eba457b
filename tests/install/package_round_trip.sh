#!/usr/bin/env bash
# The Debian package as a user meets it: lintian finds no error, it installs,
# the menu entry's command starts the gauge, and it removes cleanly.
# Runs as root (as CI does), on the X server of x_session.sh.
# Usage: package_round_trip.sh BUILD_DIR
set -euo pipefail
build=$1
[[ $(id -u) -eq 0 ]] || { echo "package_round_trip: installing a package needs root"; exit 1; }
cd "$build"
rm -f zeltavor_*.deb
cpack -G DEB >/dev/null
package=$(ls zeltavor_*.deb)

errors=$(lintian --tag-display-limit 0 "$package" 2>/dev/null | grep '^E:' || true)
[[ -z $errors ]] || { echo "lintian: $errors"; exit 1; }

dpkg -i "$package" >/dev/null
trap 'dpkg -r zeltavor >/dev/null 2>&1 || true' EXIT
command=$(sed -n 's/^Exec=//p' /usr/share/applications/de.zeltavor.Zeltavor.desktop)
config=$(mktemp -d)
XDG_CONFIG_HOME=$config $command &
gauge=$!
started=no
for _ in $(seq 100); do
  if xdotool search --pid "$gauge" --name '^Zeltavor$' >/dev/null 2>&1; then started=yes; break; fi
  sleep 0.1
done
kill "$gauge"; wait "$gauge" || true
rm -rf "$config"
[[ $started == yes ]] || { echo "the menu entry's command ($command) showed no window"; exit 1; }

dpkg -r zeltavor >/dev/null
trap - EXIT
for file in /usr/bin/zeltavor /usr/share/applications/de.zeltavor.Zeltavor.desktop; do
  [[ ! -e $file ]] || { echo "$file is left after removal"; exit 1; }
done
