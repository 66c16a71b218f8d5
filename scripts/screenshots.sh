#!/usr/bin/env bash
# Takes the user guide's screenshots (docs/images/*.png) from the real desktop program on a
# virtual display (Xvfb with openbox), on the bundled default data in a scratch HOME.
# Needs a build (scripts/build.sh) and the packages xvfb, openbox, xdotool, imagemagick.
# Each shot is a row below: the file, the keys that open the window, the window's title.
# A window that does not open (a menu item not there yet) is reported and left out.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${ORBIVOX_BUILD_DIR:-build}"
program="$PWD/$build_dir/bin/Orbivox32"
out="$PWD/docs/images"
[ -x "$program" ] || { echo "No $program: build first (bash scripts/build.sh)" >&2; exit 1; }
for tool in Xvfb openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

shots=(
  "main-window||Orbivox32"
  "satellites|alt+s|Satellites"
  "observer-setup|alt+e o|Observer Setup"
  "rotor-setup|alt+e r|Rotor Setup"
  "radio-setup|alt+e a|Radio Setup"
  "cat-tuning|alt+c|CAT Tuning"
  "mode|alt+m|Mode"
)

scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)

mkdir -p -m 700 "$scratch/home/operator" "$scratch/runtime"
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$scratch/home/operator" XDG_RUNTIME_DIR="$scratch/runtime" \
  LANG=C.UTF-8 "$program" >"$scratch/program.log" 2>&1 &
pids+=($!)

# The id of the visible window with this exact title, waiting up to ten seconds.
find_window() {
  for _ in $(seq 100); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

main=$(find_window "Orbivox32.*" || true)
[ -n "$main" ] || { echo "The main window did not open:" >&2; cat "$scratch/program.log" >&2; exit 1; }
sleep 3  # a few ticks: the list line and the map filled in
# The bundled elements are old, so a fresh start offers "Update Keps": answered No.
offer=$(find_window "Update Keps" || true)
if [ -n "$offer" ]; then
  xdotool windowactivate --sync "$offer" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers Escape
  sleep 1
fi
mkdir -p "$out"
for row in "${shots[@]}"; do
  IFS='|' read -r name keys title <<<"$row"
  if [ -n "$keys" ]; then
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
    for key in $keys; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
  fi
  window=$(find_window "$title.*" || true)
  if [ -z "$window" ]; then
    echo "skipped $name: no window \"$title\" opened"
    continue
  fi
  sleep 1
  import -window "$window" "$scratch/$name.png"
  # Small files: at most 800 pixels wide, a palette of 128 colours, no metadata.
  convert "$scratch/$name.png" -resize '800x>' -strip -colors 128 "PNG8:$out/$name.png"
  echo "wrote docs/images/$name.png"
  if [ -n "$keys" ]; then
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers Escape || true
    for _ in $(seq 30); do
      xdotool search --onlyvisible --name "^$title" >/dev/null 2>&1 || break
      sleep 0.1
    done
  fi
done
