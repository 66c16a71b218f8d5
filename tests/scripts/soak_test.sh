#!/usr/bin/env bash
# scripts/soak.sh over 30 simulated minutes around a pass of its working satellite: it passes
# with a sound radio, and fails on one that stores other frequencies than it is sent.
# Usage: soak_test.sh ORBIVOX
set -uo pipefail
export ORBIVOX="$1"
soak="$(dirname "$0")/../../scripts/soak.sh"
start=2026-03-01T04:20:00Z
status=0

if ! output="$(bash "$soak" 30m "$start" 2>&1)"; then
  echo "the soak failed with a sound radio:"
  echo "$output"
  status=1
fi
for expected in "1800 ticks" "rotor: 114 set points sent, 114 taken by GS232Srv, 114 by the controller" \
  "soak: passed"; do
  grep -qF "$expected" <<<"$output" || { echo "no \"$expected\" in:"; echo "$output"; status=1; }
done

if output="$(SOAK_RADIO_FAULT="--round-to 100" bash "$soak" 30m "$start" 2>&1)"; then
  echo "the soak passed with a radio that alters frequencies:"
  echo "$output"
  status=1
fi
grep -q "FAIL: [0-9]* frequencies differ between the run and the radio" <<<"$output" ||
  { echo "no difference reported:"; echo "$output"; status=1; }
# A failed soak keeps its output; this one was meant to fail.
rm -rf "$(sed -n 's/^soak: output kept in //p' <<<"$output")"
exit "$status"
