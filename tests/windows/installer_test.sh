#!/usr/bin/env bash
# The installer of this build under wine, in a prefix of its own: a silent install puts
# the program, its guard and the 125 clips into %LOCALAPPDATA%\Programs\Quendal, with a
# Start-menu shortcut that starts in that folder, a desktop one and the entry in the list
# of installed programs, but no shortcut in the Startup folder unless asked (/INICIAR),
# which starts in that folder too; a silent uninstall removes them all and keeps the
# operator's quendal.txt and temperatura.html.
#   installer_test.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
run=$(cd "$(dirname "$0")/../../cmake" && pwd)/wine-run.sh
work=$build/installer-test
rm -rf "$work"
mkdir -p "$work"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work" -D CPACK_NSIS_COMPRESSOR=zlib \
  >"$work/cpack.log" || { cat "$work/cpack.log" >&2; fail "cpack"; }
setup=$(ls "$work"/quendal-*-setup.exe)

export WINEPREFIX=$work/prefix
trap '"$run" --stop "$build"' EXIT
"$run" "$setup" /S

app=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Quendal) ||
  fail "nothing in %LOCALAPPDATA%\\Programs\\Quendal"
user=${app%/AppData/*}
name=${user##*/}
folder="C:\\users\\$name\\AppData\\Local\\Programs\\Quendal"
start="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quendal.lnk"
desktop="$user/Desktop/Quendal.lnk"
# The Startup folder, in whichever case this system spells it (wine: StartUp).
startup=$(find "${start%/*}" -maxdepth 1 -iname startup -type d)/Quendal.lnk
guide="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Guia do Quendal.lnk"
installed=("$app/quendal.exe" "$app/quendal-guard.exe" "$app/uninstall.exe" "$start" "$desktop"
  "$app/guia.html" "$guide")
for file in "${installed[@]}"; do [ -f "$file" ] || fail "not installed: $file"; done
[ ! -e "$startup" ] || fail "started with Windows unasked"
"$run" "$setup" /S /INICIAR
[ -f "$startup" ] || fail "/INICIAR made no shortcut in the Startup folder"
installed+=("$startup")
clips=$(find "$app/hora" "$app/temperatura" -name '*.wav' | wc -l)
[ "$clips" -eq 125 ] || fail "$clips clips installed"
# The shortcut starts the program in its folder, where quendal.txt lives: the link's one
# UTF-16 text, the working folder, after its length, which reads as a character.
for link in "$start" "$startup"; do
  grep -qxF "$folder" <<<"$(strings -el "$link" | cut -c2-)" || fail "$link starts elsewhere"
done

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quendal'
entry=$("$run" reg query "$key" | tr -d '\r')
for value in DisplayName DisplayVersion Publisher UninstallString QuietUninstallString \
  InstallLocation EstimatedSize; do
  grep -q "^ *$value " <<<"$entry" || fail "no $value in the uninstall entry"
done
grep -qF "InstallLocation    REG_SZ    $folder" <<<"$entry" || fail "InstallLocation: $entry"
grep -qF "QuietUninstallString    REG_SZ    \"$folder\\uninstall.exe\" /S" <<<"$entry" ||
  fail "QuietUninstallString: $entry"

printf ' 1 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n' >"$app/quendal.txt"
printf 'Temperature: 21\r\n' >"$app/temperatura.html"
# The uninstaller runs from a copy of itself, so its own end says nothing: it removes
# itself last.
"$run" "$app/uninstall.exe" /S
for _ in $(seq 300); do
  [ -e "$app/uninstall.exe" ] || break
  sleep 0.1
done
for file in "${installed[@]}" "$app/hora" "$app/temperatura"; do
  [ ! -e "$file" ] || fail "left behind: $file"
done
! "$run" reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
[ -f "$app/quendal.txt" ] && [ -f "$app/temperatura.html" ] || fail "the operator's files went"
echo "installer test passed ($(stat -c %s "$setup") bytes, zlib)"
"$run" --stop "$build"
rm -rf "$WINEPREFIX"
