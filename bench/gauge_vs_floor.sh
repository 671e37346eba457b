#!/usr/bin/env bash
# The running gauge next to the /proc/meminfo floor and to a bare Qt window
# that reads it as often (Qt's own price for waking up), in one run on a
# virtual X server: CPU % over a measured stretch, and PSS before the bare
# window starts (it would share Qt's pages).
# Usage: bench/gauge_vs_floor.sh [SECONDS]   (after scripts/build; default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
exec tests/e2e/x_session.sh bash -c '
  set -euo pipefail
  seconds=$1
  # CPU time of every thread of a process, in nanoseconds.
  cpu_ns() { cat /proc/$1/task/*/schedstat | awk "{ s += \$1 } END { print s }"; }
  pss_kb() { awk "/^Pss:/ { print \$2 }" /proc/$1/smaps_rollup; }

  # All on the same core, so that all pay the same price for a wake-up.
  taskset -c 0 build/src/toolkit/qt/zeltavor & gauge=$!
  taskset -c 0 build/bench/meminfo_floor & floor=$!
  trap "kill $gauge $floor 2>/dev/null; wait" EXIT
  sleep 5   # past start-up and the sweep: the steady state is measured
  gp=$(pss_kb $gauge)
  taskset -c 0 build/bench/bare_window --read-meminfo & qt=$!
  trap "kill $gauge $floor $qt 2>/dev/null; wait" EXIT
  sleep 2
  g0=$(cpu_ns $gauge); f0=$(cpu_ns $floor); q0=$(cpu_ns $qt); t0=$(date +%s%N)
  sleep "$seconds"
  g1=$(cpu_ns $gauge); f1=$(cpu_ns $floor); q1=$(cpu_ns $qt); t1=$(date +%s%N)
  awk -v g=$((g1 - g0)) -v f=$((f1 - f0)) -v q=$((q1 - q0)) -v t=$((t1 - t0)) -v gp=$gp \
      -v fp=$(pss_kb $floor) -v s="$seconds" "BEGIN {
    printf \"over %d s           CPU %%      PSS\n\", s
    printf \"gauge           %8.4f %%  %6.1f MB\n\", 100 * g / t, gp / 1024
    printf \"floor           %8.4f %%  %6.1f MB\n\", 100 * f / t, fp / 1024
    printf \"Qt floor        %8.4f %%\n\", 100 * q / t
    printf \"gauge/floor     %8.2f x (CPU)\n\", g / f
    printf \"gauge/Qt floor  %8.2f x (CPU)\n\", g / q
  }"
' bench "$seconds"
