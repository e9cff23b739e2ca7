#!/usr/bin/env bash
# The Windows part of the test suite: scripts/package-windows.sh cross-builds everything
# for 32-bit Windows with MinGW-w64, tests included, and makes the installer; the tests,
# the installer's among them, then run under 32-bit wine in a prefix inside the build
# folder. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${WINDOWS_BUILD_DIR:-build-win}
scripts/package-windows.sh
trap 'cmake/wine-run.sh --stop "$build"' EXIT
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
