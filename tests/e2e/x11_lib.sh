# What the scenarios share, sourced on x_session.sh's X server: starting a
# program, asking the X tools about its windows, points and colours on the
# screen, and reporting. Every check that fails says so and fails the run.
# Nothing waits for a fixed time: each wait is for the state it names, up to
# $deadline seconds, so that a busy machine only makes a run slower.
set -u
deadline=${DEADLINE:-30}
failed=0
scratch=$(mktemp -d)
helpers=()  # processes a scenario starts beside the program, ended with it
trap 'kill "${helpers[@]}" 2>/dev/null; end_program; rm -rf "$scratch"; exit "$failed"' EXIT

fail() { echo "FAILED: $*" >&2; failed=1; }
check() { [[ $1 == "$2" ]] || fail "${3:-check}: got '$1', expected '$2'"; }  # ACTUAL EXPECTED [WHAT]
settles() {  # EXPECTED WHAT COMMAND...: the command's output comes to be EXPECTED
  local expected=$1 what=$2; shift 2
  poll "$deadline" output_is "$expected" "$@" || check "$("$@")" "$expected" "$what"
}
output_is() { [[ $("${@:2}") == "$1" ]]; }
poll() {  # SECONDS COMMAND...: true once the command succeeds within the time, tried every 50 ms
  local tries; tries=$(awk -v s="$1" 'BEGIN {print int(s * 20)}'); shift
  until "$@"; do ((tries-- > 0)) || return 1; sleep 0.05; done
}

# Starts a command in the background as $program, its standard error to
# $scratch/errors, and waits for its window: $window.
start_program() {
  "$@" 2>"$scratch/errors" &
  program=$!
  window=$(wait_window "$deadline") || { fail "no window from $*: $(tail -3 "$scratch/errors")"; exit 1; }
}
# A visible window of $program other than the one named, if one is.
wait_window() { poll "$1" other_window "${2:-none}" >/dev/null && other_window "${2:-none}"; }
other_window() { xdotool search --onlyvisible --pid "$program" 2>/dev/null | grep -vxm1 "$1"; }
# Waits for $program to end within SECONDS; returns its exit status, or 124 if it goes on.
ended_within() {
  poll "$1" ended || return 124
  wait "$program"
}
ended() { ! kill -0 "$program" 2>/dev/null; }
end_program() { [[ -n ${program:-} ]] && kill -9 "$program" 2>/dev/null; wait 2>/dev/null; program=; }

place() { xdotool getwindowgeometry --shell "${1:-$window}" | awk -F= '{v[$1] = $2} END {print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}'; }
at_place() { [[ $(place) == "$1" ]]; }
becomes() { poll "$deadline" at_place "$1" || fail "the window stands at $(place), not at $1"; }
# Keys go where the X focus is: they wait until the window (or the one named) has it.
focused() { [[ $(xdotool getwindowfocus 2>/dev/null) == "${1:-$window}" ]]; }
keys() { poll "$deadline" focused || fail "no focus for the keys $*"; xdotool key "$@" || fail "xdotool key $*"; }
property() { xprop -notype -id "${2:-$window}" "$1" | sed -n 's/^[^=]* = //p'; }
mapped() { [[ -n $1 ]] && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }  # without an id xwininfo waits for a click
# The screen's pixels in an area: one "X,Y: (R,G,B) …" line each, as ImageMagick writes them.
shot() { import -silent -window root -crop "$3x$4+$1+$2" -depth 8 txt:- > "$scratch/$5"; }
pixel() { awk -v at="$2,$3:" '$1 == at {print $2; exit}' "$scratch/$1"; }
# The red needle's direction in degrees clockwise from twelve, from the pure
# red pixels between hub and tip of the 148-pixel dial at X Y.
needle() {
  shot "$1" "$2" 148 148 needle
  awk -F'[,:() ]+' 'NR > 1 && $3 > 200 && $4 < 60 && $5 < 60 {
      dx = $1 + 0.5 - 74; dy = $2 + 0.5 - 74; r = sqrt(dx * dx + dy * dy)
      if (r > 12 && r < 60) { x += dx; y += dy; n++ } }
    END { if (n >= 20) printf "%.1f\n", (atan2(x, -y) * 45 / atan2(1, 1) + 360) % 360 }' "$scratch/needle"
}
# Where the dial points for a reading: above 60 % it is compressed, 41.66 % is
# at twelve, a percent is 0.6 of a step of 6 degrees.
dial() {
  awk -v p="$1" 'BEGIN { if (p > 60) p = 60 + (p - 60) * 0.6; s = (p - 41.66) * 0.6 - 60
    s = s < 0 ? -int(-s + 0.5) : int(s + 0.5); print (s % 60 + 60) % 60 * 6 }'
}
# Whether the needle at X Y points where the dial puts READING (a command's output).
points_at() {
  awk -v a="$(needle "$1" "$2")" -v b="$(dial "$($3)")" 'BEGIN { d = a - b; d = d < 0 ? -d : d; exit !(a != "" && (d < 4 || d > 356)) }'
}
needle_follows() {
  poll "$deadline" points_at "$@" || fail "the needle points at $(needle "$1" "$2") degrees, the dial puts $($3) % at $(dial "$($3)")"
}
