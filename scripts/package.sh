#!/usr/bin/env bash
# Builds the Debian packages (spacefight and spacefight-data) from a clean copy
# of the tree with dpkg-buildpackage, checks them with lintian --pedantic,
# appstreamcli and desktop-file-validate, then installs them as a player
# would, starts the game from its desktop entry, removes them and checks that
# nothing is left under /usr. Fails on any lintian error or warning.
#   scripts/package.sh [--no-install]    the packages land in build/packages
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
install=yes
[ "${1:-}" = --no-install ] && install=no
bash "$root/scripts/install-deps.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The tracked files as they stand in the working tree: nothing built or
# generated comes along. A copy of the tree without its history (an unpacked
# archive) has no tracked files: everything but the build folder comes.
mkdir "$work/spacefight"
if [ -e "$root/.git" ] && git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z | xargs -0 cp --parents -t "$work/spacefight")
else
  tar -C "$root" --exclude=./build --exclude=./.git --exclude='*.png' -cf - . | tar -C "$work/spacefight" -xf -
  if [ -d "$root/docs" ]; then (cd "$root" && find docs -name '*.png' -exec cp --parents -t "$work/spacefight" {} +); fi
fi
start=$(date +%s)
(cd "$work/spacefight" && dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) ||
  { tail -n 40 "$work/build.log"; echo "FAILED: dpkg-buildpackage"; exit 1; }
echo "dpkg-buildpackage: $(( $(date +%s) - start )) s"
out="$root/build/packages"
mkdir -p "$out"
rm -f "$out"/*
cp "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo "$out"/
ls -l "$out"

status=0
echo "== lintian --pedantic"
lintian --pedantic --info --display-experimental --fail-on error,warning "$out"/*.changes || status=1

echo "== metadata and desktop entry"
dpkg-deb -x "$out"/spacefight-data_*_all.deb "$work/data"
dpkg-deb -x "$out"/spacefight_*_amd64.deb "$work/data"
appstreamcli validate --pedantic --no-net "$work/data/usr/share/metainfo/"*.metainfo.xml || status=1
desktop-file-validate "$work/data/usr/share/applications/spacefight.desktop" || status=1
for size in 48 64 128 256; do
  got=$(identify -format '%m %wx%h' "$work/data/usr/share/icons/hicolor/${size}x${size}/apps/spacefight.png")
  [ "$got" = "PNG ${size}x${size}" ] || { echo "FAILED: icon $size: $got"; status=1; }
done
[ "$status" -eq 0 ] || { echo "FAILED: the packages' checks"; exit 1; }
[ "$install" = yes ] || exit 0

echo "== installed, played and removed"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
before=$(find /usr -name '*spacefight*' | sort)
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "$out"/spacefight_*.deb "$out"/spacefight-data_*.deb >/dev/null
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; status=1; fi; }
version=$(dpkg-query -W -f='${Version}' spacefight)
check "/usr/games/spacefight --version prints $version" test "$(/usr/games/spacefight --version)" = "spacefight $version"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/spacefight.desktop)
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  cd / && PATH=/usr/games:/usr/bin:/bin SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$1" $2 & game=$!
  timeout 30 xdotool search --sync --onlyvisible --name "^spacefight$" >/dev/null || exit 1
  sleep 1
  xdotool key Escape
  wait $game' _ "$work/home" "$exec_line" && started=yes || started=no
check "the desktop entry's Exec line ($exec_line) starts the game, Escape ends it" test "$started" = yes
$sudo apt-get remove -y -qq --purge spacefight spacefight-data >/dev/null
after=$(find /usr -name '*spacefight*' | sort)
check "removing the packages leaves nothing under /usr" test "$before" = "$after"
[ "$status" -eq 0 ] || exit 1
echo "Packages in $out"
