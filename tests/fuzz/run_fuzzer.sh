#!/usr/bin/env bash
# Runs one fuzzer for a bounded time from the corpus kept in the repository;
# what it finds new goes to a scratch folder, a crash fails the test.
# Usage: run_fuzzer.sh FUZZER CORPUS_DIR SECONDS
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$corpus"
cd "$scratch"
set +e
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
  "$scratch" "$corpus" >log 2>&1
status=$?
set -e
# On a finding the whole report; otherwise how much was run.
if [[ $status -ne 0 ]]; then cat log; else grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' log; fi
exit "$status"
