#!/usr/bin/env bash
# Measures what the Windows desktop program costs while it sits idle under wine, beside a
# yardstick measured in the same run: a plain window with a one-second timer
# (scripts/idle-baseline.cpp). Each runs visible, then minimised, on its own Xvfb
# display; the figure is the share of one core its wine process and the prefix's
# wineserver used over SECONDS (default 60), after a 10 s settling time. A measuring
# tool, not a test: CI does not run it.
#   scripts/idle-cpu.sh [BUILD_WIN] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build-win}")
seconds=${2:-60}
wine=/usr/lib/wine/wine64
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

x86_64-w64-mingw32-g++-posix -O2 -municode -mwindows -static -o "$work/baseline.exe" \
  scripts/idle-baseline.cpp
cp "$build/bin/quendal.exe" "$work/"
# A prefix of this run's own, so its wineserver serves nothing else.
cp -a "$build/wine-prefix" "$work/prefix"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 2
"$wine" wineboot >/dev/null 2>&1 || true

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure() {  # NAME SHOW PROGRAM [ARGUMENT...]
  local name=$1 show=$2
  shift 2
  local how=()
  [ "$show" = minimised ] && how=(/min)
  (cd "$work" && exec "$wine" start /wait "${how[@]}" /unix "$@") >/dev/null 2>&1 &
  local starter=$! pid="" server
  for _ in $(seq 100); do
    pid=$(pgrep -n -f "^Z:.*${work##*/}.$(basename "$1")" || true)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  # The prefix's own server works in a folder named after the prefix's device and inode.
  local folder
  folder=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for server in $(pgrep -x wineserver64); do
    [ "$(basename "$(readlink "/proc/$server/cwd")")" = "$folder" ] && break
  done
  sleep 10
  local a b c d
  a=$(ticks "$pid"); b=$(ticks "$server")
  sleep "$seconds"
  c=$(ticks "$pid"); d=$(ticks "$server")
  local hz
  hz=$(getconf CLK_TCK)
  awk -v n="$name" -v s="$show" -v p=$((c - a)) -v w=$((d - b)) -v t="$seconds" -v hz="$hz" \
    'BEGIN { printf "%-9s %-10s program %5.2f %%  wineserver %5.2f %%  both %5.2f %% of a core\n",
             n, s, 100 * p / hz / t, 100 * w / hz / t, 100 * (p + w) / hz / t }'
  kill "$pid" 2>/dev/null || true
  wait "$starter" 2>/dev/null || true
}

for show in visible minimised; do
  measure baseline "$show" "$work/baseline.exe"
  measure quendal "$show" "$work/quendal.exe" --host sim
done
