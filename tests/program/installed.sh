#!/usr/bin/env bash
# Guards the installed game started from elsewhere: its files, the command line, no data, signals, --data.
# Usage: installed.sh BUILD_DIR (on the test X server in DISPLAY)
set -u
build=$1
source "$(dirname "$0")/lib.sh"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
for f in bin/spacefight share/applications/spacefight.desktop share/metainfo/org.spacefight.spacefight.metainfo.xml \
         share/man/man6/spacefight.6 share/games/spacefight/data/fonts/font_256x256.raw; do
  check "installs $f" test -f "$prefix/$f"
done
for size in 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/spacefight.png"
  check "the icon is a ${size}x${size} PNG" test "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}"
done

mkdir "$work/elsewhere" && cd "$work/elsewhere" || exit 1
game="$prefix/bin/spacefight"
version=$(grep -m1 -o 'CMAKE_PROJECT_VERSION:STATIC=.*' "$build/CMakeCache.txt" | cut -d= -f2)
check "--version: name and version" test "$("$game" --version)" = "spacefight $version"

# Without data: one line and status 1, before any window (no DISPLAY needed) or sound.
cp "$game" "$work/alone"
env -u DISPLAY -u SPACEFIGHT_DATA "$work/alone" >"$work/out" 2>"$work/err"; status=$?
check "no data: status 1" test "$status" -eq 1
check "no data: one line naming the places and --data" \
  test "$(cat "$work/err")" = "Error: cannot find the game data (looked in: $work/../bin, $work/../share/games/spacefight, ../bin); use --data DIR"
check "no data: nothing on standard output" test ! -s "$work/out"
env -u DISPLAY "$game" --data "$work/nowhere" >/dev/null 2>"$work/err"; status=$?
check "--data without data: status 1" test "$status" -eq 1
check "--data without data: names it" grep -qF "(looked in: $work/nowhere)" "$work/err"

# The installed game from here: a window, the cockpit, Escape ends it with 0,
# and with --window not a line from the toolkit.
SDL_AUDIODRIVER=dummy "$game" --window >"$work/out" 2>"$work/err" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' 2>/dev/null | head -n 1)
sleep 2
import -window "$window" "$work/shot.png"
$IM "$prefix/share/games/spacefight/data/cockpit/cockpit.bmp" "$work/picture.png"
differing=$(compare -metric AE -fuzz 10% "$work/shot.png[1024x150+0+618]" "$work/picture.png[1024x150+0+618]" null: 2>&1)
check "the installed game shows the cockpit ($differing pixels differ)" test "${differing%%.*}" -lt 2000
xdotool search --name '^spacefight$' windowactivate --sync key Escape 2>/dev/null || xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"; status=$?; pid=
check "Escape ends the installed game with status 0" test "$status" -eq 0
check "a windowed start prints nothing" test ! -s "$work/out" -a ! -s "$work/err"
cat "$work/out" "$work/err"

# A relative --data means the player's own directory; the game leaves nothing
# in $TMPDIR, and a closed terminal (SIGHUP) ends it cleanly with 128 + 1: a death by the signal gives
# 129 too, so the check is what only a clean end does, the frame statistics written.
mkdir "$work/tmp"
(cd "$prefix/share/games" && TMPDIR="$work/tmp" SDL_AUDIODRIVER=dummy exec "$game" --data spacefight \
   --frame-stats "$work/hup.json" >"$work/out" 2>"$work/err") &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null 2>&1
check "a relative --data plays" kill -0 "$pid"
check "full screen where game mode cannot be had: not a line from the toolkit" test ! -s "$work/err"
sleep 1
kill -HUP "$pid"
wait "$pid"; status=$?; pid=
check "SIGHUP ends the game with status 129, cleanly" test "$status" -eq 129 -a -s "$work/hup.json"
check "nothing of the game is left in \$TMPDIR" test -z "$(ls -A "$work/tmp")"

[ "$failures" -eq 0 ] || exit 1
