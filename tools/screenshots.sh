#!/usr/bin/env bash
# Screenshots of the main window at display scales 1 and 2 under a virtual display, for checking by eye
# that the board, its letters and the button pictures are sharp when the desktop is scaled.
# Usage: tools/screenshots.sh [build dir] [output dir]   (needs Xvfb and imagemagick's import)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$(mkdir -p "${2:-$root/build/screenshots}" && cd "${2:-$root/build/screenshots}" && pwd)
program="$build/src/gridlex"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1400x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 2

for scale in 1 2; do
  folder="$work/program$scale"
  cp -r "$root/dist" "$folder"
  (
    cd "$folder"
    # The window's remembered geometry goes to a configuration folder of its own.
    DISPLAY=$display XDG_CONFIG_HOME="$work/config$scale" QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
    pid=$!
    sleep 6
    DISPLAY=$display import -window root "$out/window-scale$scale.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  )
  echo "$out/window-scale$scale.png"
done
