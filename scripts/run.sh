#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Orbivox32 and starts it on its bundled
# default data. Without a display the command-line tool runs instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build_dir="${ORBIVOX_BUILD_DIR:-build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): starting the command-line tool orbivox instead of the desktop program."
  "$build_dir/bin/orbivox" folders
  exec "$build_dir/bin/orbivox" track
fi
exec "$build_dir/bin/Orbivox32"
