#!/usr/bin/env bash
# The real program on x_session.sh's X server and window manager: one scenario
# for each thing a user does with it. The instrument stands at Left and Top
# 1000 twips: 67 pixels at 15 twips to the pixel.
# Usage: x_session.sh gauge_scenarios.sh PROGRAM SCENARIO
source "$(dirname "$0")/x11_lib.sh"
gauge=$(realpath "$1")
config=$scratch/config
mkdir "$config"

start() { start_program env XDG_CONFIG_HOME="$config" LC_ALL=C.UTF-8 "$@" "$gauge"; }
terminate() { kill -TERM "$program"; ended_within "$deadline"; }  # as a logout does; returns the exit status
settings() { printf "$1" > "$config/MEM.conf"; }
stored() { sed -n "s/^$1=//p" "$config/MEM.conf" 2>/dev/null; }
x() { xdotool "$@" || fail "xdotool $*"; }
open_options() { x mousemove 87 107 click 3; becomes "67 67 467 148"; }
# Clicks the middle of a control of the panel, given in twips, as often as asked.
click_panel() { x mousemove $((67 + 164 + ($1 + $3 / 2) / 15)) $((67 - 4 + ($2 + $4 / 2) / 15)) click --repeat "${5:-1}" 1; }
memory_load() { awk '/^MemTotal:/ {t = $2} /^MemAvailable:/ {a = $2} END {print 100 * (t - a) / t}' /proc/meminfo; }
disk_use() { df -B1 --output=used,avail / | awk 'NR == 2 {print 100 * $1 / ($1 + $2)}'; }

# At twice the density the instrument keeps its size in twips, draws the
# finer dial, and its outline follows the circle pixel by pixel.
first_start() {
  shot 134 134 160 160 desktop
  start QT_SCALE_FACTOR=2
  becomes "134 134 160 160"  # 1200 twips
  poll "$deadline" eval '[[ $(property _NET_WM_STATE) == *_NET_WM_STATE_ABOVE* ]]' || fail "not topmost"
  [[ -n $(property _NET_WM_ICON) ]] || fail "no icon"
  poll "$deadline" eval 'shot 134 134 160 160 gauge && (($(pixel gauge 80 155 | tr -d "(" | cut -d, -f1) > 100))' || fail "no dial stretched over the window"
  for point in "2 2" "157 2" "2 157" "157 157" "6 36" "152 122"; do  # round, not rounded
    check "$(pixel gauge $point)" "$(pixel desktop $point)" "the desktop at $point"
  done
  for point in "80 0" "0 80" "159 80" "80 159"; do  # the outline reaches every edge, no further
    [[ $(pixel gauge $point) != "$(pixel desktop $point)" ]] || fail "no dial at $point"; done
  awk -F'[,:]' 'NR == FNR {desktop[$1, $2] = $0; next}  # where each row starts to show the dial, and blocks of detail
    $0 != desktop[$1, $2] && !($2 in first) {first[$2] = $1}
    {pixel[$1, $2] = substr($0, index($0, " "))}
    END { for (y = 4; y < 76; y += 2) finer += first[y] != first[y + 1]
          for (y = 40; y < 120; y += 2) for (x = 40; x < 120; x += 2) detail += pixel[x, y] != pixel[x + 1, y + 1]
          if (finer <= 8 || detail <= 400) { print "edge steps", finer, "blocks with detail", detail; exit 1 } }' \
    "$scratch/desktop" "$scratch/gauge" || fail "not drawn finer at twice the density"
}


# Dragged onto a monitor of twice the density (a laptop with an external
# screen), the instrument keeps its size in twips: twice the pixels, and its
# outline follows it there; a double-click sends it to that monitor's right
# edge, which is nearer in the window's pixels than on the first.
two_scales() {
  xrandr --setmonitor LEFT 1024/270x768/203+0+0 screen && xrandr --setmonitor RIGHT 1024/270x768/203+1024+0 none
  settings '[Optionen]\nMonis=2\ntxtHeight=1500\n'
  start QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=2"
  becomes "67 67 100 100"
  x mousemove 117 117 mousedown 1 mousemove 600 117 sleep 0.2 mousemove 1200 117 mouseup 1
  poll "$deadline" eval '[[ $(place) == *" 200 200" ]]' || fail "not twice the pixels on the denser monitor: $(place)"
  settles 200 "the outline's width there" eval "xwininfo -shape -id $window | sed -n 's/.*Window shape extents: *\([0-9]*\)x.*/\1/p'"
  read -r x y w h <<<"$(place)"  # a double-click: to the right edge of the denser monitor, not past it
  x mousemove $((x + w / 2)) $((y + h / 2)) click --repeat 2 --delay 80 1
  poll "$deadline" eval 'read -r x _ w _ <<<"$(place)"; ((x > 1800 && x + w <= 2048))' || fail "double-clicked to $(place)"
}

# The primary monitor right of another, as RandR may put it: places are
# measured from its corner, a move by the window manager is where the next
# drag starts, and the place a release stores is where the next start puts it.
primary_on_the_right() {
  xrandr --setmonitor LEFT 1920/508x1080/286+0+0 screen && xrandr --setmonitor '*MAIN' 1280/339x1024/271+1920+0 none
  start
  becomes "1987 67 80 80"  # on the primary
  x keydown F12  # held until the window is there
  becomes "3116 0 80 80"  # its top-right corner, less 5 % of the size
  x keyup F12
  xdotool windowmove "$window" 2500 300; becomes "2500 300 80 80"
  x mousemove 2540 340 mousedown 1 mousemove 2543 342 sleep 0.2 mousemove 2545 345 mouseup 1
  becomes "2505 305 80 80"
  settles "8775 4575" "the stored place" eval 'echo $(stored MEMLeft) $(stored MEMTOP)'
  terminate; check $? 0 "exit status"
  start
  becomes "2505 305 80 80"  # after a restart
}

# A compositor cuts an outline to the size the window has as it reads it
# (mutter): the options view's outline goes out once the window manager has
# given the window its size, as xtrace sees it on the wire.
outline_after_the_size() {
  local traced=50
  # A display number nobody has or answers on (a server may listen on an abstract socket alone).
  while [[ -e /tmp/.X11-unix/X$traced || -e /tmp/.X$traced-lock ]] || xdpyinfo -display ":$traced" &>/dev/null; do ((traced++)); done
  # Some distributions rename it: glibc has an xtrace of its own.
  local xtrace; xtrace=$(command -v xtrace-x11 xtrace_x11 xtrace | head -1)
  [[ -n $xtrace ]] || { fail "xtrace (X11) is not installed"; return; }
  "$xtrace" -n -k -o "$scratch/trace" -d "$DISPLAY" -D ":$traced" >/dev/null 2>&1 &
  helpers+=($!)
  poll "$deadline" xdpyinfo -display ":$traced" >/dev/null 2>&1 || fail "$xtrace serves no display :$traced (is it glibc's function tracer?)"
  # The gauge alone through the tracer (the X tools ask the server itself), and
  # without shared memory: its replies carry file descriptors the tracer cannot pass.
  start DISPLAY=":$traced" QT_XCB_NO_MITSHM=1
  open_options
  poll "$deadline" grep -q 'Rectangles.*[{]x=0 y=0 w=467 h=148[}]' "$scratch/trace" || fail "no outline for the options view on the wire"
  awk '/Event ConfigureNotify.* width=467 height=148/ {given = NR} /Rectangles.*[{]x=0 y=0 w=467 h=148[}]/ {shaped = NR; exit}
    END {exit !(given && shaped > given)}' "$scratch/trace" || fail "the options view's outline went out before its size"
  kill "${helpers[@]}" && rm -f "/tmp/.X11-unix/X$traced"
}

# A tiling window manager (i3) floats the gauge at its own size and place, in
# both views; without the SHAPE extension (x_faults.c) the window stays square
# and works all the same.
tiling_window_manager() {
  start LD_PRELOAD="$X_FAULTS" X_FAULT=no-shape
  becomes "67 67 80 80"  # where it was asked to be: i3 puts its frame there at first
  x mousemove --window "$window" 40 40 click 3
  poll "$deadline" eval '[[ $(place) == *" 467 148" ]]' || fail "the options view tiled: $(place)"
}

# What a screen reader finds over AT-SPI (screen_reader.py); run on a session
# bus of its own (dbus-run-session).
screen_reader() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  local bus=$!
  start QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  DEADLINE=$deadline /usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "what a screen reader finds"
  kill "$bus"
}

needle_and_f12() {
  settings '[Optionen]\ntxtHeight=2220\n'
  start
  needle_follows 67 67 memory_load
  x key F12  # a tap between two ticks
  becomes "869 0 148 148"  # Left = 15360 - 2220 x 1.05 twips
}

# Keys typed in the gauge view reach the unseen size box; letters and
# separators are refused, and typing stops at five digits. Shift+F10 opens
# the options as the right button does; Return in a box presses "weiter".
options_typing_and_weiter() {
  start
  keys BackSpace BackSpace BackSpace BackSpace
  x type 1a5
  x key shift+F10
  becomes "67 67 467 148"
  settles "(192,192,192) (192,192,192)" "the panel, square" eval 'shot 67 67 467 148 panel && echo $(pixel panel 300 75) $(pixel panel 466 147)'
  click_panel 1695 1200 645 330  # txtHeight
  x key End
  x type .b0,0
  x key Home
  x type 00
  x key Return  # in the box: "weiter"
  becomes "67 67 100 100"
  settles "01500 1" "the stored options" eval 'echo $(stored txtHeight) $(stored Monis)'
  open_options  # only a click that starts on the red cross ends the program
  x mousemove 241 207 mousedown 1 mousemove 501 183 mouseup 1
  ended_within 1; check $? 124 "a release on the cross"
  x click 1
  ended_within "$deadline"; check $? 0 "the red cross"
  check "$(stored lblHDRAM.Caption)" "RAM"
}

# A double-click is a click and then nothing more: the source switches once.
dots_and_df() {
  settings '[Optionen]\ntxtHeight=2220\n'
  start
  becomes "67 67 148 148"
  x mousemove 141 183 click --repeat 2 --delay 80 1  # 634 twips below the pivot
  needle_follows 67 67 disk_use
  check "$(stored lblHDRAM.Caption)" "HD"
}

clipboard_and_autostart() {
  start
  printf geheim | xclip -selection clipboard
  poll "$deadline" eval '[[ $(xclip -o -selection clipboard 2>/dev/null) == geheim ]]' || fail "xclip holds nothing"
  keys Menu  # as the right button does
  becomes "67 67 467 148"
  click_panel 330 420 2100 285  # "Speicher aufräumen"
  settles "" "the clipboard" xclip -o -selection clipboard
  click_panel 2940 105 1485 285  # "AutoStart"
  box=$(wait_window "$deadline" "$window") || fail "no confirmation box"
  check "$(property _NET_WM_NAME "$box")" '"Zeltavor"'
  check "$(sed -n 's/^Exec=//p' "$config/autostart/Zeltavor.desktop")" "$gauge" "Exec"  # a plain path needs no quoting
  poll "$deadline" focused "$box" || fail "the box has no focus"
  x key Return  # closes the box; the program goes on
  poll "$deadline" eval '! mapped "$box"' || fail "the box stays"
  ended_within 0.1; check $? 124 "still running"
}

# A logout never waits for a click: not during a drag, not while a box is
# open, not when the options cannot be saved (that ends it with status 1).
logout_whatever_is_open() {
  settings '[Optionen]\nMonis=7\nno setting\ntxtHeight=abc\nlblHDRAM.Caption=HD\n'  # damaged by hand
  start
  becomes "67 67 148 148"
  x mousemove 107 107 mousedown 1 mousemove 147 137
  becomes "107 97 148 148"
  terminate; check $? 0 "dragging"
  x mouseup 1
  check "$(stored txtHeight) $(stored Monis) $(stored lblHDRAM.Caption)" "2220 2 HD" "as start-up corrected them"
  [[ -f $config/MEM.conf.unlesbar ]] || fail "the damaged file is not set aside"
  start
  open_options
  click_panel 2940 105 1485 285  # "AutoStart"
  wait_window "$deadline" "$window" >/dev/null || fail "no confirmation box"
  terminate; check $? 0 "the AutoStart box open"
  rm "$config/MEM.conf" && mkfifo "$config/MEM.conf"  # never opened; no save can succeed
  start
  terminate; check $? 1 "a failing save"
  start
  becomes "67 67 80 80"  # nothing read
  x mousemove 87 87 click 1  # the release fails to save
  wait_window "$deadline" "$window" >/dev/null || fail "no error box"
  terminate; check $? 1 "the error box open"
}

# When its X server goes away the gauge ends with one German line and status
# 1; Qt's other messages, as many as its debug output gives, do not end it.
x_server_goes_away() {
  start QT_LOGGING_RULES="qt.qpa.*=true"
  poll "$deadline" grep -q "qt[.]qpa" "$scratch/errors" || fail "Qt says nothing"
  ended_within 0; check $? 124 "running while Qt talks"
  kill "$X_SERVER_PID"
  ended_within "$deadline"; check $? 1 "exit status"
  check "$(grep X-Server "$scratch/errors")" "zeltavor: Die Verbindung zum X-Server ist abgebrochen; das Programm endet." "the one goodbye"
}

# Standard error closed, as some launchers leave it, or a pipe that nobody
# reads and whose reader then goes: the gauge runs on, whatever Qt says.
standard_error_nobody_reads() {
  export XDG_CONFIG_HOME=$config QT_LOGGING_RULES="qt.qpa.*=true"
  start_program bash -c 'exec "$0" 2>&-' "$gauge"
  terminate; check $? 0 "closed"
  mkfifo "$scratch/pipe" && exec 4<>"$scratch/pipe" && head -c 65536 /dev/zero >&4  # full, and never read
  start_program bash -c 'exec "$0" 2>"$1"' "$gauge" "$scratch/pipe"
  exec 4>&-
  becomes "67 67 80 80"
  x mousemove 107 107 click 1
  terminate; check $? 0 "a pipe nobody reads"
}

# Without an X server the gauge says how to get one, in one line, and exits
# 1, also when the server refuses it, has too few colours or Qt cannot
# connect after all (x_faults.c); --help
# and --version need none, and anything else is refused.
no_x_server() {
  [[ $(env -u DISPLAY "$gauge" --version) == "zeltavor "[0-9]* ]] || fail "no version"
  env -u DISPLAY "$gauge" --help | grep -q "^Aufruf: zeltavor" || fail "no help"
  env -u DISPLAY "$gauge" --bunt 2>/dev/null; check $? 2 "an unknown option"
  [[ $(env -u DISPLAY "$gauge" --version extra 2>&1) == *"Argument „extra“"* ]] || fail "the word it cannot use is not named"
  for display in "" ":999"; do
    output=$(env -u WAYLAND_DISPLAY DISPLAY="$display" "$gauge" 2>&1)
    status=$?
    [[ $status -eq 1 && $(wc -l <<< "$output") -eq 1 && $output == *"kein X-Server erreichbar"*"xvfb-run"* ]] ||
      fail "DISPLAY='$display': status $status, output: $output"
  done
  xauth -f "$scratch/cookie" add :0 . "$(mcookie)"
  for server in "-auth $scratch/cookie/verweigert den Zugang" "-screen 0 640x480x8/8 Bit Farbtiefe ohne Echtfarben"; do
    Xvfb -displayfd 5 ${server%/*} -nolisten tcp 5>"$scratch/other" 2>/dev/null &
    poll "$deadline" test -s "$scratch/other"
    output=$(XAUTHORITY=/nonexistent DISPLAY=":$(cat "$scratch/other")" timeout "$deadline" "$gauge" 2>&1)
    [[ $? -eq 1 && $(wc -l <<< "$output") -eq 1 && $output == *"${server##*/}"* ]] || fail "${server%/*}: $output"
    kill $! && wait $! && : >"$scratch/other"
  done
  output=$(LD_PRELOAD=$X_FAULTS X_FAULT=refuse-second "$gauge" 2>&1)
  [[ $? -eq 1 && $output == *"kein X-Server erreichbar"* ]] || fail "Qt failing to connect: $output"
}

declare -F "$2" >/dev/null || fail "no scenario named '$2'"
"$2"
