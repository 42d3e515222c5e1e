#!/usr/bin/env bash
# Installs the Debian packages spacefight needs.
#   scripts/install-deps.sh          everything: build, play, test, fuzz, benchmark, package
#   scripts/install-deps.sh --play   only what building and playing the game needs
# Only missing packages are fetched, so a second run costs a second.
set -euo pipefail

play=(
  g++ cmake make pkg-config            # toolchain
  freeglut3-dev libglu1-mesa-dev       # GLUT window and event loop, GLU
  libgl1-mesa-dri                      # Mesa's software renderer (llvmpipe)
  libfreetype-dev fonts-dejavu-core    # glyphs for the font and the game-over picture
  libmp3lame-dev                       # MP3 encoding of the sound effects
  libsdl2-mixer-dev                    # sound: effects and the music module
  libpng-dev                           # PNG files: the desktop icons and the contact sheet
)
develop=(
  libgtest-dev                         # unit tests
  xvfb xauth xdotool                   # tests and screenshots without a display
  imagemagick                          # independent BMP decoding in tests, screenshots
  sox libsox-fmt-mp3 assimp-utils      # tests read the generated sounds and models independently
  clang libclang-rt-14-dev             # libFuzzer, and the sanitizers' runtime for clang
  file desktop-file-utils appstream    # the desktop entry's and the metadata's checks
  build-essential dpkg-dev debhelper lintian   # the Debian packages (scripts/package.sh)
  git                                  # the tracked files of a checkout, for the packages
  libbenchmark-dev gnuplot-nox         # the benchmarks: game-logic microbenchmarks, frame-time plots
  heaptrack                            # what the heap holds over long play (scripts/soak.sh's growth)
)

case "${1:-}" in
  --play) packages=("${play[@]}") ;;
  "") packages=("${play[@]}" "${develop[@]}") ;;
  *) echo "usage: scripts/install-deps.sh [--play]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
