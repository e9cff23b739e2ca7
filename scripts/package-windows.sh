#!/usr/bin/env bash
# Builds everything for Windows with MinGW-w64 in the Windows build folder
# (WINDOWS_BUILD_DIR, default build-win) and makes there, with CPack, the per-user
# installer quendal-<version>-setup.exe (NSIS) and quendal-<version>-win32.zip, which hold
# the same files. Installs missing packages first.
#
# Two builds: the folder itself is the 64-bit one, which speaks the clips (its clip lister
# runs under the machine's wine64); its win32/ folder is the 32-bit one that is shipped,
# since the host program is 32-bit and a 32-bit program runs on every Windows.
# QUENDAL_WINDOWS_TESTS says which of them also builds the test suite (scripts/test-windows.sh
# runs it): none (the default: the 32-bit build is a Release one), 32, or 64.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
build=${WINDOWS_BUILD_DIR:-build-win}
case "$build" in /*) ;; *) build=$(pwd)/$build ;; esac
tests=${QUENDAL_WINDOWS_TESTS:-none}

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DQUENDAL_WITH_TESTS="$([ "$tests" = 64 ] &&
    echo ON || echo OFF)"
if [ "$tests" = 64 ]; then
  # Wine's first start, which makes the prefix for the tests, runs beside the build.
  cmake/wine-run.sh --boot "$build" &
  boot=$!
  cmake --build "$build" --parallel "$(nproc)"
  wait "$boot"
else
  cmake --build "$build" --parallel "$(nproc)" --target quendal_clips
fi

if [ "$tests" = 32 ]; then
  # The tests run under whichever wine scripts/test-windows.sh chose for 32-bit programs.
  win32=(-DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DQUENDAL_WITH_TESTS=ON
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(pwd)/cmake/wine-run.sh")
  target=all
else
  # Release: the packages' executables are stripped, so debug information would be
  # compiled for nothing.
  win32=(-DCMAKE_BUILD_TYPE=Release -DQUENDAL_WITH_TESTS=OFF)
  target=quendal_station
fi
cmake -S . -B "$build/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  "${win32[@]}" -DQUENDAL_WITH_CLIPS=OFF -DQUENDAL_PACKAGE_CLIPS="$build/bin"
cmake --build "$build/win32" --parallel "$(nproc)" --target "$target"
cpack --config "$build/win32/CPackConfig.cmake" -B "$build" >"$build/cpack.log" || {
  cat "$build/cpack.log" >&2
  exit 1
}
ls -l "$build"/quendal-*-setup.exe "$build"/quendal-*-win32.zip
