#!/usr/bin/env bash
# Takes the README's screenshot, docs/screenshot.png: starts the built window program on a virtual
# display in a fresh program folder, builds a crossword with F5 and photographs the window.
# Run by hand from the repository root after a build: tools/take_screenshot.sh [PROGRAM] [OUTPUT]
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail
program=${1:-build/src/gridlex}
output=${2:-docs/screenshot.png}
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$program" --program-dir "$work/program" >"$work/program.log" 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --pid "$!" | head -1)
xdotool windowmove "$window" 0 0
sleep 2
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key F5
# The caption reports the build; a notice box (a small dictionary) is answered with Enter.
for _ in $(seq 240); do
  caption=$(xdotool getwindowname "$window")
  case "$caption" in "Новый кроссворд"*) break ;; esac
  sleep 0.5
done
case "$caption" in "Новый кроссворд"*) ;; *) echo "the build did not finish: $caption" >&2; exit 1 ;; esac
sleep 1
import -window "$window" "$output"
echo "$output: $caption"
