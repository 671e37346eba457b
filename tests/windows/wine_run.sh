#!/usr/bin/env bash
# Runs a Windows test program under Wine in a Wine prefix of its own, made
# once per build, and passes on its exit status.
# Usage: wine_run.sh PROGRAM.exe [ARGS...]
#        wine_run.sh --stop      (ends the prefix's wineserver)
set -euo pipefail

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [[ ! -x $wine ]]; then
  echo "wine_run: Wine (wine64) is not installed; scripts/test installs it" >&2
  exit 1
fi
if [[ $1 == --stop ]]; then
  exec "$(dirname "$wine")/wineserver" -k
fi
program=$1
shift
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$program")" && pwd)/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installers on first start
[[ -d $WINEPREFIX ]] || "$wine" wineboot --init >/dev/null 2>&1
exec "$wine" "$program" "$@"
