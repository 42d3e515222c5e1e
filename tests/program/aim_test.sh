#!/usr/bin/env bash
# Guards steering by aim and the screenshot key in the real program: one move of the pointer turns the view for a
# while, then it holds still with the ring on the crosshair; F12 writes new PNGs where the desktop keeps pictures.
# Usage: aim_test.sh GAME_DIR
set -u
source "$(dirname "$0")/lib.sh"
shot() { sleep "$2"; import -window root "$work/$1.png"; }
differing() { compare -metric AE -fuzz 10% "$work/$1.png[$3]" "$work/$2.png[$3]" null: 2>&1; }
mkdir -p "$XDG_CONFIG_HOME"
printf 'XDG_PICTURES_DIR="$HOME/Bilder"\n' >"$XDG_CONFIG_HOME/user-dirs.dirs"
printf 'steering = aim\n' >"$work/settings.conf"
cd "$1" || exit 1
SDL_AUDIODRIVER=dummy ./spacefight --config "$work/settings.conf" >"$work/out.log" 2>"$work/err.log" &
pid=$!
sleep 4
xdotool key F12 sleep 1.2 key F12 sleep 1.2   # on the start screen, twice within two seconds
shots=("$HOME"/Bilder/spacefight/spacefight-*.png)
check "F12 twice: two pictures (${#shots[@]})" test "${#shots[@]}" -eq 2
check "a screenshot is the window as a PNG" test "$(identify -format '%m %wx%h' "${shots[0]}")" = "PNG 1024x768"
xdotool key Return sleep 1 key y   # play, and stop the ship: from here only a turn moves the view
shot before 0.5
xdotool mousemove_relative -- 100 0
shot turned 1.5
shot held 1
check "one pointer move turns the view" test "$(differing before turned 1000x500+12+40)" -gt 5000
# Rocks close by tumble (a few thousand pixels); a ship still turning changes most of the view.
check "then the view holds still" test "$(differing turned held 1000x500+12+40)" -lt 20000
pink=$($IM "$work/held.png" -crop 40x40+492+364 +repage -fx 'r>0.8 && g<0.6 && b>0.7' -format '%[fx:round(mean*w*h)]' info:)
check "the ring rests on the crosshair" test "$pink" -gt 10
xdotool key Escape
wait "$pid"
check "Escape ends the game with status 0, nothing said on standard error" test "$?" -eq 0 -a ! -s "$work/err.log"
[ "$failures" -eq 0 ] || { cat "$work/out.log" "$work/err.log"; exit 1; }
