#!/usr/bin/env bash
# The real gauge kept busy for a long stretch on a virtual X server: resident
# memory and X resources before and after.
# Usage: bench/soak.sh [SECONDS]   (after scripts/test has built it; default 600)
set -euo pipefail
cd "$(dirname "$0")/.."
ZELTAVOR_SOAK_SECONDS=${1:-600} exec tests/e2e/x_session.sh build/bench/soak
