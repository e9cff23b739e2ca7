#!/usr/bin/env bash
# A chaos soak of the station node (not in CI): the real headless node on a fast clock
# (libfaketime's speed factor) against a rigctld stand-in with seeded random faults, the
# node killed now and then and restarted as its user unit would, then the figures.
#   scripts/soak.sh [--minutes N] [--speed X] [--seed S]
# A few minutes by default; `--minutes 70` covers some 14 hours of node time at x12.
# BUILD_DIR (default build) holds the node; it is built when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1 || true)
if [ -z "$faketime" ]; then
  sudo=$([ "$(id -u)" = 0 ] || echo sudo)
  $sudo apt-get install -y libfaketime >&2
  faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n 1)
fi
[ -d "$build" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target quendal quendal-guard >&2
# The node and its guard copied aside, so a build during a long soak changes neither.
work=$(mktemp -d "${TMPDIR:-/tmp}/quendal-soak.XXXXXX")
cp "$build/bin/quendal" "$build/bin/quendal-guard" "$work/"
mkdir "$work/station"
echo "soak: working in $work (the node's log: $work/station/node.log)" >&2
exec python3 scripts/soak.py --node "$work/quendal" --faketime "$faketime" \
  --folder "$work/station" "$@"
