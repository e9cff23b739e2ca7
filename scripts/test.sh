#!/usr/bin/env bash
# Builds everything and runs the whole test suite. Installs missing packages first.
# QUENDAL_ASAN=on|off: the tests that need no desktop again under AddressSanitizer and UBSan
# (scripts/test-asan.sh); on by default.
# QUENDAL_WINDOWS=auto|on|off: the Windows cross build and its tests under wine
# (scripts/test-windows.sh); auto, the default, runs them where their packages install.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
cmake --build "$build" --parallel
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
[ "${QUENDAL_ASAN:-on}" = off ] || scripts/test-asan.sh

case "${QUENDAL_WINDOWS:-auto}" in
  off) ;;
  on) scripts/test-windows.sh ;;
  *)
    if scripts/install-deps.sh --windows; then
      scripts/test-windows.sh
    else
      echo "test.sh: the Windows tools could not be installed: Windows tests skipped" >&2
    fi
    ;;
esac
