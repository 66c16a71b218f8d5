#!/usr/bin/env bash
# The long run: `orbivox track --now --json` over a simulated week (604,800 ticks at speed 1,
# CAT delay 0) in a scratch home, with a group of 24 satellites of the bundled element file,
# an IC-9700 emulator on radio 1 (CAT on, satellite mode, Doppler on both links, a 10 Hz send
# interval) and a GS-232B emulator driven by GS232Srv (rotor on, a set point every 10 s
# while the working satellite is up). Fails
# - when the memory or the open descriptors of `orbivox track` at the end are above those
#   after the first simulated hour (memory: by more than 5 %; GS232Srv's are shown too),
# - when the run printed an error line (standard error other than the pseudo-terminal's
#   "RTS/DTR could not be set" note, or a tick without a position),
# - when the frequencies the run says it sent (`sent_downlink_hz`, `sent_uplink_hz`) are not,
#   one for one and in order, those the radio emulator logged (to its 1 Hz step), or the
#   rotor set points (`rotor_az_deg`, `rotor_el_deg`) not those the rotor emulator was told,
# - when the last tick does not lie (ticks - 1) seconds after START, or its fields differ
#   from `orbivox look` for that instant and satellite.
# Not part of the test run (a 30-minute run is: SoakScript); needs a build (bash
# scripts/build.sh). Prints its figures. Memory and descriptors are sampled every 0.2 s of
# wall time, so "after the first hour" is the first sample past it; a run shorter than two
# simulated hours shows no such figures.
#
#   bash scripts/soak.sh [SPAN] [START]     SPAN: days (7), or 36h, 90m; START defaults to
#                                           2026-03-01T00:00:00Z
# SOAK_RADIO_FAULT holds fault options for the radio emulator (docs/cli.md, emulate).
# ORBIVOX names the orbivox program (default build/bin/orbivox, or ORBIVOX_BUILD_DIR's).
set -euo pipefail
cd "$(dirname "$0")/.."
span="${1:-7}"
start="${2:-2026-03-01T00:00:00Z}"
orbivox="${ORBIVOX:-$PWD/${ORBIVOX_BUILD_DIR:-build}/bin/orbivox}"
if [ ! -x "$orbivox" ]; then
  echo "soak: no $orbivox; build first (bash scripts/build.sh)" >&2
  exit 2
fi
case "$span" in
  *m) ticks=$((${span%m} * 60)) ;;
  *h) ticks=$((${span%h} * 3600)) ;;
  *d) ticks=$((${span%d} * 86400)) ;;
  *) ticks=$((span * 86400)) ;;
esac
hour_lines=3600

work="$(mktemp -d "${TMPDIR:-/tmp}/orbivox-soak-XXXXXX")"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
echo "soak: $span simulated ($ticks ticks) from $start in $work"

emulators=()
stop_emulators() {
  for emulator in "${emulators[@]}"; do
    kill "$emulator" 2>/dev/null || true
    wait "$emulator" 2>/dev/null || true
  done
  emulators=()
}
trap stop_emulators EXIT
# An emulator in the background, logging into $1; `device` is its device once it printed it.
emulate() {
  local log="$1"
  shift
  "$orbivox" emulate "$@" >"$log" 2>&1 &
  emulators+=($!)
  for _ in $(seq 100); do
    [ -s "$log" ] && break
    sleep 0.1
  done
  device="$(head -n 1 "$log")"
}

# The first start makes the data folders from the bundled defaults.
folder() { "$orbivox" folders | sed -n "s/^$1: //p"; }
main="$(folder 'main data folder')"
cfg="$(folder 'configuration data folder')"
group="$(head -n 1 "$cfg/SatFiles.SQF" | tr -d '\r')"
source_line="$(head -n 1 "$main/SatSources.SQF" | tr -d '\r')"
elements="$main/$(printf '%s' "$source_line" | tr '\\' '/')"

# The group: the first 24 satellites of its element file (the title above each line 1). The
# working satellite, the first, has a linear transponder in the bundled Doppler.SQF.
awk '/^1 / { if (prev != "") print prev } { prev = $0 }' "$elements" | tr -d '\r' |
  sed 's/ *$//' | head -n 24 >"$work/names"
if [ "$(wc -l <"$work/names")" -ne 24 ]; then
  echo "soak: $elements holds fewer than 24 satellites" >&2
  exit 2
fi
awk '{ printf "%s\r\n+\r\n", $0 }' "$work/names" >"$cfg/$group.Sat"
line() { sed -i "$2s/.*/$3\r/" "$cfg/$1"; }
line SatIni.SQF 5 3           # radio 1 on port 3
line SatIni.SQF 6 0           # CAT delay, ms
line IntVCatSSB.SQF 1 10      # the send interval of a linear transponder, Hz
line SatStart.SQF 1 +         # rotor on
line SatStart.SQF 2 +         # CAT on
line SatStart.SQF 4 +         # a rotor server
line SatStart.SQF 16 +        # the radio's satellite mode
line TRX.SQF 1 Icom
line IcomName.SQF 1 IC-9700
line RotorInterface.SQF 1 3   # AlleServer.SQF's fourth line: GS-232
printf '..\\..\\lib\\orbivox32\\GS232Srv\r\n' >"$cfg/RotorServer.SQF"
printf '4\r\n9600\r\n' >"$cfg/GS232Srv.SQF"
address="$(sed -n '2p' "$cfg/IcomPar.SQF" | tr -d '\r$' | cut -d, -f1)" # radio 1's CI-V address
# SOAK_RADIO_FAULT: emulator options for a faulty radio (--round-to 100 alters frequencies),
# to see the soak catch what the program did not.
emulate "$work/radio.log" icom --model IC-9700 --address "$address" ${SOAK_RADIO_FAULT:-}
radio="$device"
emulate "$work/rotor.log" gs232
rotor="$device"
printf '3=%s\r\n4=%s\r\n' "$radio" "$rotor" >"$cfg/ComPorts.SQF"
echo "soak: IC-9700 (CI-V $address) on $radio, GS-232B on $rotor"

# Memory (VmRSS, KiB) and open descriptors of a process, "rss fds", or nothing once it is gone.
usage() {
  local rss fds
  rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null)" || return 0
  fds="$(ls "/proc/$1/fd" 2>/dev/null | wc -l)" || return 0
  [ -n "$rss" ] && echo "$rss $fds"
  return 0
}
# GS232Srv started for this run: the one whose runtime folder is ours.
rotor_server() {
  local pid
  for pid in $(pgrep -x GS232Srv || true); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$work/run"; then
      echo "$pid"
      return
    fi
  done
}

out="$work/track.out"
err="$work/track.err"
"$orbivox" track --now "$start" --ticks "$ticks" --speed 1 --json >"$out" 2>"$err" &
pid=$!
began=$SECONDS
hour="" last="" server="" server_hour="" server_last="" most_fds=0
while kill -0 "$pid" 2>/dev/null; do
  now="$(usage "$pid")"
  [ -z "$server" ] && server="$(rotor_server)"
  server_now=""
  [ -n "$server" ] && server_now="$(usage "$server")"
  if [ -n "$now" ]; then
    last="$now"
    [ -n "$server_now" ] && server_last="$server_now"
    [ "${now#* }" -gt "$most_fds" ] && most_fds="${now#* }"
    if [ -z "$hour" ] && [ "$ticks" -ge $((2 * hour_lines)) ] &&
      [ "$(wc -l <"$out")" -ge "$hour_lines" ]; then
      hour="$now"
      server_hour="$server_now"
    fi
  fi
  sleep 0.2
done
status=0
wait "$pid" || status=$?
elapsed=$((SECONDS - began))
# The emulators log what they read on their own time: stopped once their logs rest.
logs() { stat -c %s "$work/radio.log" "$work/rotor.log"; }
size=-1
while [ "$size" != "$(logs)" ]; do
  size="$(logs)"
  sleep 0.2
done
stop_emulators

failed=0
fail() {
  echo "soak: FAIL: $*"
  failed=1
}
lines="$(wc -l <"$out")"
echo "soak: $lines ticks in $elapsed s, exit status $status"
[ "$status" -eq 0 ] || fail "orbivox track ended with status $status"
[ "$lines" -eq "$ticks" ] || fail "$lines JSON lines for $ticks ticks"

# Error lines: anything on standard error but the pseudo-terminal's note, any line that is
# no tick, and any tick without a position.
grep -vx "RTS/DTR could not be set on $radio" "$err" >"$work/errors" || true
if [ -s "$work/errors" ]; then
  fail "$(wc -l <"$work/errors") lines on standard error, the first: $(head -n 1 "$work/errors")"
fi
odd="$(grep -cv '^{"time":"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]T[0-9:.]*Z","name":' "$out" || true)"
[ "$odd" -eq 0 ] || fail "$odd output lines are no ticks"
lost="$(grep -c '"error":' "$out" || true)"
[ "$lost" -eq 0 ] || fail "$lost ticks without a position"

# Memory and descriptors: flat from the first simulated hour to the end.
if [ -z "$hour" ]; then
  echo "soak: too short for memory and descriptor figures (they need two simulated hours)"
else
  read -r hour_rss hour_fds <<<"$hour"
  read -r last_rss last_fds <<<"$last"
  growth="$(awk -v a="$hour_rss" -v b="$last_rss" 'BEGIN { printf "%.2f", (b - a) * 100 / a }')"
  echo "soak: orbivox track after the first hour $hour_rss KiB, $hour_fds descriptors;" \
    "at the end $last_rss KiB ($growth %), $last_fds descriptors (at most $most_fds)"
  awk -v g="$growth" 'BEGIN { exit !(g <= 5) }' || fail "memory grew by $growth %"
  [ "$last_fds" -le "$hour_fds" ] || fail "descriptors went from $hour_fds to $last_fds"
  if [ -n "$server_hour" ] && [ -n "$server_last" ]; then
    echo "soak: GS232Srv after the first hour ${server_hour% *} KiB, ${server_hour#* }" \
      "descriptors; at the end ${server_last% *} KiB, ${server_last#* } descriptors"
  fi
fi

# Every frequency sent reached the radio, in order: the run's sends (downlink, then uplink)
# against the emulator's "set frequency" lines, to its 1 Hz step.
grep -o '"sent_[a-z]*_hz":[0-9]*' "$out" | cut -d: -f2 >"$work/sent-frequencies"
sed -n 's/^[0-9A-F]* set frequency \([0-9]*\)\.\([0-9]\{6\}\) MHz$/\1\2/p' "$work/radio.log" |
  sed 's/^0*//' >"$work/radio-frequencies"
sends="$(grep -c '"sent_downlink_hz"' "$out" || true)"
sent="$(wc -l <"$work/sent-frequencies")"
heard="$(wc -l <"$work/radio-frequencies")"
echo "soak: radio: $sends sends, $sent frequencies sent, $heard set by the emulator"
[ "$sends" -gt 0 ] || fail "no frequency was sent"
[ "$sent" -eq "$heard" ] || fail "$sent frequencies sent, $heard reached the radio"
differ="$(paste -d' ' "$work/sent-frequencies" "$work/radio-frequencies" |
  awk '{ d = $1 - $2 } d > 1 || d < -1 { n++; if (n == 1) first = NR ": sent " $1 ", set " $2 }
       END { print n + 0 " frequencies differ between the run and the radio" \
               (n ? " (the first, number " first ")" : "") }')"
[ "${differ%% *}" -eq 0 ] || fail "$differ"

# Every rotor set point reached the controller: through GS232Srv (its log) to the emulator.
grep -o '"rotor_az_deg":[0-9.-]*,"rotor_el_deg":[0-9.-]*' "$out" |
  sed 's/"rotor_az_deg":\(.*\),"rotor_el_deg":\(.*\)/\1 \2/' >"$work/sent-points"
sed -n 's/^move to azimuth \([0-9]*\), elevation \([0-9]*\)$/\1 \2/p' "$work/rotor.log" \
  >"$work/rotor-points"
points="$(wc -l <"$work/sent-points")"
moved="$(wc -l <"$work/rotor-points")"
served="$(grep -c ' position ' "$cfg/GS232Srv.log" || true)"
echo "soak: rotor: $points set points sent, $served taken by GS232Srv, $moved by the controller"
[ "$points" -gt 0 ] || fail "no rotor set point was sent"
cmp -s "$work/sent-points" "$work/rotor-points" ||
  fail "the rotor set points differ from those the controller was told ($(diff "$work/sent-points" \
    "$work/rotor-points" | head -n 1))"
grep -q ' Close$' "$cfg/GS232Srv.log" || fail "GS232Srv was not closed"

# The stepped clock: the last tick lies (ticks - 1) seconds after the start, to the millisecond.
last_line="$(tail -n 1 "$out")"
field() { printf '%s\n' "$last_line" | sed -n "s/.*\"$1\":\"\{0,1\}\([^,\"}]*\).*/\1/p"; }
instant="$(field time)"
expected="$(date -u -d "@$(($(date -u -d "$start" +%s) + ticks - 1))" +%Y-%m-%dT%H:%M:%S.000Z)"
[ "$instant" = "$expected" ] || fail "the last tick is at $instant, not $expected"

# The last tick against a fresh look at its instant for the working satellite (the group's
# first), compared as the list rounds: azimuth, elevation and MA to 0.1, height and range to
# 1 km.
satellite="$(head -n 1 "$work/names")"
site="$(tr -d '\r' <"$cfg/SatIni.SQF" | awk 'NR == 1 { alt = $1 } NR == 3 { lon = $1 } NR == 4 { lat = $1 }
  END { printf "%s,%s,%s", lat, lon, alt }')"
look="$("$orbivox" look --site "$site" --sat "$satellite" --at "$instant" "$elements")"
# The list shows the orbit number minus 1, rounded; longitude and latitude whole degrees.
listed="$(printf '%s %s %s %s %s %s %s %s' "$(field az_deg)" "$(field el_deg)" \
  "$(field mean_anomaly)" "$(field height_km)" "$(field range_km)" "$(field lon_deg)" \
  "$(field lat_deg)" "$(field orbit)")"
looked="$(printf '%s\n' "$look" | awk -F'|' '{ split($2, v, " ");
  printf "%.1f %.1f %.1f %.0f %.0f %.0f %.0f %.0f", v[1], v[2], v[8], v[7], v[3], v[6], v[5], v[9] - 1 }')"
echo "soak: last tick  $last_line"
echo "soak: look       $look"
[ "$listed" = "$looked" ] || fail "the last tick ($listed) differs from look ($looked)"

if [ "$failed" -eq 0 ]; then
  rm -rf "$work"
  echo "soak: passed"
else
  echo "soak: output kept in $work"
fi
exit "$failed"
