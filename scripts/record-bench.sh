#!/usr/bin/env bash
# Records the benchmark's minute of play, bench/one-minute.sfr, by flying the
# real game under its own Xvfb with scripted input: throttle, turns both ways,
# shots, straightening; all from the cockpit, the view the benchmark measures. Run it again when the recording format
# or the game's play changes (a replay that diverges says so).
#   scripts/record-bench.sh [SECONDS]    default 60
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" --play >/dev/null
display=:$((60 + RANDOM % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; kill "$xvfb" 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1
out="$root/bench/one-minute.sfr"
# The game's own defaults: a developer's settings file must not change the recording.
SDL_AUDIODRIVER=dummy XDG_DATA_HOME=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) "$root/build/game/spacefight" --no-start-screen --seed 7 --record "$out" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null
xdotool key --delay 40 a a a a a a a a a a a a a a a a a a a a
end=$(( $(date +%s) + seconds ))
i=0
while [ "$(date +%s)" -lt "$end" ]; do
  case $((i % 8)) in
    0|4) xdotool mousemove 532 384 click 1 ;;     # a slow turn right, a shot
    1|5) xdotool mousemove 512 394 click 1 ;;     # and down
    2) xdotool mousemove 492 384 ;;               # back left
    3|7) xdotool key c ;;                         # straight again
    6) xdotool keydown Up; sleep 0.3; xdotool keyup Up ;;
  esac
  i=$((i + 1))
  sleep 0.25
done
xdotool key Escape
wait "$pid" || true
pid=
ls -l "$out"
