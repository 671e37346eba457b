#!/usr/bin/env bash
# Runs a command on a fresh virtual X server with a window manager, as a
# desktop session would, and tears both down afterwards.
# Usage: x_session.sh COMMAND [ARGS...]
set -euo pipefail

for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "x_session: $tool is not installed; scripts/test installs it" >&2
    exit 1
  fi
done

workdir=$(mktemp -d)
cleanup() {
  [[ -n ${wm_pid:-} ]] && kill "$wm_pid" 2>/dev/null || true
  [[ -n ${x_pid:-} ]] && kill "$x_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

# -displayfd picks a free display number and reports it once the server is up.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do
  [[ -s $workdir/display ]] && break
  kill -0 "$x_pid" 2>/dev/null || { cat "$workdir/xvfb.log" >&2; echo "x_session: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$workdir/display")"

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "x_session: openbox did not start" >&2; exit 1; }

export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$@"
