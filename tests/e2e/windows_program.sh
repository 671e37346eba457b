#!/usr/bin/env bash
# A Windows program under Wine (WINEARCH says which) on x_session.sh's X server: a round,
# topmost instrument with its needle; a logoff while the AutoStart box waits
# for a click saves the options and ends it without one; the Menu key opens
# the options. At 120, 144, 192 and 240 dots per inch (Wine's LogPixels) it stays
# round, and its options view, scaled down to 96, is the one at 96 up to the
# needle's place and the antialiasing. A smaller resolution brings it back
# inside the screen; Shift+Tab reaches the red cross, and Return presses it.
# Usage: x_session.sh windows_program.sh WINE_RUN PROGRAM.exe DISPLAY_MODE.exe
wine_run=$1
"$wine_run" --probe || exit  # 77: skipped, where 32-bit code cannot run
source "$(dirname "$0")/x11_lib.sh"
export WINEPREFIX=$scratch/prefix

# DPI: starts the program with a 2220-twip instrument and leaves it in the
# options view; both views as DPI-gauge.png and DPI-options.png.
views_at() {
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$wine_run" reg add 'HKCU\Software\MEM\Optionen' /v txtHeight /t REG_SZ /d 2220 /f >/dev/null 2>&1
  "$wine_run" --stop  # the density is read as Wine starts
  start_program "$wine_run" "$2"
  size=$(((2220 * $1 + 720) / 1440)) left=$(((1000 * $1 + 720) / 1440))
  becomes "$left $left $size $size"
  poll "$deadline" needle_drawn "$1" "$left" "$size" || fail "no needle at $1"
  local in=$((left + size * 12 / 100))  # inside a rounded square's corner, outside the circle
  shot "$in" "$in" 1 1 corner
  check "$(pixel corner 0 0)" "$(pixel desktop "$in" "$in")" "round at $1"
  xdotool windowactivate --sync "$window" key Menu  # as the right button does
  local wide=$(((7000 * $1 + 720) / 1440))
  poll "$deadline" eval '[[ $(place) == *" $wide $size" ]]' || fail "no options view of ${wide}x$size at $1"
  read -r x _ <<<"$(place)"
  ((x >= 0 && x + wide <= 1280)) || fail "the options view at $1 leaves the screen: $(place)"
  # Wine paints the controls after the window: the picture waits until none is
  # black and two in a row are the same, the window neither moving nor being painted.
  poll "$deadline" options_painted "$1" || fail "the options view at $1 is not painted"
}
needle_drawn() {  # DPI LEFT SIZE: the gauge as DPI-gauge.png, with more than 15 pure red pixels
  import -silent -window root -crop "$3x$3+$2+$2" +repage "$scratch/$1-gauge.png"
  (($(convert "$scratch/$1-gauge.png" -depth 8 txt:- | awk -F'[,:() ]+' 'NR > 1 && $3 > 200 && $4 < 60 && $5 < 60' | wc -l) > 15))
}
options_painted() {
  read -r x y width height <<<"$(place)"  # a window manager may keep it on the screen
  [[ ! -e $scratch/$1-options.png ]] || mv "$scratch/$1-options.png" "$scratch/before.png"
  import -silent -window root -crop "${width}x$height+$x+$y" +repage "$scratch/$1-options.png"
  (($(convert "$scratch/$1-options.png" -depth 8 txt:- | grep -c '#000000 ') < width * height / 20)) &&
    [[ $(compare -metric AE "$scratch/before.png" "$scratch/$1-options.png" null: 2>&1) == 0 ]]
}
# Pixels that differ by more than 15 % between the options view at 96 and
# the one at DPI scaled down to it, both softened a little: text and edges
# are drawn anew at each density, not scaled.
differing() {
  convert "$scratch/96-options.png" -blur 0x1 "$scratch/reference.png"
  convert "$scratch/$1-options.png" -resize 467x148! -blur 0x1 "$scratch/scaled.png"
  compare -metric AE -fuzz 15% "$scratch/reference.png" "$scratch/scaled.png" null: 2>&1
}
shot 0 0 300 300 desktop
exe="$scratch/Zeltavor 1.1.exe"  # a dot and a blank in its name: AutoStart must name it whole
cp "$2" "$exe"
views_at 96 "$exe"
[[ $(property _NET_WM_STATE) == *_NET_WM_STATE_ABOVE* ]] || fail "not topmost"
check "$(property _NET_WM_NAME)" '"Zeltavor"'
keys Return  # in the size box, where the focus is: "weiter" (the dialog manager's IDOK must not reach the panel)
becomes "67 67 148 148"
xdotool key Menu; becomes "67 67 467 148"  # moved before it opens, the view would open where the core had it
xdotool windowmove "$window" 100 200; becomes "100 200 467 148"  # a drag starts where someone else put it
xdotool mousemove 174 274 mousedown 1 mousemove 177 277 sleep 0.2 mousemove 179 279 mouseup 1
becomes "105 205 467 148"
xdotool mousemove $((105 + 164 + 246)) $((205 - 4 + 16)) click 1  # AutoStart
wait_window "$deadline" "$window" >/dev/null || fail "no confirmation box"
"$wine_run" wineboot --end-session
ended_within "$deadline"; check $? 0 "the logoff"
stored=$("$wine_run" reg query 'HKCU\Software\MEM\Optionen' 2>/dev/null)
for value in "MEMLeft    REG_SZ    1575" "MEMTOP    REG_SZ    3075" "txtHeight    REG_SZ    2220" "Monis    REG_SZ    1" "lblHDRAM.Caption    REG_SZ    RAM"; do
  [[ $stored == *"$value"* ]] || fail "not stored: $value"
done
start_program "$wine_run" "$exe"
xdotool windowmove "$window" 1100 800; becomes "1100 800 148 148"
xrandr --newmode 1024x768 63.50 1024 1072 1176 1328 768 771 775 798 && xrandr --addmode screen 1024x768
"$wine_run" "$3" 1024 768 || fail "no change to 1024x768"
becomes "876 620 148 148"
keys Menu; poll "$deadline" eval '[[ $(place) == *" 467 148" ]]' || fail "no options view by the Menu key"
keys shift+Tab shift+Tab Return  # back from the size box past the window onto the red cross
ended_within "$deadline"; check $? 0 "the red cross by keyboard"; "$wine_run" "$3" 1280 1024
run=$("$wine_run" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Zeltavor 2>/dev/null | tr -d '\r')
[[ $run == *"REG_SZ    \"$("$wine_run" winepath -w "$exe" | tr -d '\r')\""* ]] || fail "the AutoStart entry: $run"
"$wine_run" reg delete 'HKCU\Software\MEM' /f >/dev/null 2>&1  # back to the first start's place
for dpi in 120 144 192 240; do  # at 240 the view starts right of the screen's edge less its width
  views_at "$dpi" "$exe"
  end_program
  (($(differing "$dpi") < 4000)) || fail "the options view at $dpi differs from the one at 96 in $(differing "$dpi") of 69116 pixels"
done
"$wine_run" --stop
