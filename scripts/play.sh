#!/usr/bin/env bash
# Builds spacefight (the game and its assets, nothing else) and starts it. The
# game runs from build/game and finds its assets beside it, in build/bin.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" --play
cd "$root/build/game"
exec ./spacefight "$@"
