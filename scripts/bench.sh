#!/usr/bin/env bash
# Measures the game on a Release build: its own frames under Xvfb at 1024x768
# (bench/FrameBench.cpp) and the per-frame game logic (bench/LogicBench.cpp).
# Writes into build/bench: results.json and results.md (frames), logic.json
# and logic.txt (logic), frame-times.png (the frame-time distributions).
#   scripts/bench.sh [FRAMES] [ROUNDS]    defaults: 600 frames, 2 rounds
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
frames=${1:-600}
rounds=${2:-2}
bash "$root/scripts/install-deps.sh"
dir="$root/build/release"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir" -j "$(nproc)" --target frame_bench logic_bench assets >/dev/null
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
echo "Wrote $out/results.md, results.json, logic.txt, logic.json and frame-times.png"
cat "$out/results.md"
