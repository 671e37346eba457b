#!/usr/bin/env bash
# When its X server goes away the gauge ends with one German line and status 1;
# Qt's other messages, as many as its debug output gives, do not end it.
set -u
gauge=$1
work=$(mktemp -d)
trap 'kill "$xvfb" "$gauge_pid" 2>/dev/null; wait; rm -rf "$work"' EXIT  # Xvfb gone before the next one starts
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" XDG_CONFIG_HOME="$work" XDG_RUNTIME_DIR="$work"
QT_LOGGING_RULES="qt.qpa.*=true" "$gauge" 2>"$work/errors" &
gauge_pid=$!
sleep 3
kill -0 "$gauge_pid" 2>/dev/null || { echo "the gauge did not keep running: $(cat "$work/errors")"; exit 1; }
kill "$xvfb"
for _ in $(seq 200); do kill -0 "$gauge_pid" 2>/dev/null || break; sleep 0.05; done
wait "$gauge_pid"
status=$?
expected="zeltavor: Die Verbindung zum X-Server ist abgebrochen; das Programm endet."
[[ $status -eq 1 && $(grep -c X-Server "$work/errors") -eq 1 ]] && grep -qxF "$expected" "$work/errors" ||
  { echo "status $status: $(tail -n5 "$work/errors")"; exit 1; }
