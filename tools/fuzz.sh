#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and UndefinedBehaviorSanitizer
# on) and runs each for SECONDS (default 60), starting from its seed corpus in fuzz/corpus/.
#   tools/fuzz.sh [SECONDS] [TARGET...]
#   BUILD_DIR   build folder (default: build-fuzz); the corpus grown by a run and any input
#               that failed are kept under it, in corpus/<target>/ and findings/<target>/
#   FUZZ_RUNS   stop each target after this many executions instead (SECONDS still limits it)
# Prints the executions of each target and exits non-zero when a target found a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
korvant_install_missing clang libclang-rt-14-dev

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(catalogue_fuzz input_file_fuzz design_fuzz number_text_fuzz layered_fuzz)
build=${BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKORVANT_FUZZ=ON -DKORVANT_BUILD_UI=OFF -DKORVANT_BUILD_TESTS=OFF -DKORVANT_BUILD_BENCH=OFF \
  ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# The longest input each target is given: a few catalogues or input files, a design case, a
# number, a layered structure with its loads and points.
declare -A max_len=([catalogue_fuzz]=20000 [input_file_fuzz]=20000 [design_fuzz]=4096
  [number_text_fuzz]=64 [layered_fuzz]=512)

failed=0
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  log="$build/$name.log"
  status=0
  "$build/bin/$target" "$corpus" "fuzz/corpus/$name" -max_total_time="$seconds" \
    ${FUZZ_RUNS:+-runs="$FUZZ_RUNS"} -max_len="${max_len[$target]}" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs:-?} executions, no failure"
  else
    failed=1
    echo "$target: FAILED after ${runs:-?} executions (status $status); input kept in $findings/"
    grep -E 'ERROR|property failed|runtime error|SUMMARY' "$log" | head -5 || true
    echo "log: $log"
  fi
done
exit "$failed"
