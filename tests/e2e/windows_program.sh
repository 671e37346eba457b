#!/usr/bin/env bash
# The 32-bit Windows program under Wine on x_session.sh's X server: a round,
# topmost instrument with its needle; the right button opens the options
# view; a logoff while the AutoStart box waits for a click saves the options
# and ends the program without one.
# Usage: x_session.sh windows_program.sh WINE_RUN PROGRAM.exe
source "$(dirname "$0")/x11_lib.sh"
wine_run=$1
export WINEPREFIX=$scratch/prefix
shot 67 67 80 80 desktop
start_program "$wine_run" "$2"
poll 5 eval '[[ $(property _NET_WM_STATE) == *_NET_WM_STATE_ABOVE* ]]' || fail "not topmost"
check "$(property _NET_WM_NAME)" '"Zeltavor"'
becomes "67 67 80 80"
sleep 1
shot 67 67 80 80 gauge
check "$(pixel gauge 1 1) $(pixel gauge 78 78)" "$(pixel desktop 1 1) $(pixel desktop 78 78)" "round: the desktop in the corners"
(($(awk -F'[,:() ]+' 'NR > 1 && $3 > 200 && $4 < 60 && $5 < 60' "$scratch/gauge" | wc -l) > 15)) || fail "no needle"
xdotool mousemove 107 107 click 3
becomes "67 67 467 148"
xdotool sleep 0.5 mousemove $((67 + 164 + 246)) $((67 - 4 + 16)) click 1  # AutoStart
wait_window 10 "$window" >/dev/null || fail "no confirmation box"
"$wine_run" wineboot --end-session
ended_within 5; check $? 0 "the logoff"
stored=$("$wine_run" reg query 'HKCU\Software\MEM\Optionen' 2>/dev/null)
for value in "txtHeight    REG_SZ    1200" "Monis    REG_SZ    1" "lblHDRAM.Caption    REG_SZ    RAM" "MEMTOP    REG_SZ    1000"; do
  [[ $stored == *"$value"* ]] || fail "not stored: $value"  # the right-click's release stored the place
done
"$wine_run" --stop
