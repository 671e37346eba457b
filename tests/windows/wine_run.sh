#!/usr/bin/env bash
# Runs a Windows program under Wine in a Wine prefix of its own, made once per
# build, and passes on its exit status. WINEARCH says which program it is:
# win32 (the default) runs under Wine's 32-bit loader, win64 under wine64.
# Where this machine runs no 32-bit code (a kernel without IA-32 emulation),
# a 32-bit run exits 77, the tests' "skipped", and says why, also into the
# file $ZELTAVOR_SKIPPED names.
# ZELTAVOR_RUNS_32BIT=yes or =no overrides what the probe finds.
# Usage: wine_run.sh PROGRAM.exe [ARGS...]
#        wine_run.sh --probe     (only the probe)
#        wine_run.sh --stop      (ends the prefix's wineserver)
set -euo pipefail

wine=/usr/lib/wine/wine
[[ ${WINEARCH:=win32} == win64 ]] && wine=/usr/lib/wine/wine64; export WINEARCH
[[ -x $wine ]] || { echo "wine_run: $wine (Wine for $WINEARCH) is not installed; scripts/test installs it" >&2; exit 1; }

# The probe: whether a 32-bit program starts here at all. Wine's own loader is one.
skip() { echo "skipped: $1"; [[ -z ${ZELTAVOR_SKIPPED:-} ]] || echo "windows.i686.*: skipped, $1" >>"$ZELTAVOR_SKIPPED"; exit 77; }
if [[ $WINEARCH == win32 && ${ZELTAVOR_RUNS_32BIT:-} != yes ]]; then
  [[ ${ZELTAVOR_RUNS_32BIT:-} != no ]] || skip "ZELTAVOR_RUNS_32BIT=no says this machine runs no 32-bit code"
  failure=$("$wine" --version 2>&1) ||
    skip "this machine runs no 32-bit code ($wine --version: ${failure:-status $?}); the 64-bit runs test the same source"
fi

case $1 in
  --probe) exit 0 ;;
  --stop) exec "$(dirname "$wine")/wineserver" -k ;;
esac
program=$1
shift
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$program")" && pwd)/wine-prefix}
export TMPDIR=$WINEPREFIX-tmp  # the server's socket folder goes with the prefix, not into the user's
mkdir -p "$TMPDIR"
export WINEDEBUG=-all
# No Mono or Gecko installers on first start, and no menu entries written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[[ -d $WINEPREFIX ]] || "$wine" wineboot --init >/dev/null 2>&1
exec "$wine" "$program" "$@"
