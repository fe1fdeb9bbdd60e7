#!/usr/bin/env bash
# Static analysis of src/: clang-tidy with the checked-in .clang-tidy, and cppcheck. Exits
# non-zero on any finding.
#   BUILD_DIR   a configured build folder whose compile_commands.json clang-tidy uses
#               (default: build; it is configured here when it has none)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
korvant_install_missing clang-tidy cppcheck

build=${BUILD_DIR:-build}
[ -f "$build/compile_commands.json" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The Qt sources include the files that moc and the version header generate.
cmake --build "$build" --target korvant_ui_autogen >/dev/null 2>&1 || true

mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "== clang-tidy (${#sources[@]} files)"
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
  { grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u; echo "clang-tidy found problems"; exit 1; }

echo "== cppcheck"
cppcheck --enable=warning,performance,portability --std=c++20 --language=c++ --inline-suppr \
  --error-exitcode=1 --quiet -I src -I "$build/src/generated" \
  -DKORVANT_INSTALLED_DATA_DIR='"/usr/share/korvant"' -DKORVANT_RELATIVE_DATA_DIR='"share/korvant"' \
  src
echo "clang-tidy and cppcheck: no findings"
