#!/usr/bin/env bash
# The Windows part of the test suite, on the shipped 32-bit build wherever this machine
# can run it: scripts/package-windows.sh cross-builds with MinGW-w64 and makes the
# packages, then the tests, the installer's among them, run under wine in a prefix inside
# the build folder. Installs missing packages first. Which wine runs them is found by
# trying, not assumed (QUENDAL_WINE32=auto|wine32|wow64|off to choose):
#   wine32  the kernel runs 32-bit programs: Debian's wine32 (wine 8);
#   wow64   it does not, or wine32 does not install, but it takes 32-bit system calls from
#           64-bit programs and this is root: wine 10's WoW64 mode, in a Debian trixie root
#           made once and kept outside the clone (scripts/wow64-root.sh); the mode is used
#           once a 32-bit test program has started in it;
#   off     none of these: the 64-bit build of the same sources is tested instead, under
#           wine64 (a kernel with IA-32 emulation off refuses both: no wine runs 32-bit
#           Windows code there).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${WINDOWS_BUILD_DIR:-build-win}
case "$build" in /*) ;; *) build=$(pwd)/$build ;; esac
mkdir -p "$build"

choice=${QUENDAL_WINE32:-auto}
if [ "$choice" = auto ]; then
  if scripts/kernel-32-bit.sh programs && scripts/install-deps.sh --wine32; then
    choice=wine32
  elif scripts/kernel-32-bit.sh calls && [ "$(id -u)" -eq 0 ] && scripts/wow64-root.sh >/dev/null
  then
    choice=wow64
  else
    choice=off
  fi
fi
case "$choice" in
  wine32) scripts/install-deps.sh --wine32 ;;
  wow64) root=$(scripts/wow64-root.sh) ;;
  off) echo "test-windows.sh: no wine here runs 32-bit Windows programs (the kernel refuses" \
    "32-bit code): testing the 64-bit build instead" >&2 ;;
  *)
    echo "test-windows.sh: QUENDAL_WINE32 is auto, wine32, wow64 or off" >&2
    exit 2
    ;;
esac

# COMMAND with the chosen wine, its session ended when COMMAND ends.
with_wine() {
  local session='trap "cmake/wine-run.sh --stop $0" EXIT; "$@"'
  if [ "$choice" = wow64 ]; then
    scripts/wow64-root.sh --run "$(pwd)" "$build" -- bash -c "$session" "$tested" "$@"
  else
    bash -c "$session" "$tested" "$@"
  fi
}

build_tested() {
  started=$SECONDS
  if [ "$choice" = off ]; then
    QUENDAL_WINDOWS_TESTS=64 scripts/package-windows.sh
    tested=$build
  else
    QUENDAL_WINDOWS_TESTS=32 scripts/package-windows.sh
    tested=$build/win32
  fi
  echo "test-windows.sh: built in $((SECONDS - started)) s; testing $tested ($choice)" >&2
}

build_tested
if [ "$choice" = wow64 ] &&
  ! with_wine cmake/wine-run.sh "$tested/bin/core_test.exe" --gtest_list_tests >/dev/null 2>&1
then
  echo "test-windows.sh: wine's WoW64 mode starts no 32-bit program here: testing the" \
    "64-bit build instead" >&2
  choice=off
  build_tested
fi
started=$SECONDS
status=0
with_wine ctest --test-dir "$tested" --output-on-failure --parallel "$(nproc)" || status=$?
echo "test-windows.sh: tests took $((SECONDS - started)) s" >&2
exit "$status"
