#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 programs. The 32-bit
# Wine needs that, and so does every 32-bit Windows program under Wine (the
# 32-bit build and the setup programs, whose NSIS stub is 32-bit); the
# kernels of some virtual machines are built without it. Tries a tiny
# 32-bit program that only exits, made with the native assembler and linker.
set -u
probe="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/probe-32bit"
rm -rf "$probe"
mkdir -p "$probe"
trap 'rm -rf "$probe"' EXIT
printf '.globl _start\n_start:\n  movl $1, %%eax\n  xorl %%ebx, %%ebx\n  int $0x80\n' >"$probe/exit.s"
as --32 -o "$probe/exit.o" "$probe/exit.s" && ld -m elf_i386 -o "$probe/exit" "$probe/exit.o" || {
  echo "runs-32bit: the native assembler and linker are missing" >&2
  exit 2
}
"$probe/exit" 2>/dev/null
