#!/usr/bin/env bash
# Guards starts with damaged files (missing, empty, cut, random, a FIFO, a device): the right messages, no crash,
# no load that waits for ever, play goes on.
# Usage: damaged_assets.sh GAME_DIR BIN_DIR
set -u
game_dir=$1
bin_dir=$2
source "$(dirname "$0")/lib.sh"

# The same "random" bytes on every run, so a failure can be repeated.
random_bytes() { perl -e 'srand($ARGV[0]); print map { chr(int(rand(256))) } 1 .. $ARGV[1]' "$2" "$1"; }

damage() {   # damage FORM FILE
  local size
  size=$(stat -c %s "$2")
  case $1 in
    missing) rm -f "$2" ;;
    empty) : >"$2" ;;
    half) truncate -s $((size / 2)) "$2" ;;
    random) random_bytes "$size" "${#2}" >"$2" ;;
    fifo) rm -f "$2"; mkfifo "$2" ;;
    zero) ln -sf /dev/zero "$2" ;;
  esac
}

# start GROUP FORM EXPECT FILES...: EXPECT is "plays" (ended by SIGTERM), "interrupted" (by SIGINT, as Ctrl+C
# does) or "exit1".
start() {
  local group=$1 form=$2 expect=$3; shift 3
  rm -rf "$work/bin" "$work/game"
  cp -a "$bin_dir" "$work/bin"
  mkdir "$work/game"
  cp "$game_dir/spacefight" "$work/game/"
  local f
  for f in "$@"; do damage "$form" "$work/bin/$f"; done
  (cd "$work/game" && exec env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null ./spacefight --no-start-screen \
     >"$work/out.log" 2>"$work/err.log") &
  pid=$!
  local what="$group $form" status
  if [ "$expect" = exit1 ]; then
    timeout 60 tail --pid="$pid" -f /dev/null
    wait "$pid"; status=$?; pid=
    [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1"
  else
    if ! timeout 60 xdotool search --sync --onlyvisible --name '^spacefight$' >/dev/null 2>&1; then
      fail "$what: no window"
    fi
    sleep 1   # a second of play with the damaged files
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"; fail "$what: ended by itself with status $?"; pid=
    else
      local signal=TERM want=143
      [ "$expect" = interrupted ] && signal=INT want=130
      kill -"$signal" "$pid"
      timeout 10 tail --pid="$pid" -f /dev/null || fail "$what: still running 10 s after SIG$signal"
      kill -9 "$pid" 2>/dev/null
      wait "$pid"; status=$?; pid=
      [ "$status" -eq "$want" ] || fail "$what: status $status after SIG$signal, not $want"
    fi
  fi
  if grep -qE 'Sanitizer|runtime error:' "$work/err.log"; then fail "$what: sanitizer report"; fi
  echo "ran: $what"
}

# expect_lines GROUP FORM FILE LINES...: every line appears in FILE, and FILE has no other error lines.
expect_lines() {
  local what="$1 $2" log=$3; shift 3
  local line
  for line in "$@"; do grep -qxF -- "$line" "$log" || fail "$what: no line '$line'"; done
  local unexpected
  unexpected=$(grep -v -xF -f <(printf '%s\n' "$@") "$log" | grep -E '^Error' | head -n 3)
  [ -z "$unexpected" ] || fail "$what: unexpected: $unexpected"
}

mapfile -t pictures < <(find "$bin_dir" -name '*.bmp' ! -name cockpitMask.bmp -printf '%P\n' | sort)
models=(data/asteroids/ast1.ms3d data/asteroids/ast2.ms3d data/asteroids/ast3.ms3d
        data/Ships/xwingPart1.ms3d data/Ships/xwingPart2.ms3d)
sounds=(data/Sounds/laser.wav data/Sounds/explosion.mp3 data/Sounds/nearExplosion.mp3 data/Sounds/hit.wav)
music=data/Sounds/invtro94.s3m

for form in missing empty half random; do
  # Pictures: a missing one is passed over in silence; the others name their fault.
  start pictures $form plays "${pictures[@]}"
  case $form in
    missing) expect_lines pictures $form "$work/err.log" ;;
    empty)
      lines=()
      for f in "${pictures[@]}"; do lines+=("Error: Failed to open DIB file ../bin/$f."); done
      expect_lines pictures $form "$work/err.log" "${lines[@]}" ;;
    half) expect_lines pictures $form "$work/err.log" "Error: Image file conversion error." ;;
    random) expect_lines pictures $form "$work/err.log" "Error: Unknown DIB file format." ;;
  esac

  # Without a cockpit mask the game runs without one, silently.
  start mask $form plays data/cockpit/cockpitMask.bmp
  expect_lines mask $form "$work/err.log"

  start models $form plays "${models[@]}"
  expect_lines models $form "$work/err.log" "Error: Couldn't load the model for asteroid!" \
    "Error: Couldn't load the model for an EnemyShip!" "Error: Couldn't load the model for MyShip!"

  # Sounds: a decoder may take random bytes for sound, so only the files
  # that cannot be sound must be named.
  start sounds $form plays "${sounds[@]}" "$music"
  if [ $form = missing ] || [ $form = empty ]; then
    for f in "${sounds[@]}"; do
      grep -qxF "Error Loading Sound File ../bin/$f" "$work/out.log" || fail "sounds $form: $f not named"
    done
    grep -qxF "Error loading Background Music!" "$work/out.log" || fail "sounds $form: music not named"
  fi

  # The font's images are all the RAW reader checks by length; random bytes of
  # the right length are a (strange) font and the game plays on.
  for f in data/fonts/font_256x256.raw data/fonts/bumps_128x128.raw; do
    if [ $form = random ]; then start "$(basename $f)" $form plays "$f"
    else start "$(basename $f)" $form exit1 "$f"; fi
  done
done

# What is no file at all is refused, never waited on or read without end (the music as /dev/zero).
for form in fifo zero; do
  start "not files" $form plays data/cockpit/cockpit.bmp data/explosion/ex01.bmp "${sounds[@]}" "$music"
  grep -qxF "Error loading Background Music!" "$work/out.log" || fail "not files $form: music not named"
done

# Ctrl+C ends an intact game cleanly too.
start intact none interrupted

[ "$failures" -eq 0 ] && echo "all damaged starts behaved" || exit 1
