#!/usr/bin/env bash
# Without an X server the gauge says how to get one, in one line, and exits 1.
set -u
gauge=$1
for display in "" ":999"; do
  output=$(env -u WAYLAND_DISPLAY DISPLAY="$display" "$gauge" 2>&1)
  status=$?
  lines=$(printf '%s\n' "$output" | wc -l)
  if [[ $status -ne 1 || $lines -ne 1 || $output != *"kein X-Server erreichbar"*"xvfb-run"* ]]; then
    echo "DISPLAY='$display': status $status, output: $output"
    exit 1
  fi
done
