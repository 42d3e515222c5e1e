#!/usr/bin/env bash
# Guards steering by aim and the screenshot key in the real program: one move of the pointer turns the ship for a
# while and then the view holds still; the ring shows; F12 writes a new PNG into the pictures folder the desktop
# names, never over the one before.
# Usage: aim_test.sh GAME_DIR
set -u
game_dir=$1
source "$(dirname "$0")/lib.sh"
shot() { sleep "${2:-0}"; import -window root "$work/$1.png"; }   # shot NAME [SECONDS TO WAIT FIRST]
differing() { compare -metric AE -fuzz 10% "$work/$1.png[$3]" "$work/$2.png[$3]" null: 2>&1; }
# The ring's pink pixels in a rectangle.
pink_pixels() { $IM "$work/$1.png" -crop "$2" +repage -fx 'r>0.8 && g<0.6 && b>0.7 ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:; }

mkdir -p "$XDG_CONFIG_HOME"
printf 'XDG_PICTURES_DIR="$HOME/Bilder"\n' >"$XDG_CONFIG_HOME/user-dirs.dirs"
printf 'steering = aim\n' >"$work/settings.conf"
cd "$game_dir" || exit 1
SDL_AUDIODRIVER=dummy ./spacefight --config "$work/settings.conf" >"$work/out.log" 2>"$work/err.log" &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { echo "spacefight ended on its own"; cat "$work/out.log" "$work/err.log"; exit 1; }

# On the start screen, twice within a second or two: two files, each a picture of the whole window.
xdotool key F12
sleep 1.2
xdotool key F12
sleep 1.2
shots=("$HOME"/Bilder/spacefight/spacefight-*.png)
check "F12 twice: two pictures in the pictures folder (${#shots[@]})" test "${#shots[@]}" -eq 2
check "a screenshot is the window as a PNG" test "$(identify -format '%m %wx%h' "${shots[0]}")" = "PNG 1024x768"

xdotool key Return
sleep 1
xdotool key y   # stop the ship: from here only a turn moves the view
shot before 0.5
xdotool mousemove_relative -- 100 0
shot turned 1.5
shot held 1
check "one pointer move turns the view" test "$(differing before turned 1000x500+12+40)" -gt 5000
# Rocks close by tumble (a few thousand pixels); a ship still turning changes most of the view.
check "then the view holds still" test "$(differing turned held 1000x500+12+40)" -lt 20000
check "the ring rests on the crosshair" test "$(pink_pixels held 40x40+492+364)" -gt 10

xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"
check "Escape ends the game with status 0" test "$?" -eq 0
check "nothing said on standard error" test ! -s "$work/err.log"
[ "$failures" -eq 0 ] || { cat "$work/out.log" "$work/err.log"; exit 1; }
