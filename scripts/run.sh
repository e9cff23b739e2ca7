#!/usr/bin/env bash
# Builds Quendal and starts it with the simulated station. Arguments go to the program,
# for instance: scripts/run.sh --clock 13:59:50, or scripts/run.sh --headless --host sim
set -euo pipefail
cd "$(dirname "$0")/.."

# The station node and the help need no display.
needs_display=yes
for argument in "$@"; do
  case "$argument" in --headless | --help | -h) needs_display=no ;; esac
done
if [ "$needs_display" = yes ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
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
