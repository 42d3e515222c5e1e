#!/usr/bin/env bash
# Guards record and replay of the real program: the same summary line, and damaged files refused first.
# Usage: replay_test.sh GAME_DIR (on the test X server in DISPLAY)
set -u
game_dir=$1
source "$(dirname "$0")/lib.sh"
cd "$game_dir" || exit 1
export SDL_AUDIODRIVER=dummy

./spacefight --window --no-start-screen --record "$work/game.sfr" >"$work/recorded.txt" 2>"$work/err.log" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' 2>/dev/null | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key --delay 30 a a a a a a a a
for i in 1 2 3 4 5 6; do
  xdotool mousemove --window "$window" $((512 + i * 4)) 380 click 1
  sleep 0.3
done
xdotool key p
sleep 0.3
xdotool key p
xdotool keydown Left
sleep 0.4
xdotool keyup Left
sleep 0.4
xdotool key Escape
wait "$pid"; status=$?; pid=
check "recording: Escape ends it with status 0" test "$status" -eq 0
check "recording: one summary line ($(cat "$work/recorded.txt"))" \
  grep -qE '^frames [0-9]+, points [0-9]+, power [0-9]+, state [0-9a-f]{16}$' "$work/recorded.txt"

./spacefight --window --no-frame-cap --replay "$work/game.sfr" --frame-stats "$work/stats.json" \
  >"$work/replayed.txt" 2>>"$work/err.log"
check "replay: status 0" test "$?" -eq 0
check "replay: the same summary line ($(cat "$work/replayed.txt"))" cmp -s "$work/recorded.txt" "$work/replayed.txt"
check "replay: frame statistics written" grep -q '"frames": [1-9]' "$work/stats.json"

head -c 30 "$work/game.sfr" >"$work/cut.sfr"
env -u DISPLAY ./spacefight --replay "$work/cut.sfr" >"$work/out" 2>"$work/cut.err"
check "a truncated recording: status 2, before any window" test "$?" -eq 2
check "a truncated recording: one line naming it ($(cat "$work/cut.err"))" \
  test "$(cat "$work/cut.err")" = "spacefight: $work/cut.sfr: truncated frame 1"
check "nothing on standard error while recording and replaying" test ! -s "$work/err.log"
[ "$failures" -eq 0 ] || { cat "$work/err.log"; exit 1; }
