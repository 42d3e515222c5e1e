#!/usr/bin/env bash
# Fuzzes every reader of outside data with libFuzzer (clang, ASan + UBSan).
#   scripts/fuzz.sh [SECONDS] [RUNS]
# Each harness runs SECONDS (default 10) or RUNS executions, whichever ends
# first, seeded from the generated assets. Corpora and crash files stay in
# build/fuzz/; a finding fails the script and names its input.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
runs=${2:--1}
bash "$root/scripts/build.sh" >/dev/null   # the generated assets are the seeds
bin="$root/build/bin"
dir="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPACEFIGHT_FUZZ=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target fuzz_bmp fuzz_mask fuzz_tga fuzz_raw fuzz_ms3d fuzz_settings fuzz_replay fuzz_scores fuzz_userdirs >/dev/null

seed() {   # seed NAME FILES...
  local corpus="$dir/corpus/$1"; shift
  mkdir -p "$corpus"
  for f in "$@"; do cp -f "$f" "$corpus/seed-$(basename "$f")"; done
}
seed bmp "$bin"/*.bmp "$bin"/data/*/*.bmp
seed mask "$bin/data/cockpit/cockpitMask.bmp"
seed ms3d "$bin"/data/asteroids/*.ms3d "$bin"/data/Ships/*.ms3d
seed raw "$bin"/data/fonts/*.raw
mkdir -p "$dir/corpus/settings"
printf 'pointer_sensitivity = 1.5\ninvert_pitch = on # inverted\nkey.fire = space mouse1\r\nkey.pause = h\nkey.help = p\nmusic_volume = 40' \
  >"$dir/corpus/settings/seed-settings.conf"
mkdir -p "$dir/corpus/userdirs"
printf '# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR="$HOME/Desktop"\nXDG_PICTURES_DIR="$HOME/Bilder \\"neu\\""\nXDG_PICTURES_DIR="/srv/pictures"  # the last\n' \
  >"$dir/corpus/userdirs/seed-user-dirs.dirs"
mkdir -p "$dir/corpus/replay"
cp -f "$root/bench/one-minute.sfr" "$dir/corpus/replay/seed-one-minute.sfr" 2>/dev/null || true
# Today's format: a frame with a shot, a key let go, the stick's turn and a pointer turn; a checksum; a new game.
printf 'SFREPLAY\003\000\0051.0.0\007\000\000\000F\350\003\000\000\102\140\145\074\002\011\001\000\000\001\315\314\314\075\000\000\000\000\001\000\000\200\076\000\000\000\277C\001\000\000\000\001\002\003\004\005\006\007\010N' \
  >"$dir/corpus/replay/seed-format-3.sfr"
# Format 4, a score attack: the header's mode (waves) and steering after the seed, then the same entries.
printf 'SFREPLAY\004\000\0051.0.0\007\000\000\000\001\000F\350\003\000\000\102\140\145\074\002\011\001\000\000\001\315\314\314\075\000\000\000\000\001\000\000\200\076\000\000\000\277C\001\000\000\000\001\002\003\004\005\006\007\010N' \
  >"$dir/corpus/replay/seed-format-4-waves.sfr"
mkdir -p "$dir/corpus/scores"
printf '4360 8 2026-12-08\n1780 5 2026-12-07\r\n240 0 -\n' >"$dir/corpus/scores/seed-scores"
mkdir -p "$dir/corpus/tga"
# A 2 x 2 picture at 24 bits with a 3-byte ID field; the generator writes no Targa files.
printf '\003\000\002\000\000\000\000\000\000\000\000\000\002\000\002\000\030\000IDS\001\002\003\004\005\006\007\010\011\012\013\014' \
  >"$dir/corpus/tga/seed-2x2.tga"

# Longest input per harness: room for small pictures and models of every kind,
# short enough that the large generated seeds do not slow each run down.
declare -A max_len=([bmp]=1024 [mask]=8192 [tga]=8192 [raw]=4096 [ms3d]=8192 [settings]=4096 [replay]=8192 [scores]=2048 [userdirs]=4096)
status=0
for name in bmp mask tga raw ms3d settings replay scores userdirs; do
  mkdir -p "$dir/findings/$name"
  log="$dir/$name.log"
  if "$dir/tests/fuzz/fuzz_$name" "$dir/corpus/$name" -max_total_time="$seconds" -runs="$runs" \
      -max_len=${max_len[$name]} -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$dir/findings/$name/" >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $log and $dir/findings/$name/)"
    status=1
  fi
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  cov=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -o 'cov: [0-9]*' || echo 'cov: ?')
  echo "fuzz_$name: $execs executions, $cov, $result"
done
exit $status
