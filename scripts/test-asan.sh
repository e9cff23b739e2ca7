#!/usr/bin/env bash
# The tests that need no desktop, built again with AddressSanitizer and UBSan and run so
# that the first report ends the test with a failure. Neither the desktop program nor the
# spoken clips are built: they would only add build time. Unoptimised, because that costs
# a third of the compile time of -O2 and the tests run about as fast. Installs missing
# packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${ASAN_BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUENDAL_WITH_ASAN=ON \
  -DQUENDAL_WITH_GUI=OFF -DQUENDAL_WITH_CLIPS=OFF
cmake --build "$build" --parallel
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
