#!/usr/bin/env bash
# Measures the game on a Release build: its own frames under Xvfb at 1024x768
# (bench/FrameBench.cpp), the per-frame game logic (bench/LogicBench.cpp), and
# the real program as installed, playing bench/one-minute.sfr uncapped, three
# rounds with sound (SDL's disk audio driver) and three with --mute.
# Writes into build/bench: results.json and results.md (frames), logic.json
# and logic.txt (logic), frame-times.png (the frame-time distributions),
# program.md and program.png (the real program, the median of the rounds).
#   scripts/bench.sh [FRAMES] [ROUNDS]    defaults: 600 frames, 2 rounds
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
frames=${1:-600}
rounds=${2:-2}
bash "$root/scripts/install-deps.sh"
dir="$root/build/release"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j "$(nproc)" --target frame_bench logic_bench assets spacefight >/dev/null
out="$root/build/bench"
mkdir -p "$out/series"
rm -f "$out"/series/*.dat

xvfb-run -a -s "-screen 0 1024x768x24" "$dir/bench/frame_bench" --frames "$frames" --rounds "$rounds" \
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
# The real program, installed as a player has it, on the shipped minute of play.
prefix="$out/installed"
rm -rf "$prefix"
cmake --install "$dir" --prefix "$prefix" >/dev/null
field() { sed -n "s/.*\"$2\": \([0-9.]*\).*/\1/p" "$1"; }
median3() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
program_rounds=3
# The game's own defaults: a developer's settings file must not change what is measured.
settings_home=$(mktemp -d)
trap 'rm -rf "$settings_home"' EXIT
{
  echo "| real program, one-minute replay | frames | median ms | p90 ms | p99 ms | max ms | start-up ms |"
  echo "|---|---|---|---|---|---|---|"
} >"$out/program.md"
: >"$out/program.dat"
for mode in sound mute; do
  for r in $(seq "$program_rounds"); do
    flags=(--no-frame-cap --replay "$root/bench/one-minute.sfr" --frame-stats "$out/program-$mode-$r.json")
    [ "$mode" = mute ] && flags+=(--mute)
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null XDG_DATA_HOME="$out/home" XDG_CONFIG_HOME="$settings_home" \
      xvfb-run -a -s "-screen 0 1024x768x24" "$prefix/bin/spacefight" "${flags[@]}" >/dev/null
  done
  row="| $( [ "$mode" = sound ] && echo "sound on (disk audio)" || echo "--mute" )"
  values=()
  for f in frames median_ms p90_ms p99_ms max_ms startup_ms; do
    v=$(median3 $(for r in $(seq "$program_rounds"); do field "$out/program-$mode-$r.json" "$f"; done))
    values+=("$v")
    row="$row | $v"
  done
  echo "$row |" >>"$out/program.md"
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
echo "Wrote $out/results.md, results.json, logic.txt, logic.json, frame-times.png, program.md and program.png"
cat "$out/results.md" "$out/program.md"
