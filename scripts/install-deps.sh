#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing. Usage:
#   scripts/install-deps.sh            packages to build and test everything
#   scripts/install-deps.sh --windows  the Windows cross builds (64-bit for the tests under
#                                      wine, 32-bit for the packages), NSIS and zip
#   scripts/install-deps.sh --wine32   wine for 32-bit programs, where the kernel runs them
#   scripts/install-deps.sh --format   clang-format, for scripts/check-format.sh
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev
  libhamlib-utils
  qt6-base-dev fonts-liberation xvfb xauth qt6-translations-l10n
  espeak-ng sox qt6-multimedia-dev pulseaudio pulseaudio-utils
  clang
  desktop-file-utils appstream
  dpkg-dev lintian
  cmark
)
if [ "${1:-}" = "--windows" ]; then
  packages=(
    cmake ninja-build googletest espeak-ng sox
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine64 fonts-wine fonts-liberation
    nsis zip binutils cmark
  )
elif [ "${1:-}" = "--wine32" ]; then
  packages=(wine32:i386)
elif [ "${1:-}" = "--format" ]; then
  packages=(clang-format)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ "${1:-}" = "--wine32" ]; then $sudo dpkg --add-architecture i386; fi
$sudo apt-get update -qq
# Another install already running is waited for, not failed on.
$sudo apt-get install -y -qq -o DPkg::Lock::Timeout=600 --no-install-recommends "${missing[@]}"
