#!/usr/bin/env bash
# Builds spacefight and runs every test. Tests that draw share one Xvfb server
# with Mesa's software renderer, so no display or GPU is needed.
#   scripts/test.sh             the build in build/
#   scripts/test.sh --sanitize  the same suite built with ASan and UBSan, in build/sanitize
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
  "") bash "$root/scripts/build.sh"; dir="$root/build" ;;
  --sanitize)
    bash "$root/scripts/install-deps.sh"
    dir="$root/build/sanitize"
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPACEFIGHT_SANITIZE=ON >/dev/null
    cmake --build "$dir" -j "$(nproc)"
    # Mesa, X and SDL keep allocations to the end of the process on purpose;
    # only leaks of our own code fail the run.
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ;;
  *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
esac
cd "$dir"
# -noreset: an X server resets itself when its last client leaves, and a
# test connecting meanwhile is refused (one connection in ten, measured), so
# a test process starting as another ends could fail before drawing anything.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest --output-on-failure -j "$(nproc)"
