#!/usr/bin/env bash
# Whether this kernel runs 32-bit x86 code, found by trying a program of a few bytes that
# exits with 42 when it does (exit status 0) and is refused or killed when it does not (1):
#   scripts/kernel-32-bit.sh programs   a 32-bit Linux program, as wine32 needs
#   scripts/kernel-32-bit.sh calls      a 64-bit one making a 32-bit system call (int 0x80),
#                                       as wine 10's WoW64 mode does to set up 32-bit threads
# Some kernels refuse both (IA-32 emulation off): then no wine runs 32-bit Windows programs.
set -euo pipefail
probe=$(mktemp "${TMPDIR:-/tmp}/quendal-probe.XXXXXX")
trap 'rm -f "$probe"' EXIT
case "${1:-}" in
  programs)
    # ELF32 i386: xor ebx,ebx; mov bl,42; xor eax,eax; inc eax (exit); int 0x80.
    printf '\177\105\114\106\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0'
    printf '\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\10'
    printf '\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0\61\333\263\52\61\300\100\315\200'
    ;;
  calls)
    # ELF64 x86-64: mov eax,1 (the 32-bit exit); mov ebx,42; int 0x80.
    printf '\177\105\114\106\2\1\1\0\0\0\0\0\0\0\0\0\2\0\76\0\1\0\0\0\170\0\100\0\0\0\0\0\100'
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\100\0\70\0\1\0\0\0\0\0\0\0\1\0'
    printf '\0\0\5\0\0\0\0\0\0\0\0\0\0\0\0\0\100\0\0\0\0\0\0\0\100\0\0\0\0\0\204\0\0'
    printf '\0\0\0\0\0\204\0\0\0\0\0\0\0\0\20\0\0\0\0\0\0\270\1\0\0\0\273\52\0\0\0\315\200'
    ;;
  *)
    echo "usage: scripts/kernel-32-bit.sh programs|calls" >&2
    exit 2
    ;;
esac >"$probe"
chmod +x "$probe"
status=0
{ (exec "$probe"); } 2>/dev/null || status=$?
[ "$status" -eq 42 ]
