#!/usr/bin/env bash
# The Windows part of the test suite: cross-builds the core, the host links (the COM link
# included), the options, the simulator, the clip library and every test that needs no
# desktop for 64-bit Windows with MinGW-w64, and runs the tests under wine in a prefix
# inside the build folder. The desktop program is not built. Installs missing packages
# first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
build=${WINDOWS_BUILD_DIR:-build-win}
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DQUENDAL_WITH_GUI=OFF
# Wine's first start, which makes the prefix, runs beside the build.
cmake/wine-run.sh --boot "$build" &
boot=$!
cmake --build "$build" --parallel
wait "$boot"
trap 'cmake/wine-run.sh --stop "$build"' EXIT
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
