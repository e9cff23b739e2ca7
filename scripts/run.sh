#!/usr/bin/env bash
# Builds Quendal and starts it with the simulated station. Arguments go to the program,
# for instance: scripts/run.sh --clock 13:59:50
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display: neither DISPLAY nor WAYLAND_DISPLAY is set, so Quendal has nowhere to show its window." >&2
  exit 1
fi

scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
targets=(quendal)
# The spoken clips, where this checkout has them.
if cmake --build "$build" --target help | grep -q 'quendal_clips'; then targets+=(quendal_clips); fi
cmake --build "$build" --target "${targets[@]}"

# The options file is kept in the current folder: the program's own, not the checkout.
cd "$build/bin"
exec ./quendal "$@"
