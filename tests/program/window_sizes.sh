#!/usr/bin/env bash
# Guards full screen on displays of three sizes: the picture keeps its 4:3 shape, the mask its place.
# Usage: window_sizes.sh GAME_DIR BIN_DIR
set -u
game_dir=$1
bin_dir=$2
if [ "${3:-}" = --one ]; then   # on the display that xvfb-run started for one size
  size=$4 work=$5
  cd "$game_dir" || exit 1
  SDL_AUDIODRIVER=dummy ./spacefight --mute --no-start-screen >/dev/null 2>&1 &
  pid=$!
  trap 'kill -9 "$pid" 2>/dev/null' EXIT
  timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null 2>&1
  sleep 2
  xdotool key y   # stop, so only the tumbling rocks move
  sleep 0.5
  import -window root "$work/$size.png"
  kill -TERM "$pid"
  wait "$pid"
  exit 0
fi

source "$(dirname "$0")/lib.sh"
$IM "$bin_dir/data/cockpit/cockpit.bmp" "$work/picture.png"
for size in 1024x768 1920x1080 800x600; do
  read -r W H <<<"${size/x/ }"
  xvfb-run -a -s "-screen 0 ${size}x24 -noreset" "$0" "$game_dir" "$bin_dir" --one "$size" "$work"
  [ -f "$work/$size.png" ] || { fail "no screenshot at $size"; continue; }
  # The picture's area, as the game computes it.
  vw=$W vh=$((W * 3 / 4))
  if [ "$vh" -gt "$H" ]; then vh=$H vw=$((H * 4 / 3)); fi
  vx=$(((W - vw) / 2)) vy=$(((H - vh) / 2))
  if [ "$vx" -gt 0 ]; then
    bright=$($IM "$work/$size.png" -crop "${vx}x${H}+0+0" +repage -colorspace gray -format '%[fx:maxima]' info:)
    check "$size: the bar beside the picture is black" awk "BEGIN { exit !($bright < 0.05) }"
  fi
  $IM "$work/$size.png" -crop "${vw}x${vh}+${vx}+${vy}" +repage -resize '1024x768!' "$work/$size-picture.png"
  differing=$(compare -metric AE -fuzz 20% "$work/$size-picture.png[1024x150+0+618]" \
                "$work/picture.png[1024x150+0+618]" null: 2>&1)
  # Scaling blurs edges a little; a scene drawn over the dashboard changes most of it.
  check "$size: the dashboard shows the cockpit picture ($differing pixels differ)" test "${differing%%.*}" -lt 6000
done
[ "$failures" -eq 0 ] || exit 1
