#!/usr/bin/env bash
# Builds spacefight and starts it. The game reads its assets from ../bin/,
# so it runs from build/game beside build/bin.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
cd "$root/build/game"
exec ./spacefight "$@"
