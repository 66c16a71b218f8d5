#!/usr/bin/env bash
# Installs what building, testing and running Orbivox32 needs on Debian 12.
# Quick when everything is there already; needs root (or sudo) when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-speech-dev qt6-declarative-dev libgl-dev
  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
  qt6-qpa-plugins libqt6svg6
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth python3
  libhamlib-utils
)

# The map images are drawn at build time from public map data fetched with npm.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(nodejs npm)
fi
bash "$(dirname "$0")/install-packages.sh" "${packages[@]}"

# Map data (pinned by tools/mapdata/package-lock.json) goes into .cache/mapdata, outside
# what git tracks; CMake reads it from there (ORBIVOX_MAP_DATA overrides the folder).
cd "$(dirname "$0")/.."
map_data="${ORBIVOX_MAP_DATA:-$PWD/.cache/mapdata}"
if ! cmp -s tools/mapdata/package-lock.json "$map_data/package-lock.json" ||
   [ ! -d "$map_data/node_modules/world-atlas" ]; then
  echo "Fetching map data into $map_data"
  mkdir -p "$map_data"
  cp tools/mapdata/package.json tools/mapdata/package-lock.json "$map_data/"
  (cd "$map_data" && npm ci --ignore-scripts --legacy-peer-deps --no-audit --no-fund --loglevel=error)
fi
