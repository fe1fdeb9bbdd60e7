#!/usr/bin/env bash
# Drives the desktop program on a virtual display as a user would (menus by their mnemonics,
# clicks on the list, the grid and the buttons) and saves a screenshot of each step, to look at
# the window after layout changes. Needs xvfb-run, xdotool and ImageMagick's import.
#   tools/screenshots.sh [build dir] [output dir]      (defaults: build, screenshots)
#   SCALE=2 tools/screenshots.sh ...                     the same at 200 % screen scaling
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-screenshots}")
scale=${SCALE:-1}
mkdir -p "$out"

if [ -z "${KORVANT_ON_DISPLAY:-}" ]; then
  export KORVANT_ON_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 $((1280 * scale))x$((900 * scale))x24" "$0" "$build" "$out"
fi

export QT_SCALE_FACTOR=$scale
"$build/bin/korvant" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^KORVANT$' | head -1)
xdotool windowmove "$window" 0 0 windowsize "$window" $((1280 * scale)) $((860 * scale))

# Window-relative points in logical pixels at the 1280 x 860 window size.
click() { xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click --repeat "${3:-1}" 1; }
keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
shot() { sleep 0.6; import -window root "$out/$1.png"; echo "$out/$1.png"; }

sleep 1
click 640 800                   # without a window manager a click makes the window active
shot 1-title
keys alt+a                      # Aircraft Data
click 160 69                    # the first aircraft of the list
keys Down Down Down alt+a       # Add the fourth
keys Down Down Down Down alt+a
click 160 97 2                  # a double click adds too
shot 2-aircraft
click 520 170 2                 # gross weight of the second aircraft
shot 3-change-data
keys ctrl+a
xdotool type --delay 60 "90000"
keys Return
shot 4-changed
keys alt+d o                    # Design Structure, One Layer System
click 920 210                   # Design Thickness: the damage charts appear below the panel
shot 5-one-layer
keys alt+d t                    # Two Layer System: Design Structure is disabled here,
keys alt+a alt+d t              # so go through Aircraft Data
click 920 210
shot 6-two-layer
click 618 255                   # the thickness of a given slab, then Enter evaluates it
xdotool type --delay 60 "15"
keys Return
shot 6-evaluate
keys alt+t                      # Calculation Trace
shot 6-trace
keys alt+d t                    # back to the two-layer view
click 920 210
click 920 250                   # Report
shot 7-report
keys alt+h a                    # About
shot 8-about
keys Return
keys alt+f x                    # Exit
shot 9-close-prompt
keys n                          # No: close without saving
wait "$pid"
echo "korvant ended with status $?"
