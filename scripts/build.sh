#!/usr/bin/env bash
# Configures and builds into build/: the game in build/game, its assets in build/bin.
#   scripts/build.sh          the game, its tests, benchmarks and tools
#   scripts/build.sh --play   the game and its assets only
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
  --play) bash "$root/scripts/install-deps.sh" --play; tests=OFF; target=(--target spacefight assets) ;;
  "") bash "$root/scripts/install-deps.sh"; tests=ON; target=() ;;
  *) echo "usage: scripts/build.sh [--play]" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPACEFIGHT_TESTS=$tests >/dev/null
cmake --build "$root/build" -j "$(nproc)" "${target[@]}"
