#!/usr/bin/env bash
# Guards what a player sees and hears in the real program: the start screen, screenshots, view, HUD lines, keys, pointer,
# pause, help, volume, and the volume written back into the settings file at exit.
# Usage: play_test.sh GAME_DIR BIN_DIR
set -u
game_dir=$1
bin_dir=$2
source "$(dirname "$0")/lib.sh"
shot() { sleep "${2:-0}"; import -window root "$work/$1.png"; }   # shot NAME [SECONDS TO WAIT FIRST]
# How many pixels of a rectangle are nearly white: a line of text has 50 or more, stars a few.
white_pixels() { $IM "$work/$1.png" -crop "$2" +repage -colorspace gray -threshold 75% -format '%[fx:round(mean*w*h)]' info:; }
# Pixels that differ by more than 10% between two screenshots in a rectangle.
differing() { compare -metric AE -fuzz 10% "$work/$1.png[$3]" "$work/$2.png[$3]" null: 2>&1; }
# The captured audio's 16-bit samples from byte offset $1 on, at most $2 bytes of them.
samples() { tail -c +"$(( $1 + 1 ))" "$work/audio.raw" | head -c "${2:-2000000000}" | od -An -v -t d2; }
# Loudest sample from byte offset $1 on.
peak_after() { samples "$1" | awk '{ for (i = 1; i <= NF; i++) { v = $i < 0 ? -$i : $i; if (v > m) m = v } } END { print m + 0 }'; }
# RMS of a second of the captured audio (44.1 kHz, 16-bit stereo) starting 0.3 s from now, once it is written.
rms_soon() {
  sleep 0.3
  local from; from=$(stat -c %s "$work/audio.raw")
  sleep 1.2
  samples "$from" 176400 | awk '{ for (i = 1; i <= NF; i++) { s += $i * $i; n++ } } END { printf "%d\n", sqrt(s / (n ? n : 1)) }'
}

# The help bound to F9 as well, as a player's settings file may.
printf 'key.help = h f9\n' >"$work/settings.conf"
cd "$game_dir" || exit 1
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" ./spacefight --config "$work/settings.conf" \
  >"$work/out.log" 2>"$work/err.log" &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { echo "spacefight ended on its own"; cat "$work/out.log" "$work/err.log"; exit 1; }
check "no sound errors with an audio device" test ! -s "$work/out.log"

# The program opens on the start screen; nothing moves until Enter.
shot opening
sleep 1
shot opening2
check "the start screen says what to do" test "$(white_pixels opening 800x400+60+60)" -gt 3000
check "nothing moves on the start screen" test "$(differing opening opening2 1024x768+0+0)" -lt 50
# Its first picture is the words alone, on black; the start screen then stands on the cockpit picture.
$IM "$bin_dir/data/cockpit/cockpit.bmp" "$work/picture.png"
dash="1024x150+0+618"
check "the start screen stands on the cockpit picture" test "$(differing opening picture "$dash")" -lt 5000
# F12 twice within two seconds: two new pictures of the whole window where no desktop names another folder.
xdotool key F12 sleep 1.2 key F12 sleep 1.2
pictures=("$HOME"/Pictures/spacefight/spacefight-*.png)
check "F12 twice: two pictures (${#pictures[@]})" test "${#pictures[@]}" -eq 2
check "a screenshot is the window as a PNG" test "$(identify -format '%m %wx%h' "${pictures[0]}")" = "PNG 1024x768"
xdotool key Return
sleep 1

xdotool key y   # stop the ship: from here only a turn moves the view
shot still1 0.3
shot still2 1
# Rocks close by tumble (a few thousand pixels); a spinning ship changes most of the view.
check "the ship does not turn by itself" test "$(differing still1 still2 1000x500+12+40)" -lt 20000

# An arrow key held turns the view; released, the turn dies away and stops.
xdotool keydown Left
sleep 1.2
xdotool keyup Left
shot arrow1 1
check "an arrow key held turns the view" test "$(differing still2 arrow1 1000x500+12+40)" -gt 5000
shot arrow2 1
check "released, the arrow key's turn stops" test "$(differing arrow1 arrow2 1000x500+12+40)" -lt 20000

shot start
# Where the mask is set the screen shows the cockpit picture: the dashboard.
check "the dashboard shows the cockpit picture" test "$(differing start picture "$dash")" -lt 2000
check "the speed line is drawn" test "$(white_pixels start 120x24+16+424)" -gt 30
check "the fps line is drawn" test "$(white_pixels start 100x24+16+496)" -gt 30
check "the draw-mode line is drawn" test "$(white_pixels start 200x24+16+380)" -gt 30

xdotool key --delay 30 a a a a a a a a a a
shot faster 0.5
check "ten presses of a change the speed digits" test "$(differing start faster 70x24+128+424)" -gt 20
xdotool key --delay 30 z z z z z
shot slower 0.5
check "z lowers the speed shown" test "$(differing faster slower 70x24+128+424)" -gt 20

# Effects silenced, so only the music is heard; then music down five times: quieter.
xdotool key --delay 20 $(printf 'bracketleft %.0s' {1..10})
loud=$(rms_soon)
xdotool key --delay 30 minus minus minus minus minus
quiet=$(rms_soon)
check "music down: quieter (RMS $loud, then $quiet)" test "$((quiet * 10))" -lt "$((loud * 8))"
shot volume
check "the volume line shows" test "$(white_pixels volume 200x30+412+220)" -gt 30

xdotool key F1
shot nostats 0.5
check "F1 hides the fps line" test "$(white_pixels nostats 100x24+16+496)" -lt 15
check "F1 hides the draw-mode line" test "$(white_pixels nostats 200x24+16+380)" -lt 15
check "the speed line stays" test "$(white_pixels nostats 120x24+16+424)" -gt 30

xdotool mousemove 712 384
shot turned 1.5
check "moving the pointer turns the view" test "$(differing nostats turned 900x500+60+40)" -gt 5000

# Paused, nothing moves (the ship keeps the turn it had); "p" again goes on turning.
xdotool key p
shot paused1 0.5
shot paused2 1
check "paused: two frames a second apart are the same" test "$(differing paused1 paused2 1024x768+0+0)" -eq 0
check "paused: the word shows" test "$(white_pixels paused1 200x40+412+250)" -gt 30
xdotool key p
shot resumed 1
check "resumed: the view turns on" test "$(differing paused2 resumed 900x500+60+40)" -gt 5000

# The help, on the player's own key: the keys over the game, which stands still.
xdotool key F9
# A loaded machine may take a moment to draw it: wait for the picture to stand still.
for _ in 1 2 3 4 5 6; do
  shot help1 0.5
  shot help2 0.5
  [ "$(differing help1 help2 1024x768+0+0)" -eq 0 ] && break
done
check "help: the panel darkens the view" test "$(differing resumed help1 800x500+112+140)" -gt 50000
check "help: the game stands still behind it" test "$(differing help1 help2 1024x768+0+0)" -eq 0
xdotool key Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null
check "Escape closes the help, it does not quit" test "$?" -eq 0

xdotool key --delay 20 $(printf 'bracketright %.0s' {1..10})   # the effects back
before=$(stat -c %s "$work/audio.raw")
xdotool click 1
sleep 0.6
check "a shot is heard" test "$(peak_after "$before")" -gt 3000

xdotool key F2
shot outside 1.5
check "the outside view paints over the cockpit frame" test "$(differing start outside 1024x30+0+0)" -gt 3000

xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "FAILED: spacefight ignored Escape"; kill "$pid"; exit 1; fi
wait "$pid"
check "Escape ends the game with status 0" test "$?" -eq 0
# Music down five times is kept; the effects, back where they were, are not written.
check "the file gets what changed at exit, the player's line kept" \
  test "$(cat "$work/settings.conf")" = "$(printf 'key.help = h f9\nmusic_volume = 50')"
[ "$failures" -eq 0 ] || { cat "$work/out.log" "$work/err.log"; exit 1; }
