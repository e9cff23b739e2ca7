#!/usr/bin/env bash
# Makes, or finds already made, a Debian trixie root with wine 10, whose WoW64 mode runs
# 32-bit Windows programs inside the 64-bit wine process: no 32-bit Linux program is ever
# loaded, so it works on a kernel that runs none. Needs root (debootstrap, chroot, mount);
# costs about 4 minutes and 2 GB the first time.
#   scripts/wow64-root.sh                         makes the root if need be, prints its folder
#   scripts/wow64-root.sh --run FOLDER... -- COMMAND [ARGUMENT...]
#       runs COMMAND with QUENDAL_WINE_ROOT set (see cmake/wine-run.sh) in a mount
#       namespace of its own, where the root has /proc, /sys, /dev and each FOLDER at its
#       own path; the mounts go with the namespace however COMMAND ends.
# The root lives outside any clone (QUENDAL_WOW64_CACHE, default /var/cache/quendal-wow64),
# in a folder named after its recipe: a root of an older recipe is not used, and removed.
set -euo pipefail
recipe=trixie-wine10-1
cache=${QUENDAL_WOW64_CACHE:-/var/cache/quendal-wow64}
root=$cache/$recipe
mirror=${QUENDAL_DEBIAN_MIRROR:-http://deb.debian.org/debian}

say() { echo "wow64-root.sh: $*" >&2; }

# Wine finds itself through /proc: it is mounted for the look, in a namespace of its own.
valid() {
  [ "$(cat "$root/.quendal-recipe" 2>/dev/null)" = "$recipe" ] &&
    [ -f "$root/usr/lib/x86_64-linux-gnu/wine/i386-windows/kernel32.dll" ] &&
    unshare --mount --propagation private sh -c \
      'mount -t proc proc "$1/proc" && chroot "$1" /usr/lib/wine/wine64 --version' sh "$root" \
      >/dev/null 2>&1
}

# In a mount namespace of its own, so what it mounts goes with it however it ends.
build() {
  local new=$1
  mkdir -p "$new/proc" "$new/sys" "$new/dev"
  mount -t proc proc "$new/proc"
  mount -t sysfs sys "$new/sys"
  mount --rbind /dev "$new/dev"
  cp /etc/resolv.conf "$new/etc/resolv.conf"
  chroot "$new" /bin/sh -eu -c '
    export DEBIAN_FRONTEND=noninteractive
    dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends wine wine64 libwine fonts-wine \
      fonts-liberation >/dev/null
    # The 32-bit Windows half of wine: the PE DLLs of the same version, unpacked beside
    # the 64-bit ones, where the WoW64 loader looks. Nothing of the package runs.
    version=$(dpkg-query -W -f="\${Version}" libwine)
    cd /tmp
    apt-get download -qq "libwine:i386=$version"
    dpkg-deb -x libwine_*_i386.deb i386
    cp -r i386/usr/lib/i386-linux-gnu/wine/i386-windows/. /usr/lib/x86_64-linux-gnu/wine/i386-windows/
    rm -rf i386 libwine_*_i386.deb
    apt-get clean
    rm -rf /var/lib/apt/lists/*'
}

# In the namespace: the mounts, then COMMAND.
enter() {
  local folder
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  mount --rbind /dev "$root/dev"
  while [ "$1" != -- ]; do
    folder=$(realpath "$1")
    mkdir -p "$root$folder"
    mount --bind "$folder" "$root$folder"
    shift
  done
  shift
  QUENDAL_WINE_ROOT=$root exec "$@"
}

if [ "${1:-}" = --run ]; then
  shift
  valid || {
    say "no valid root in $root: run scripts/wow64-root.sh first"
    exit 1
  }
  export -f enter
  export root
  exec unshare --mount --propagation private bash -euc 'enter "$@"' bash "$@"
fi

mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9
if ! valid; then
  say "making the WoW64 root in $root (about 2 minutes)"
  for old in "$cache"/*/; do [ "$old" = "$root/" ] || rm -rf --one-file-system "$old"; done
  rm -rf --one-file-system "$root" "$root.new"
  command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 \
      --no-install-recommends debootstrap >/dev/null
  debootstrap --variant=minbase trixie "$root.new" "$mirror" >"$cache/debootstrap.log" 2>&1 || {
    tail -n 20 "$cache/debootstrap.log" >&2
    exit 1
  }
  export -f build
  unshare --mount --propagation private bash -euc 'build "$1"' bash "$root.new"
  echo "$recipe" >"$root.new/.quendal-recipe"
  mv "$root.new" "$root"
  valid || {
    say "the root was made, but its wine does not start"
    exit 1
  }
fi
echo "$root"
