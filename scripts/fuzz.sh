#!/usr/bin/env bash
# Fuzzes the parsers that take outside input: builds their harnesses (tests/fuzz/) with
# clang's libFuzzer, AddressSanitizer and UBSan, and runs each from its checked-in corpus
# for FUZZ_SECONDS seconds (5). New inputs found go to a scratch folder, not the corpus.
# Without clang it says so and succeeds: the ordinary build still replays the corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz.sh: clang++ is not installed: fuzzing skipped" >&2
  exit 0
fi
build=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(options_lines temperature_lines scenario wav_header)
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  -DQUENDAL_FUZZING=ON -DQUENDAL_WITH_GUI=OFF -DQUENDAL_WITH_CLIPS=OFF >/dev/null
cmake --build "$build" --parallel 2 --target "${targets[@]/#/fuzz_}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
  mkdir -p "$scratch/$target"
  log="$scratch/$target.log"
  if ! "$build/bin/fuzz_$target" -max_total_time="${FUZZ_SECONDS:-5}" -print_final_stats=1 \
      -artifact_prefix="$scratch/" "$scratch/$target" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz.sh: $target failed; the input that broke it:" >&2
    ls "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* 2>/dev/null | head -n 1 | xargs -r od -A d -c | head -n 20 >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz.sh: $target: $runs executions in ${FUZZ_SECONDS:-5} s, no failure"
done
