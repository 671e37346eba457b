#!/usr/bin/env bash
# Runs a 32-bit Windows program under Wine in a Wine prefix of its own, made
# once per build, and passes on its exit status.
# Usage: wine_run.sh PROGRAM.exe [ARGS...]
#        wine_run.sh --stop      (ends the prefix's wineserver)
set -euo pipefail

# The 32-bit loader of Debian's wine32:i386, in a 32-bit prefix.
wine=/usr/lib/wine/wine
if [[ ! -x $wine ]]; then
  echo "wine_run: Wine's 32-bit support (wine32:i386) is not installed; scripts/test installs it" >&2
  exit 1
fi
export WINEARCH=win32
if [[ $1 == --stop ]]; then
  exec "$(dirname "$wine")/wineserver" -k
fi
program=$1
shift
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$program")" && pwd)/wine-prefix}
export WINEDEBUG=-all
# No Mono or Gecko installers on first start, and no menu entries written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[[ -d $WINEPREFIX ]] || "$wine" wineboot --init >/dev/null 2>&1
exec "$wine" "$program" "$@"
