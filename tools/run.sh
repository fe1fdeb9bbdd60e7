#!/usr/bin/env bash
# Sets up a Debian machine for KORVANT, builds it and starts the program with the bundled
# aircraft catalogue. Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
korvant_install_missing

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANT_BUILD_TESTS=OFF -DKORVANT_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)" --target korvant korvant-cli
exec "$build/bin/korvant" "$@"
