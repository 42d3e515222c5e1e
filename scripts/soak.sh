#!/usr/bin/env bash
# Plays the real game for MINUTES under its own Xvfb with a storm of input:
# shots, throttle keys, view and draw-mode keys, pointer moves. Reports the
# shots fired and the resident memory over time, then ends the game with
# Escape. Fails when the game dies, does not end with status 0, or its
# resident memory grows by more than 1 MiB after the first minute.
#   scripts/soak.sh MINUTES
set -euo pipefail
minutes=${1:?usage: scripts/soak.sh MINUTES}
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" >/dev/null
work=$(mktemp -d)
display=:$((60 + RANDOM % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
# Its own settings and data folders: a soak never reads or writes the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
sleep 1
cd "$root/build/game"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null ./spacefight --no-start-screen >"$work/out.log" 2>"$work/err.log" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null

rss() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }   # kB
start=$(date +%s)
end=$((start + minutes * 60))
shots=0
rss_minute=
keys=(a a a y y F1 F2 F3 F4 F5 F6)
echo "minute rss_kB shots"
next_report=$((start + 60))
while [ "$(date +%s)" -lt "$end" ]; do
  kill -0 "$pid" 2>/dev/null || { echo "FAILED: the game died"; cat "$work/err.log"; exit 1; }
  xdotool mousemove $((412 + RANDOM % 200)) $((284 + RANDOM % 200)) click 1 \
    key "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null || true
  shots=$((shots + 1))
  sleep 0.1
  now=$(date +%s)
  if [ "$now" -ge "$next_report" ]; then
    r=$(rss)
    echo "$(( (now - start) / 60 )) $r $shots"
    [ -n "$rss_minute" ] || rss_minute=$r
    next_report=$((next_report + 60))
  fi
done
final=$(rss)
xdotool key Escape
status=0
wait "$pid" || status=$?
pid=
growth=$((final - ${rss_minute:-$final}))
echo "shots: $shots; resident memory: ${rss_minute:-?} kB after the first minute, $final kB at the end ($growth kB growth); exit status $status"
[ "$status" -eq 0 ] || { echo "FAILED: exit status $status"; exit 1; }
[ "$growth" -le 1024 ] || { echo "FAILED: resident memory grew by $growth kB"; exit 1; }
