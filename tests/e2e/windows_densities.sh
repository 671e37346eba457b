#!/usr/bin/env bash
# The 32-bit Windows program at 120, 144 and 192 dots per inch (Wine's
# LogPixels): the instrument is round; the options view, scaled down to 96,
# is the one at 96 up to the needle's place and the antialiasing, with the
# hub on the needle's root.
# Usage: x_session.sh windows_densities.sh WINE_RUN PROGRAM.exe
source "$(dirname "$0")/x11_lib.sh"
wine_run=$1
export WINEPREFIX=$scratch/prefix

# DPI: the gauge view and the options view as DPI-gauge.png and DPI-options.png.
views_at() {
  "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  "$wine_run" reg add 'HKCU\Software\MEM\Optionen' /v txtHeight /t REG_SZ /d 2220 /f >/dev/null 2>&1
  "$wine_run" --stop  # the density is read as Wine starts
  start_program "$wine_run" "$2"
  size=$(((2220 * $1 + 720) / 1440)) left=$(((1000 * $1 + 720) / 1440))
  becomes "$left $left $size $size"
  sleep 1.5  # past the sweep
  import -silent -window root -crop "${size}x$size+$left+$left" +repage "$scratch/$1-gauge.png"
  xdotool mousemove $((left + size / 2)) $((left + size / 4)) click 3
  poll 3 eval '[[ $(place) != *" $size $size" ]]' || fail "no options view at $1"
  read -r x y width height <<<"$(place)"  # a window manager may keep it on the screen
  import -silent -window root -crop "${width}x$height+$x+$y" +repage "$scratch/$1-options.png"
  end_program
}
colour() { convert "$1" -crop "1x1+$2+$3" -depth 8 -colorspace sRGB txt:- | awk 'END {print $3}'; }
# Pixels that differ by more than 15 % between the options view at 96 and
# the one at DPI scaled down to it, both softened a little: text and edges
# are drawn anew at each density, not scaled.
differing() {
  convert "$scratch/96-options.png" -blur 0x1 "$scratch/reference.png"
  convert "$scratch/$1-options.png" -resize 467x148! -blur 0x1 "$scratch/scaled.png"
  compare -metric AE -fuzz 15% "$scratch/reference.png" "$scratch/scaled.png" null: 2>&1
}
# Whether the hub's salmon lies around the needle's root, within a pixel, in
# the options view at DPI.
hub_on_root() {
  convert "$scratch/$1-options.png" -depth 8 txt:- | awk -F'[,:() ]+' -v c="$((74 * $1 / 96))" -v r="$((12 * $1 / 96))" '
    NR > 1 && $4 > 60 && $5 > 50 && $3 - $5 > 60 && $3 - $4 > 30 && ($1 + 0.5 - c) ^ 2 + ($2 + 0.5 - c) ^ 2 < r * r {
      x += $1 + 0.5; y += $2 + 0.5; n++ }
    END { exit !(n > 0 && (x / n - c) ^ 2 <= 1 && (y / n - c) ^ 2 <= 1) }'
}

import -silent -window root "$scratch/desktop.png"
views_at 96 "$2"
for dpi in 120 144 192; do
  views_at "$dpi" "$2"
  in=$((size * 12 / 100))  # inside a rounded square's corner, outside the circle
  check "$(colour "$scratch/$dpi-gauge.png" "$in" "$in")" "$(colour "$scratch/desktop.png" $((left + in)) $((left + in)))" "round at $dpi"
  (($(differing "$dpi") < 4000)) || fail "the options view at $dpi differs from the one at 96 in $(differing "$dpi") of 69116 pixels"
  hub_on_root "$dpi" || fail "the hub is off the needle's root at $dpi"
done
"$wine_run" --stop
