#!/usr/bin/env bash
# Starts the program on a virtual X display of its own, through the real X11 platform
# plugin (the other window tests draw offscreen), and has it draw its windows.
# Usage: RunOnXvfb.sh QUENDAL WORKDIR. Exits 77 (skipped) when no virtual display exists.
set -euo pipefail
program=$1
work=$2
if ! command -v xvfb-run >/dev/null || ! command -v xauth >/dev/null; then
  echo "skipped: xvfb-run or xauth is not installed (scripts/install-deps.sh installs them)"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
cd "$work"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xvfb-run -a -s "-screen 0 1024x768x24" "$program" --clock 09:59:58 --screenshot "$work/shots"
for picture in main-window about help simulated-host; do
  [ -s "shots/$picture.png" ] || { echo "no $picture.png"; exit 1; }
done
