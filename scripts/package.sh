#!/usr/bin/env bash
# Builds the Debian package from a fresh release build folder and prints its path:
#   scripts/package.sh            -> build-deb/quendal_<version>_<arch>.deb
# The same as `cpack -G DEB` in any build folder configured with the clips and the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${BUILD_DIR:-build-deb}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUENDAL_WITH_TESTS=OFF
cmake --build "$build" --parallel
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/quendal_*.deb
