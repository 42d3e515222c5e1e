# Shared by the program tests (sourced): a work folder removed at the end, the
# game's process ($pid) never outliving the test however it ends (CTest's time
# limit included), and checks that count failures.
work=$(mktemp -d)
pid=
failures=0
IM=/usr/bin/convert   # Debian's ImageMagick, not any stand-in earlier on PATH
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
check() {   # check "what" command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

# The game reads and writes its settings and best score here, never in the tester's own files: a
# player's settings (a start screen, other keys, no frame cap) must not change what a test sees.
export XDG_DATA_HOME="$work/data-home" XDG_CONFIG_HOME="$work/config-home" HOME="$work/home"
mkdir -p "$HOME"
