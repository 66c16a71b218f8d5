#!/usr/bin/env bash
# Runs the whole suite, plain in build/ and under the sanitizers in build-asan/, while
# stress-ng keeps every core busy: a test that only holds on an idle machine fails here.
# ORBIVOX_BUSY_RUNS=N repeats each suite N times (default 1). stress-ng is stopped on the
# way out, failed or not. Run it at a lower priority on a shared machine:
#   nice -n 10 bash scripts/test-busy.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/install-packages.sh stress-ng
runs="${ORBIVOX_BUSY_RUNS:-1}"

# Built before the load starts: the load is for the tests.
bash scripts/build.sh
ORBIVOX_BUILD_DIR=build-asan ORBIVOX_SANITIZE=1 bash scripts/build.sh

stress-ng --cpu "$(nproc)" --quiet &
stress_pid=$!
trap 'kill "$stress_pid" 2>/dev/null || true; wait "$stress_pid" 2>/dev/null || true' EXIT

for run in $(seq "$runs"); do
  echo "== busy run $run of $runs: plain"
  bash scripts/test.sh
  echo "== busy run $run of $runs: sanitizers"
  ORBIVOX_BUILD_DIR=build-asan ORBIVOX_SANITIZE=1 bash scripts/test.sh
done
