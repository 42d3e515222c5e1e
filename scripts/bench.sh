#!/usr/bin/env bash
# Measures the game on a Release build: its own frames under Xvfb at 1024x768
# (bench/FrameBench.cpp), the per-frame game logic (bench/LogicBench.cpp), and
# the real program as installed, playing bench/one-minute.sfr uncapped, three
# rounds with sound (SDL's disk audio driver) and three with --mute, its
# window resized 12 s into each; and its start-up against an empty freeglut
# program's (bench/EmptyWindow.cpp), a start of each in every round.
# Writes into build/bench: results.json and results.md (frames), logic.json
# and logic.txt (logic), frame-times.png (the frame-time distributions),
# program.md and program.png (the real program, the median of the rounds),
# program-frames.png (every frame of the sound rounds over the minute),
# startup.md (the player's path: the start screen's first picture against the
# empty program's, Enter pressed 2 s after the start and the frames of play
# after it; beside it the replay's first frame, started in the same round),
# threads.md (llvmpipe's thread count: 1, 2 and unset).
#   scripts/bench.sh [FRAMES] [ROUNDS]    defaults: 600 frames, 2 rounds
#   scripts/bench.sh --startup [ROUNDS]   startup.md alone (default 3 rounds)
# Each X server is one xvfb-run finds free, or the one numbered
# $SPACEFIGHT_BENCH_SERVER where several people share the machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
startup_only=false
if [ "${1:-}" = --startup ]; then
  startup_only=true
  shift
fi
frames=600
rounds=2
program_rounds=3
if $startup_only; then
  program_rounds=${1:-3}
else
  frames=${1:-600}
  rounds=${2:-2}
fi
# A server named by number is waited for: the last one's may still be going away.
xvfb() {
  if [ -z "${SPACEFIGHT_BENCH_SERVER:-}" ]; then
    xvfb-run -a "$@"
    return
  fi
  for _ in $(seq 50); do
    [ -e "/tmp/.X$SPACEFIGHT_BENCH_SERVER-lock" ] || break
    sleep 0.1
  done
  xvfb-run -n "$SPACEFIGHT_BENCH_SERVER" "$@"
}
bash "$root/scripts/install-deps.sh"
dir="$root/build/release"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=(empty_window assets spacefight)
$startup_only || targets+=(frame_bench logic_bench)
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}" >/dev/null
out="$root/build/bench"
mkdir -p "$out/series"
rm -f "$out"/series/*.dat
# The real program, installed as a player has it.
prefix="$out/installed"
rm -rf "$prefix"
cmake --install "$dir" --prefix "$prefix" >/dev/null
field() { sed -n "s/.*\"$2\": \([0-9.]*\).*/\1/p" "$1"; }
median3() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
# One interval a line, in the order shown.
intervals() { sed -n 's/.*"intervals_ms": \[\(.*\)\].*/\1/p' "$1" | tr ',' '\n'; }
# Frames longer than twice the 70 Hz period.
slow() { intervals "$1" | awk '$1 > 28.6 { n++ } END { print n + 0 }'; }
# The game's own defaults: a developer's settings file must not change what is measured.
settings_home=$(mktemp -d)
trap 'rm -rf "$settings_home"' EXIT
resize_at=12   # seconds after the start: 900x700, bars beside the picture and its copy made again
# The game under its own X server, its window resized at a fixed time.
play() {
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null XDG_DATA_HOME="$out/home" XDG_CONFIG_HOME="$settings_home" \
    xvfb -s "-screen 0 1024x768x24" bash -c '
      "$@" >/dev/null & pid=$!
      sleep '"$resize_at"'
      xdotool search --name "^spacefight$" windowsize 900 700 >/dev/null 2>&1
      wait "$pid"' play "$@"
}
# The start of a replay alone: stopped by a signal once it plays.
replay_start() {
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null XDG_DATA_HOME="$out/home" XDG_CONFIG_HOME="$settings_home" \
    xvfb -s "-screen 0 1024x768x24" bash -c '
      "$@" >/dev/null & pid=$!
      sleep 2
      kill -TERM "$pid"
      wait "$pid" || true' replay_start "$@"
}
if ! $startup_only; then

xvfb -s "-screen 0 1024x768x24" "$dir/bench/frame_bench" --frames "$frames" --rounds "$rounds" \
  --json "$out/results.json" --table "$out/results.md" --series "$out/series"
"$dir/bench/logic_bench" --benchmark_min_time=0.3 --benchmark_out="$out/logic.json" \
  --benchmark_out_format=json | tee "$out/logic.txt"

# One curve per configuration: frame time against the share of frames that
# took at most that long.
colours=(9400d3 009e73 56b4e9 e69f00 f0e442 0072b2 e51e10 000000 a0522d 808080 ff69b4 2e8b57)
plots=()
i=0
for f in "$out"/series/*.dat; do
  title=$(head -1 "$f" | sed -e 's/^# //' -e 's/: frame time.*//')
  plots+=("'$f' using (\$1*100):2 with lines lw 2 lc rgb '#${colours[i % ${#colours[@]}]}' title '$title'")
  i=$((i + 1))
done
gnuplot <<GNUPLOT
set terminal pngcairo size 1100,650 font "DejaVu Sans,10"
set output "$out/frame-times.png"
set title "spacefight frame times, llvmpipe under Xvfb 1024x768 ($frames frames x $rounds rounds each)"
set xlabel "frames (percent), fastest first"
set ylabel "frame time (ms)"
set yrange [0:*]
set grid
set key top left
set arrow from 0,8.33 to 100,8.33 nohead dashtype 2 lc rgb "gray40"
set label "120 fps" at 1,8.9 tc rgb "gray40"
plot $(IFS=,; echo "${plots[*]}")
GNUPLOT
# The real program on the shipped minute of play.
# The bare clear + swap of the frame benchmark in this same run: the machine's own tail.
floor_ratio=$(awk -F'|' '$2 ~ /clear \+ swap/ { printf "%.2f", $7 / $5 }' "$out/results.md")
{
  echo "| real program, one-minute replay | frames | median ms | p90 ms | p99 ms | max ms | p99 / median | floor's p99 / median | frames > 28.6 ms | start-up ms | empty program ms | start-up / empty |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|---|"
} >"$out/program.md"
: >"$out/program.dat"
for r in $(seq "$program_rounds"); do
  for mode in sound mute; do
    xvfb -s "-screen 0 1024x768x24" "$dir/bench/empty_window" "$out/empty-$mode-$r.json"
    flags=(--no-frame-cap --replay "$root/bench/one-minute.sfr" --frame-stats "$out/program-$mode-$r.json")
    [ "$mode" = mute ] && flags+=(--mute)
    play "$prefix/bin/spacefight" "${flags[@]}"
  done
done
for mode in sound mute; do
  row="| $( [ "$mode" = sound ] && echo "sound on (disk audio)" || echo "--mute" )"
  values=()
  for f in frames median_ms p90_ms p99_ms max_ms; do
    v=$(median3 $(for r in $(seq "$program_rounds"); do field "$out/program-$mode-$r.json" "$f"; done))
    values+=("$v")
    row="$row | $v"
  done
  ratio=$(median3 $(for r in $(seq "$program_rounds"); do
    f="$out/program-$mode-$r.json"; echo "$(field "$f" p99_ms) $(field "$f" median_ms)" | awk '{ printf "%.2f\n", $1 / $2 }'
  done))
  slowest=$(for r in $(seq "$program_rounds"); do slow "$out/program-$mode-$r.json"; done | paste -sd/)
  startup=$(median3 $(for r in $(seq "$program_rounds"); do field "$out/program-$mode-$r.json" startup_ms; done))
  empty=$(median3 $(for r in $(seq "$program_rounds"); do field "$out/empty-$mode-$r.json" startup_ms; done))
  row="$row | $ratio | $floor_ratio | $slowest | $startup | $empty | $(awk -v a="$startup" -v b="$empty" 'BEGIN { printf "%.2f", a / b }') |"
  echo "$row" >>"$out/program.md"
  echo "\"$mode\" ${values[1]} ${values[2]} ${values[3]}" >>"$out/program.dat"
done
gnuplot <<GNUPLOT
set terminal pngcairo size 800,500 font "DejaVu Sans,10"
set output "$out/program.png"
set title "spacefight as installed, one-minute replay uncapped, median of $program_rounds rounds"
set ylabel "frame time (ms)"
set style data histograms
set style histogram clustered gap 1
set style fill solid 0.8
set yrange [0:*]
set grid ytics
plot "$out/program.dat" using 2:xtic(1) title "median", "" using 3 title "p90", "" using 4 title "p99"
GNUPLOT
# Every frame of the sound rounds against the time it was shown.
plots=()
for r in $(seq "$program_rounds"); do
  intervals "$out/program-sound-$r.json" >"$out/series/program-sound-$r.dat"
  plots+=("t=0, '$out/series/program-sound-$r.dat' using (t=t+\$1, t/1000):1 with lines lw 1 lc rgb '#${colours[r - 1]}' title 'round $r'")
done
gnuplot <<GNUPLOT
set terminal pngcairo size 1400,600 font "DejaVu Sans,10"
set output "$out/program-frames.png"
set title "spacefight as installed, one-minute replay uncapped with sound, window resized at ${resize_at} s: every frame"
set xlabel "time since the first frame (s)"
set ylabel "frame time (ms)"
set yrange [0:*]
set grid
set key top right
set arrow from graph 0, first 28.6 to graph 1, first 28.6 nohead dashtype 2 lw 2 lc rgb "red"
set label "28.6 ms: two 70 Hz periods" at graph 0.82, first 31 tc rgb "red"
plot $(IFS=,; echo "${plots[*]}")
GNUPLOT
fi
# The player's path: the start screen on, as a new player has it, at the
# game's own frame cap. Enter 2 s after the start (the pipelines of play are
# prepared meanwhile), Escape 5 s later; the empty program started in the same round.
player() {
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null XDG_DATA_HOME="$out/home" XDG_CONFIG_HOME="$settings_home" \
    xvfb -s "-screen 0 1024x768x24" bash -c '
      "$@" >/dev/null & pid=$!
      sleep 2
      xdotool search --name "^spacefight$" key Return >/dev/null 2>&1
      sleep 5
      xdotool search --name "^spacefight$" key Escape >/dev/null 2>&1
      wait "$pid"' player "$@"
}
first_play() { sed -n 's/.*"first_play_ms": \([-0-9.]*\).*/\1/p' "$1"; }
largest() { intervals "$1" | sort -g | tail -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
{
  echo "| player's path, round | first picture ms | empty program ms | first picture / empty | first frame of play ms | largest interval after ms | frames > 28.6 ms | replay's first frame ms | replay / empty |"
  echo "|---|---|---|---|---|---|---|---|---|"
} >"$out/startup.md"
for r in $(seq "$program_rounds"); do
  xvfb -s "-screen 0 1024x768x24" "$dir/bench/empty_window" "$out/empty-player-$r.json"
  player "$prefix/bin/spacefight" --frame-stats "$out/player-$r.json"
  replay_start "$prefix/bin/spacefight" --replay "$root/bench/one-minute.sfr" --frame-stats "$out/replay-start-$r.json"
  f="$out/player-$r.json"
  first=$(field "$f" startup_ms)
  empty=$(field "$out/empty-player-$r.json" startup_ms)
  replay=$(field "$out/replay-start-$r.json" startup_ms)
  echo "| $r | $first | $empty | $(ratio "$first" "$empty") | $(first_play "$f") | $(largest "$f") | $(slow "$f") | $replay | $(ratio "$replay" "$empty") |" >>"$out/startup.md"
done
if $startup_only; then
  echo "Wrote $out/startup.md (load average $(cut -d' ' -f1-3 /proc/loadavg))"
  cat "$out/startup.md"
  exit 0
fi
# llvmpipe's thread count, each setting in turn: the replay uncapped with
# sound for the frames, the player's path for the start-up.
{
  echo "| LP_NUM_THREADS | median ms | p99 ms | p99 / median | max ms | frames > 28.6 ms | first picture ms | first frame of play ms |"
  echo "|---|---|---|---|---|---|---|---|"
} >"$out/threads.md"
for threads in 1 2 unset; do
  run=(env)
  [ "$threads" = unset ] && run+=(-u LP_NUM_THREADS) || run+=(LP_NUM_THREADS="$threads")
  f="$out/threads-$threads.json"
  p="$out/threads-player-$threads.json"
  play "${run[@]}" "$prefix/bin/spacefight" --no-frame-cap --replay "$root/bench/one-minute.sfr" --frame-stats "$f"
  player "${run[@]}" "$prefix/bin/spacefight" --frame-stats "$p"
  echo "| $threads | $(field "$f" median_ms) | $(field "$f" p99_ms) | $(echo "$(field "$f" p99_ms) $(field "$f" median_ms)" | awk '{ printf "%.2f", $1 / $2 }') | $(field "$f" max_ms) | $(slow "$f") | $(field "$p" startup_ms) | $(first_play "$p") |" >>"$out/threads.md"
done
echo "Wrote $out/results.md, results.json, logic.txt, logic.json, frame-times.png, program.md, program.png, program-frames.png, startup.md and threads.md"
cat "$out/results.md" "$out/program.md" "$out/startup.md" "$out/threads.md"
