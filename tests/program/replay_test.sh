#!/usr/bin/env bash
# Guards record, replay and verify of the real program: the same summary line whatever the replaying player's
# settings say, and with no display at all; a cut recording played to its last whole frame, a frame captured alike
# on every run, damaged files refused first, a changed one diverging, a recording that cannot be written reported
# with its own exit status, an old one kept until play begins, a score attack's line and the day's seed, and
# a challenge refused or played, and output that cannot be written said and ending with status 4.
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
xdotool keydown Up
sleep 0.4
xdotool keyup Up
sleep 0.4
xdotool key Escape
wait "$pid"; status=$?; pid=
check "recording: Escape ends it with status 0" test "$status" -eq 0
check "recording: one summary line ($(cat "$work/recorded.txt"))" \
  grep -qE '^frames [0-9]+, points [0-9]+, power [0-9]+, state [0-9a-f]{16}$' "$work/recorded.txt"

# The replaying player's own settings change nothing: the arrow keys' commands carry the inversion.
printf 'invert_pitch = on\npointer_sensitivity = 7\ngamepad_dead_zone = 80\nframe_cap = on\nkey.fire = x\n' >"$work/own.conf"
./spacefight --window --no-frame-cap --replay "$work/game.sfr" --frame-stats "$work/stats.json" \
  --config "$work/own.conf" >"$work/replayed.txt" 2>>"$work/err.log"
check "replay: status 0" test "$?" -eq 0
check "replay: the same summary line ($(cat "$work/replayed.txt"))" cmp -s "$work/recorded.txt" "$work/replayed.txt"
check "replay: frame statistics written" grep -q '"frames": [1-9]' "$work/stats.json"
env -u DISPLAY ./spacefight --verify "$work/game.sfr" >"$work/verified.txt" 2>>"$work/err.log"
check "verify, no display: status 0" test "$?" -eq 0
check "verify: the same summary line ($(cat "$work/verified.txt"))" cmp -s "$work/recorded.txt" "$work/verified.txt"

# A score attack: its line names the mode, the seed and the wave, the same recorded, replayed and verified;
# the day's games share the day's seed.
./spacefight --window --mute --no-start-screen --mode waves --seed 7 --record "$work/waves.sfr" \
  >"$work/waves.txt" 2>>"$work/err.log" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' 2>/dev/null | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key --delay 30 a a a a
for i in 1 2 3 4; do xdotool mousemove --window "$window" $((500 + i * 6)) 390 click 1; sleep 0.3; done
xdotool key Escape
wait "$pid"; pid=
check "waves: recorded ($(cat "$work/waves.txt"))" \
  grep -qE '^frames [0-9]+, points [0-9]+, power [0-9]+, state [0-9a-f]{16}, mode waves, seed 7, wave [0-9]+$' "$work/waves.txt"
./spacefight --window --mute --no-frame-cap --replay "$work/waves.sfr" >"$work/waves-replayed.txt" 2>>"$work/err.log"
env -u DISPLAY ./spacefight --verify "$work/waves.sfr" >"$work/waves-verified.txt" 2>>"$work/err.log"
check "waves: the same line replayed and verified" \
  test "$(cat "$work/waves-replayed.txt")" = "$(cat "$work/waves.txt")" -a \
  "$(cat "$work/waves-verified.txt")" = "$(cat "$work/waves.txt")"
for run in 1 2; do
  timeout 30 ./spacefight --window --mute --no-start-screen --mode daily --record "$work/daily-$run.sfr" \
    >"$work/daily-$run.txt" 2>>"$work/err.log" &
  pid=$!
  timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null 2>&1
  sleep 1
  xdotool key Escape
  wait "$pid"; pid=
done
check "daily: two games of the day on its seed ($(cat "$work/daily-1.txt"))" \
  test "$(grep -o 'mode daily, seed [0-9]*' "$work/daily-1.txt")" = "mode daily, seed $(date -u +%Y%m%d)" -a \
  "$(grep -o 'seed [0-9]*' "$work/daily-2.txt")" = "$(grep -o 'seed [0-9]*' "$work/daily-1.txt")"

# The first 300 frames of the shipped minute (an older format), cut inside a frame and replayed
# under an inverted pitch: every checksum matches, the cut is named, status 0.
head -c 4000 "$(dirname "$0")/../../bench/one-minute.sfr" >"$work/minute-cut.sfr"
./spacefight --window --mute --no-frame-cap --replay "$work/minute-cut.sfr" --config "$work/own.conf" \
  >"$work/minute.txt" 2>"$work/minute.err"
check "a cut recording: status 0" test "$?" -eq 0
check "a cut recording: played to its last whole frame ($(cat "$work/minute.txt"))" \
  grep -q '^frames 304, points 0, power 490, state 5034a6f5993dba54$' "$work/minute.txt"
check "a cut recording: the cut named ($(cat "$work/minute.err"))" test "$(cat "$work/minute.err")" = \
  "Warning: $work/minute-cut.sfr is cut short after frame 304; it is played to there"
env -u DISPLAY ./spacefight --verify "$work/minute-cut.sfr" >"$work/minute-verified.txt" 2>"$work/minute-verified.err"
check "a cut recording verified: the replay's line, the cut named" \
  test "$(cat "$work/minute-verified.txt")" = "$(cat "$work/minute.txt")" -a \
  "$(cat "$work/minute-verified.err")" = "$(cat "$work/minute.err")"
# The first checksum of the shipped minute (frame 60, at byte 1070) changed: both ways diverge there, status 3.
cp "$work/minute-cut.sfr" "$work/changed.sfr"
printf '\x5a' | dd of="$work/changed.sfr" bs=1 seek=1076 conv=notrunc status=none
for way in --verify --replay; do
  timeout 60 ./spacefight --window --mute --no-frame-cap $way "$work/changed.sfr" >/dev/null 2>"$work/changed.err"
  status=$?
  check "$way of a changed recording: status 3 ($status), its frame named ($(cat "$work/changed.err"))" \
    test "$status" -eq 3 -a "$(cat "$work/changed.err")" = "replay diverged at frame 60"
done

# A challenge: a damaged file, or one that does not verify, refused with one line and status 2 before any window;
# a good one plays its mode and seed.
head -c 30 "$work/waves.sfr" >"$work/challenge-cut.sfr"
while IFS='|' read -r name why; do
  timeout 10 env -u DISPLAY ./spacefight --challenge "$work/$name" >/dev/null 2>"$work/refused.err"
  status=$?
  check "--challenge $name: status 2 ($status), one line ($(cat "$work/refused.err"))" \
    test "$status" -eq 2 -a "$(cat "$work/refused.err")" = "spacefight: $work/$name: $why"
done <<'TABLE'
challenge-cut.sfr|truncated frame 1
changed.sfr|diverges from its own record at frame 60
TABLE
./spacefight --window --mute --no-start-screen --challenge "$work/waves.sfr" --record "$work/challenged.sfr" \
  >"$work/challenged.txt" 2>>"$work/err.log" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null 2>&1
sleep 1
xdotool key Escape
wait "$pid"; status=$?; pid=
check "--challenge: plays the file's mode and seed ($(cat "$work/challenged.txt"))" \
  test "$status" -eq 0 -a "$(grep -o 'mode waves, seed 7' "$work/challenged.txt")" = "mode waves, seed 7"

# A frame captured on two runs: the same PNG byte for byte, and the program ends after it.
for run in 1 2; do
  ./spacefight --window --mute --no-frame-cap --replay "$work/minute-cut.sfr" --capture "40:$work/frame-$run.png" \
    --capture-exit >"$work/capture.txt" 2>>"$work/err.log"
  check "capture run $run: status 0, ended after frame 40" test "$?" -eq 0 -a "$(cut -d, -f1 "$work/capture.txt")" = "frames 40"
done
check "a frame captured twice: byte-identical PNGs" cmp "$work/frame-1.png" "$work/frame-2.png"
check "a capture is the whole window" test "$(/usr/bin/identify -format '%m %wx%h' "$work/frame-1.png")" = "PNG 1024x768"

# A disk that takes no more (a file held to 1 KiB, which stops root too) part way through a recording.
(trap '' XFSZ; ulimit -f 1; exec ./spacefight --window --no-start-screen --record "$work/full.sfr") \
  >/dev/null 2>"$work/full.err" &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null 2>&1
sleep 3
xdotool key Escape
wait "$pid"; status=$?; pid=
check "a recording that cannot be written: status 4" test "$status" -eq 4
check "a recording that cannot be written: one warning ($(cat "$work/full.err"))" test "$(cat "$work/full.err")" = \
  "Warning: cannot write the recording to $work/full.sfr: File too large; play goes on unrecorded"
# A start that fails leaves the recording already there as it was.
cp "$work/game.sfr" "$work/keep.sfr"
env -u DISPLAY ./spacefight --record "$work/keep.sfr" >/dev/null 2>&1; status=$?
check "a start that fails: status 1 ($status), the old recording kept" \
  test "$status" -eq 1 -a "$(cmp "$work/game.sfr" "$work/keep.sfr" && echo same)" = same

# Output that cannot be written (standard output into a full device, files held to no byte) is said, with
# the file and the reason, and ends with status 4.
full="spacefight: standard output: No space left on device"
while IFS='|' read -r what message arguments; do
  err=$( (trap '' XFSZ; ulimit -f 0; eval "exec ./spacefight $arguments" 2>&1 >/dev/full) ); status=$?
  check "$what: status 4 ($status), said ($err)" test "$status" -eq 4 -a "$err" = "$(printf "$message" "$full")"
done <<TABLE
--help|%s|--help
--version|%s|--version
the summary line|%s|--window --mute --no-frame-cap --replay "$work/game.sfr"
frame statistics|Warning: cannot write the frame statistics to $work/s.json (File too large)\n%s|--window --mute --no-frame-cap --replay "$work/game.sfr" --frame-stats "$work/s.json"
TABLE
# What is not a recording's file is refused from its size and kind alone, before a byte is read; one cut
# before its first whole frame has nothing to play. Each before any window, with one line and status 2.
head -c 30 "$work/game.sfr" >"$work/cut.sfr"
mkfifo "$work/fifo"
truncate -s 65M "$work/huge.sfr"
printf 'SFREPLAY' >"$work/locked.sfr"
chmod 000 "$work/locked.sfr"
while IFS='|' read -r name why; do
  [ "$name" = locked.sfr ] && [ "$(id -u)" -eq 0 ] && continue   # root reads it all the same
  for way in --replay --verify; do
    timeout 10 env -u DISPLAY ./spacefight $way "$work/$name" >/dev/null 2>"$work/refused.err"
    status=$?
    check "$way $name: status 2 ($status), one line ($(cat "$work/refused.err"))" \
      test "$status" -eq 2 -a "$(cat "$work/refused.err")" = "spacefight: $work/$name: $why"
  done
done <<'TABLE'
.|Is a directory
fifo|not a regular file
huge.sfr|over 64 MiB
missing.sfr|No such file or directory
locked.sfr|Permission denied
cut.sfr|truncated frame 1
TABLE
check "nothing on standard error while recording and replaying" test ! -s "$work/err.log"
[ "$failures" -eq 0 ] || { cat "$work/err.log"; exit 1; }
