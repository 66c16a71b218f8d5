#!/usr/bin/env bash
# Configures and builds into ${ORBIVOX_BUILD_DIR:-build}. ORBIVOX_SANITIZE=1 builds with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${ORBIVOX_BUILD_DIR:-build}"
sanitize=OFF
build_type=RelWithDebInfo
bench=ON
if [ "${ORBIVOX_SANITIZE:-0}" = 1 ]; then
  sanitize=ON
  build_type=Debug
  bench=OFF
fi
cmake -G Ninja -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" -DORBIVOX_SANITIZE="$sanitize" -DORBIVOX_BENCH="$bench" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
