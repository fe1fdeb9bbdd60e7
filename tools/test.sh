#!/usr/bin/env bash
# Sets up a Debian machine for KORVANT, builds it and runs the whole test suite.
#   BUILD_DIR   build folder (default: build)
#   CMAKE_ARGS  extra configure options, e.g. -DKORVANT_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
korvant_install_missing

build=${BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
