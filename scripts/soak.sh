#!/usr/bin/env bash
# The long run: `orbivox track --now` over DAYS simulated days (default 7: 604,800 ticks at
# speed 1, CAT delay 0) in a scratch home, with a group of 24 satellites of the bundled
# element file, the list written to a file. Fails when the memory at the end is more than 5 %
# above the memory after the first simulated hour, when the run printed an error line, or
# when its last list line differs from `orbivox look` for that instant and satellite.
# It also checks the stepped clock: the last tick must lie (ticks - 1) seconds after START.
# The radio and rotor emulators join the run once `orbivox track` drives a radio and a rotor.
# Not part of the test run; needs a build (bash scripts/build.sh). Prints its figures; the
# memory is sampled once a second, so "after the first hour" is the first sample past it.
#
#   bash scripts/soak.sh [DAYS] [START]     START defaults to 2026-03-01T00:00:00Z
set -euo pipefail
cd "$(dirname "$0")/.."
days="${1:-7}"
start="${2:-2026-03-01T00:00:00Z}"
orbivox="$PWD/${ORBIVOX_BUILD_DIR:-build}/bin/orbivox"
if [ ! -x "$orbivox" ]; then
  echo "soak: no $orbivox; build first (bash scripts/build.sh)" >&2
  exit 2
fi
ticks=$((days * 86400))
hour_lines=$((3600 + 1)) # the header and the first hour's ticks

work="$(mktemp -d "${TMPDIR:-/tmp}/orbivox-soak-XXXXXX")"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "soak: $days simulated days ($ticks ticks) from $start in $work"

# The first start makes the data folders from the bundled defaults.
folder() { "$orbivox" folders | sed -n "s/^$1: //p"; }
main="$(folder 'main data folder')"
cfg="$(folder 'configuration data folder')"
group="$(head -n 1 "$cfg/SatFiles.SQF" | tr -d '\r')"
source_line="$(head -n 1 "$main/SatSources.SQF" | tr -d '\r')"
elements="$main/$(printf '%s' "$source_line" | tr '\\' '/')"

# The group: the first 24 satellites of its element file (the title above each line 1).
awk '/^1 / { if (prev != "") print prev } { prev = $0 }' "$elements" | tr -d '\r' |
  sed 's/ *$//' | head -n 24 >"$work/names"
if [ "$(wc -l <"$work/names")" -ne 24 ]; then
  echo "soak: $elements holds fewer than 24 satellites" >&2
  exit 2
fi
awk '{ printf "%s\r\n+\r\n", $0 }' "$work/names" >"$cfg/$group.Sat"
# SatIni.SQF line 6: the CAT delay.
sed -i '6s/.*/0\r/' "$cfg/SatIni.SQF"

out="$work/track.out"
err="$work/track.err"
"$orbivox" track --now "$start" --ticks "$ticks" --speed 1 >"$out" 2>"$err" &
pid=$!
began=$SECONDS
hour_rss=""
last_rss=""
while kill -0 "$pid" 2>/dev/null; do
  rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)"
  if [ -n "$rss" ]; then
    last_rss="$rss"
    if [ -z "$hour_rss" ] && [ "$(wc -l <"$out")" -ge "$hour_lines" ]; then
      hour_rss="$rss"
    fi
  fi
  sleep 1
done
status=0
wait "$pid" || status=$?
elapsed=$((SECONDS - began))

failed=0
fail() {
  echo "soak: FAIL: $*"
  failed=1
}
lines="$(($(wc -l <"$out") - 1))"
echo "soak: $lines list lines in $elapsed s, exit status $status"
[ "$status" -eq 0 ] || fail "orbivox track ended with status $status"
[ "$lines" -eq "$ticks" ] || fail "$lines list lines for $ticks ticks"

# Error lines: anything on standard error, and any output line that is no list line.
if [ -s "$err" ]; then
  fail "$(wc -l <"$err") lines on standard error, the first: $(head -n 1 "$err")"
fi
odd="$(tail -n +2 "$out" | grep -cv '^[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9:.]*Z ' || true)"
[ "$odd" -eq 0 ] || fail "$odd output lines are no list lines"

if [ -z "$hour_rss" ]; then
  fail "no memory figure after the first simulated hour (the run was too short to sample)"
else
  growth="$(awk -v a="$hour_rss" -v b="$last_rss" 'BEGIN { printf "%.2f", (b - a) * 100 / a }')"
  echo "soak: memory after the first hour $hour_rss KiB, at the end $last_rss KiB ($growth %)"
  awk -v g="$growth" 'BEGIN { exit !(g <= 5) }' || fail "memory grew by $growth %"
fi

# The stepped clock: the last tick lies (ticks - 1) seconds after the start, to the millisecond.
last="$(tail -n 1 "$out")"
expected="$(date -u -d "@$(($(date -u -d "$start" +%s) + ticks - 1))" +%Y-%m-%dT%H:%M:%S.000Z)"
[ "${last%% *}" = "$expected" ] || fail "the last tick is at ${last%% *}, not $expected"

# The last list line against a fresh look at its instant for the working satellite (the
# group's first), compared as the list rounds: azimuth, elevation and MA to 0.1, height and
# range to 1 km.
instant="${last%% *}"
satellite="$(head -n 1 "$work/names")"
site="$(tr -d '\r' <"$cfg/SatIni.SQF" | awk 'NR == 1 { alt = $1 } NR == 3 { lon = $1 } NR == 4 { lat = $1 }
  END { printf "%s,%s,%s", lat, lon, alt }')"
look="$("$orbivox" look --site "$site" --sat "$satellite" --at "$instant" "$elements")"
# The list shows the orbit number minus 1, rounded; longitude and latitude whole degrees.
listed="$(printf '%s\n' "$last" | awk '{ printf "%s %s %s %s %s %s %s %s", $2, $3, $4, $5, $6, $7, $8, $9 }')"
looked="$(printf '%s\n' "$look" | awk -F'|' '{ split($2, v, " ");
  printf "%.1f %.1f %.1f %.0f %.0f %.0f %.0f %.0f", v[1], v[2], v[8], v[7], v[3], v[6], v[5], v[9] - 1 }')"
echo "soak: last line  $last"
echo "soak: look       $look"
[ "$listed" = "$looked" ] || fail "the last list line ($listed) differs from look ($looked)"

if [ "$failed" -eq 0 ]; then
  rm -rf "$work"
  echo "soak: passed"
else
  echo "soak: output kept in $work"
fi
exit "$failed"
