#!/usr/bin/env bash
# Builds spacefight and runs every test. Tests that draw share one Xvfb server
# with Mesa's software renderer, so no display or GPU is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
cd "$root/build"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j "$(nproc)"
