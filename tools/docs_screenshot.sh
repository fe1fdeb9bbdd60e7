#!/usr/bin/env bash
# Remakes the manual's and the README's picture of the window (docs/manual/window.png): the
# two-layer view after a design with its damage charts and an evaluated slab, taken by
# tools/screenshots.sh under a virtual display. Needs xvfb, xdotool, imagemagick.
#   tools/docs_screenshot.sh [build dir]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
bash tools/screenshots.sh "${1:-build}" "$shots" > /dev/null
convert "$shots/6-evaluate.png" -crop 1280x860+0+0 +repage docs/manual/window.png
echo docs/manual/window.png
