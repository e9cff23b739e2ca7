#!/usr/bin/env bash
# The Windows part of the test suite: scripts/package-windows.sh cross-builds everything
# with MinGW-w64 (64-bit with the tests, 32-bit for the packages) and makes the installer;
# the tests, the installer's among them, then run under wine in a prefix inside the build
# folder. Installs missing packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${WINDOWS_BUILD_DIR:-build-win}
scripts/package-windows.sh
trap 'cmake/wine-run.sh --stop "$build"' EXIT
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
