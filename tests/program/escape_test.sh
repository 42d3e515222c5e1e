#!/usr/bin/env bash
# The real program on the test X server: it keeps running until Escape, then
# exits with status 0. Needs DISPLAY (the test command starts Xvfb).
set -u
game_dir=$1
cd "$game_dir" || exit 1
./spacefight 2>stderr.log &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  echo "spacefight ended on its own"; cat stderr.log; exit 1
fi
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "spacefight ignored Escape"; kill "$pid"; exit 1
fi
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status"; cat stderr.log; exit 1; }
echo "spacefight ran and quit on Escape"
