#!/usr/bin/env bash
# Runs a Windows program under wine64 in a wine prefix of the build's own, made on first
# use: the build folder's wine-prefix, found from the program's path (the nearest folder
# above it with a CMakeCache.txt), or $WINEPREFIX when set. Wine's own chatter is off.
#   cmake/wine-run.sh PROGRAM.exe [ARGUMENT...]
#   cmake/wine-run.sh --boot BUILD_FOLDER        only makes the prefix
#   cmake/wine-run.sh --stop BUILD_FOLDER        ends the prefix's wine session
set -eu

wine=$(command -v /usr/lib/wine/wine64 wine64 wine 2>/dev/null | head -n 1) || true
if [ -z "$wine" ]; then
  echo "wine-run.sh: wine64 is not installed (scripts/install-deps.sh --windows)" >&2
  exit 127
fi

if [ "${1:-}" = "--boot" ] || [ "${1:-}" = "--stop" ]; then
  build=$2
else
  build=$(dirname "$1")
  while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
fi
if [ -z "${WINEPREFIX:-}" ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "wine-run.sh: $1 is in no build folder; set WINEPREFIX" >&2
    exit 2
  fi
  case "$build" in /*) ;; *) build=$(pwd)/$build ;; esac
  export WINEPREFIX="$build/wine-prefix"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

wineserver=$(dirname "$wine")/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver) || true
if [ "$1" = "--stop" ]; then
  if [ -n "$wineserver" ] && [ -d "$WINEPREFIX" ]; then "$wineserver" -k 2>/dev/null || true; fi
  exit 0
fi

# Programs started at once (CTest in parallel) make the prefix once, one after another.
booted="$WINEPREFIX/.quendal-booted"
if [ ! -f "$booted" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock -o "$WINEPREFIX.lock" sh -c \
    '[ -f "$2" ] || { "$1" wineboot -i >/dev/null 2>&1 && touch "$2"; }' sh "$wine" "$booted"
fi

[ "${1:-}" = "--boot" ] && exit 0

# One wine session for a whole test run. Wine's server ends 3 s after its last program by
# default, and a program that starts while it ends fails ("recvmsg: Connection reset by
# peer"); this one waits 30 s. The session's own processes (services, rpcss) are started
# here with no output, since they outlive the program and CTest would wait for the end
# of any output pipe they inherited.
if [ -n "$wineserver" ]; then
  flock -o "$WINEPREFIX.lock" sh -c \
    '"$1" -p30 && "$2" wineboot || true' sh "$wineserver" "$wine" </dev/null >/dev/null 2>&1
fi

# Wine 8 on glibc 2.36 now and then aborts in ld.so while a process exits, after the
# program has finished its work ("Inconsistency detected by ld.so: dl-fini.c"), and a
# program that meets a server shutting down fails at its start. Neither is the
# program's doing: such a run is made once more.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for attempt in 1 2; do
  status=0
  "$wine" "$@" 2>"$errors" || status=$?
  cat "$errors" >&2
  [ "$status" -eq 0 ] && exit 0
  grep -q -e 'Inconsistency detected by ld.so' -e 'wine client error' "$errors" || exit "$status"
  [ "$attempt" -eq 1 ] && echo "wine-run.sh: wine failed outside the program; running it again" >&2
done
exit "$status"
