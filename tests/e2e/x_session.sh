#!/usr/bin/env bash
# Runs a command on a fresh virtual X server with a window manager, as a
# desktop session would, and tears both down afterwards.
# Usage: [X_SCREEN=WxHxDEPTH] [X_WM=COMMAND] x_session.sh COMMAND [ARGS...]
#        (1024x768x24 and openbox unless told)
set -euo pipefail

workdir=$(mktemp -d)
cleanup() { kill ${wm_pid:-} ${x_pid:-} 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$workdir"; }
trap cleanup EXIT

# Nothing a session's programs write (caches, logs, sockets) goes into the
# user's home or stays behind in the temporary folder.
export XDG_RUNTIME_DIR="$workdir/runtime" HOME="$workdir/home" TMPDIR="$workdir/tmp"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME" "$TMPDIR"

# -displayfd picks a free display number and reports it once the server is up.
Xvfb -displayfd 3 -screen 0 ${X_SCREEN:-1024x768x24} -nolisten tcp -noreset 3>"$workdir/display" 2>"$workdir/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do
  [[ -s $workdir/display ]] && break
  kill -0 "$x_pid" 2>/dev/null || { cat "$workdir/xvfb.log" >&2; echo "x_session: Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$workdir/display")" X_SERVER_PID=$x_pid

# Now and then a window manager cannot open a display that Xvfb has just reported
# ready and gives up at once: it is started again. A busy machine (a
# sanitized build running beside) can take seconds here.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in 1 2 3; do
  ${X_WM:-openbox --sm-disable} >"$workdir/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 400); do
    wm_ready && break 2
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
  done
  sleep 0.2
done
wm_ready || { cat "$workdir/wm.log" >&2; echo "x_session: the window manager did not start" >&2; exit 1; }

"$@"
