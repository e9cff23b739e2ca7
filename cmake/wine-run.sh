#!/usr/bin/env bash
# Runs a Windows program under wine64 in a wine prefix of the build's own, made on first
# use: the build folder's wine-prefix, found from the program's path (the nearest folder
# above it with a CMakeCache.txt), or $WINEPREFIX when set. Wine's own chatter is off.
#   cmake/wine-run.sh PROGRAM.exe [ARGUMENT...]
#   cmake/wine-run.sh --boot BUILD_FOLDER        only makes the prefix
#   cmake/wine-run.sh --stop BUILD_FOLDER        ends the prefix's wine session
# With QUENDAL_WINE_ROOT set, wine is the one in that root (scripts/wow64-root.sh), run
# through chroot: whoever sets it has mounted /proc, /sys, /dev and the build's folders
# inside it at their own paths (scripts/test-windows.sh).
set -eu

in_root() {
  if [ -n "${QUENDAL_WINE_ROOT:-}" ]; then chroot "$QUENDAL_WINE_ROOT" "$@"; else "$@"; fi
}

# Wine's own program, not the wrapper in /usr/bin, which starts a shell first.
if [ -n "${QUENDAL_WINE_ROOT:-}" ]; then
  wine=/usr/lib/wine/wine64
  [ -x "$QUENDAL_WINE_ROOT$wine" ] || wine=
else
  wine=$(command -v /usr/lib/wine/wine64 wine64 wine 2>/dev/null | head -n 1) || true
fi
if [ -z "$wine" ]; then
  echo "wine-run.sh: wine64 is not installed (scripts/install-deps.sh --windows)" >&2
  exit 127
fi

if [ -z "${WINEPREFIX:-}" ]; then
  if [ "${1:-}" = "--boot" ] || [ "${1:-}" = "--stop" ]; then
    build=$2
  else
    build=$(dirname "$(realpath -m "$1")")
    while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
  fi
  if [ ! -f "$build/CMakeCache.txt" ]; then
    echo "wine-run.sh: $1 is in no build folder; set WINEPREFIX" >&2
    exit 2
  fi
  case "$build" in /*) ;; *) build=$(pwd)/$build ;; esac
  export WINEPREFIX="$build/wine-prefix"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or Gecko prompts, and no menu entries or desktop files in the real home folder
# for the shortcuts an installer makes.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"

wineserver=$(dirname "$wine")/wineserver64
if [ -z "${QUENDAL_WINE_ROOT:-}" ] && [ ! -x "$wineserver" ]; then
  wineserver=$(command -v wineserver) || true
fi
if [ "$1" = "--stop" ]; then
  if [ -n "$wineserver" ] && [ -d "$WINEPREFIX" ]; then in_root "$wineserver" -k 2>/dev/null || true; fi
  exit 0
fi

# The prefix: wine's own set-up, then the fonts the designed windows name. Debian keeps
# wine's fonts (MS Sans Serif among them) outside the prefix, where GDI does not list
# them; Times New Roman is the metric twin of Liberation Serif.
# Wine's null display driver from the session's start: nothing draws on a real display.
set_up_prefix() {
  in_root "$wine" wineboot -i >/dev/null 2>&1 || return 1
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n "${QUENDAL_WINE_ROOT:-}"/usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" \
    2>/dev/null || true
  in_root "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
    /d 'Liberation Serif' /f >/dev/null 2>&1 || return 1
  in_root "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 ||
    return 1
  # Wine links the user's Desktop, Documents and the like to the real home folder: plain
  # folders instead, so what a program or an installer puts there stays in the prefix.
  local folder
  for folder in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$folder" ]; then rm "$folder" && mkdir "$folder"; fi
  done
  in_root "$wineserver" -k 2>/dev/null || true
}

# Programs started at once (CTest in parallel) make the prefix once, one after another.
# flock -o: the wine server the set-up starts does not inherit the lock, which it would
# hold for as long as it runs. A prefix is one wine version's: another version's is made
# again, since wine 8 and wine 10 cannot share one.
booted="$WINEPREFIX/.quendal-booted"
version=$(in_root "$wine" --version)
if [ "$(cat "$booted" 2>/dev/null)" != "$version" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  export -f set_up_prefix in_root
  export wine wineserver version
  flock -o "$WINEPREFIX.lock" bash -c '
    [ "$(cat "$1" 2>/dev/null)" = "$version" ] && exit 0
    if [ -e "$1" ]; then rm -rf "$WINEPREFIX"; fi
    set_up_prefix && echo "$version" >"$1"' bash "$booted"
fi

[ "${1:-}" = "--boot" ] && exit 0

# One wine session for a whole test run. Wine's server ends 3 s after its last program by
# default, and a program that starts while it ends fails ("recvmsg: Connection reset by
# peer"); this one waits 30 s. The session's own processes (services, rpcss) are started
# here with no output, since they outlive the program and CTest would wait for the end
# of any output pipe they inherited.
if [ -n "$wineserver" ]; then
  export -f in_root
  flock -o "$WINEPREFIX.lock" bash -c \
    'in_root "$1" -p30 && in_root "$2" wineboot || true' bash "$wineserver" "$wine" \
    </dev/null >/dev/null 2>&1
fi

# Wine 8 on glibc 2.36 now and then aborts in ld.so while a process exits, after the
# program has finished its work ("Inconsistency detected by ld.so: dl-fini.c"), and a
# program that meets a server shutting down fails at its start. Neither is the
# program's doing: such a run is made once more.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for attempt in 1 2; do
  status=0
  in_root "$wine" "$@" 2>"$errors" || status=$?
  cat "$errors" >&2
  [ "$status" -eq 0 ] && exit 0
  grep -q -e 'Inconsistency detected by ld.so' -e 'wine client error' "$errors" || exit "$status"
  [ "$attempt" -eq 1 ] && echo "wine-run.sh: wine failed outside the program; running it again" >&2
done
exit "$status"
