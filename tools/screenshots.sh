#!/usr/bin/env bash
# Drives the desktop program on a virtual display as a user would (one click to make the window
# active, then the keyboard: mnemonics, the list, the grid, the fields) and saves a screenshot of
# each step, to look at the window after layout changes. Needs xvfb-run, xdotool and ImageMagick's
# import.
#   tools/screenshots.sh [build dir] [output dir]      (defaults: build, screenshots)
#   SCALE=2 tools/screenshots.sh ...                    at 200 % screen scaling
#   SIZE=640x480 tools/screenshots.sh ...               on a screen of that many logical pixels
#   DARK=1 tools/screenshots.sh ...                     in a dark colour scheme, as a KDE desktop
#                                                       sets one (kdeglobals in a temporary home)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-screenshots}")
scale=${SCALE:-1}
size=${SIZE:-1280x860}
mkdir -p "$out"

if [ -z "${KORVANT_ON_DISPLAY:-}" ]; then
  export KORVANT_ON_DISPLAY=1
  width=$(awk -v s="$scale" -v w="${size%x*}" 'BEGIN { print int(w * s) }')
  height=$(awk -v s="$scale" -v h="${size#*x}" 'BEGIN { print int(h * s) }')
  # A home of its own: the run starts from the default settings and keeps none.
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  mkdir -p "$home/.config"
  export HOME=$home XDG_CONFIG_HOME=$home/.config
  if [ -n "${DARK:-}" ]; then
    printf '%s\n' '[Colors:Window]' 'BackgroundNormal=35,38,41' 'ForegroundNormal=239,240,241' \
      '[Colors:View]' 'BackgroundNormal=27,30,32' 'BackgroundAlternate=35,38,41' \
      'ForegroundNormal=239,240,241' \
      '[Colors:Button]' 'BackgroundNormal=49,54,59' 'ForegroundNormal=239,240,241' \
      '[Colors:Selection]' 'BackgroundNormal=61,174,233' 'ForegroundNormal=255,255,255' \
      '[Colors:Tooltip]' 'BackgroundNormal=49,54,59' 'ForegroundNormal=239,240,241' \
      > "$home/.config/kdeglobals"
    export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
  fi
  xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" "$build" "$out"
  exit
fi

export QT_SCALE_FACTOR=$scale
"$build/bin/korvant" 2> /dev/null &
pid=$!
window=$(xdotool search --sync --onlyvisible --name 'KORVANT' | head -1)
xdotool windowmove "$window" 0 0 windowsize "$window" 100% 100% # the whole screen

keys() { xdotool key --delay 120 "$@"; sleep 0.4; }
shot() { sleep 0.8; import -window root "$out/$1.png"; echo "$out/$1.png"; }

sleep 1
# Without a window manager a click makes the window active; the title screen has nothing to hit.
xdotool mousemove --window "$window" 300 300 click 1
shot 1-title
keys alt+a                          # Aircraft Data: the keyboard is in the aircraft list
keys Down Down Down alt+a           # Add the fourth
keys Down Down Down Down Down Down alt+a
keys Down Down Down Down Down Down Down Down Down Down Down Down Down Down alt+a
keys Tab Tab Down Down Right        # the grid: gross weight of the first aircraft
shot 2-aircraft
keys F2                             # Change Data
shot 3-change-data
xdotool type --delay 60 "heavy"
keys Return                         # not a number: the message box
shot 3-invalid-number
keys Escape                         # back in Change Data, the old value selected
xdotool type --delay 60 "12000"
keys Return
shot 4-changed
keys alt+d o                        # Design Structure, One Layer System
keys alt+g                          # Design Thickness: the damage charts appear below the panel
shot 5-one-layer
keys alt+a alt+d t                  # Two Layer System, through Aircraft Data
keys alt+g
shot 6-two-layer
# Tab runs from E through the inputs and the two buttons to the thickness of a given slab.
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 60 "15"        # Enter evaluates it
keys Return
shot 6-evaluate
keys alt+u Down                     # the PCR's subgrade category chosen: the PCR follows
shot 6-pcr-category
keys alt+l Tab                      # a given slab for the PCR
xdotool type --delay 60 "18"        # Enter computes its PCR
keys Return
shot 6-pcr-given
keys shift+Tab shift+Tab shift+Tab  # back to the evaluation's thickness
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool type --delay 60 "150"       # k changed: the results are marked out of date
shot 7-out-of-date
keys alt+p                          # Report, with its out-of-date line
shot 8-report
keys alt+t                          # Calculation Trace
shot 9-trace
keys alt+b                          # ACR Table: the catalogue rated off the window's thread
sleep 2
shot 10-acr
keys Down Down Return               # the third aircraft's what-if gross weight
xdotool type --delay 60 "9000"
keys Return
shot 10-acr-what-if
keys alt+m                          # the mix's aircraft only
shot 10-acr-mix
keys alt+s s                        # Studies: Sensitivity Study
keys alt+r
sleep 3
shot 11-sensitivity
keys Escape
xdotool windowfocus --sync "$window"  # no window manager gives the keyboard back
keys alt+h a                        # About
shot 12-about
keys Return
keys alt+f x                        # Exit
shot 13-close-prompt
keys n                              # No: close without saving
# A step that did not reach the window leaves it open: end it rather than wait for ever.
for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2> /dev/null || break; sleep 0.5; done
kill "$pid" 2> /dev/null && echo "korvant did not close" || echo "korvant ended"
