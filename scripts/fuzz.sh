#!/usr/bin/env bash
# Fuzzes every reader for SECONDS each (default 120): builds the libFuzzer programs with
# Debian's clang (installed when missing) into build-fuzz/, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each from its checked-in corpus with one job per
# core. New inputs go to build-fuzz/corpus/<target>/ (copy the ones worth keeping, small,
# into fuzz/corpus/<target>/); a crash leaves its input in build-fuzz/crashes/<target>/ and
# ends the script with a failure. Ends with one line per target: executions and crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-120}"
build_dir=build-fuzz
if ! command -v clang++ >/dev/null; then
  sudo apt-get install -y clang
fi
cmake -G Ninja -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DORBIVOX_FUZZ=ON -DORBIVOX_BENCH=OFF >/dev/null
targets=$(sed -n 's/^ *{"\([a-z-]*\)", Fuzz[A-Za-z]*},$/\1/p' fuzz/FuzzTargets.cpp)
cmake --build "$build_dir" -j"$(nproc)" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

jobs="$(nproc)"
summary=()
failed=0
for t in $targets; do
  mkdir -p "$build_dir/corpus/$t" "$build_dir/crashes/$t" "$build_dir/logs/$t"
  rm -f "$build_dir/logs/$t"/*
  echo "== $t: $seconds s, $jobs jobs"
  status=0
  (cd "$build_dir/logs/$t" &&
    ASAN_OPTIONS=detect_leaks=1 ../../fuzz/fuzz_"$t" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -jobs="$jobs" -workers="$jobs" -print_final_stats=1 \
      -artifact_prefix="../../crashes/$t/" \
      "../../corpus/$t" "../../../fuzz/corpus/$t" >/dev/null 2>&1) || status=$?
  execs=$(cat "$build_dir/logs/$t"/fuzz-*.log 2>/dev/null |
    sed -n 's/^stat::number_of_executed_units: *//p' | awk '{s += $1} END {print s + 0}')
  crashes=$(find "$build_dir/crashes/$t" -type f | wc -l)
  summary+=("$(printf '%-20s %12s executions  %d crashes' "$t" "$execs" "$crashes")")
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    failed=1
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
