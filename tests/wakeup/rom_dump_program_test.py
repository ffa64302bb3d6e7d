#!/usr/bin/python3
"""Runs RomDump.com in a 16-bit x86 emulator as DOS would load it (PSP
segment 1000h, entry at 100h) with the DOS services hooked: it must write
the 65,536 bytes of segment F000h to standard output in order and exit with
code 0; a failed write ends it with that write's error code.

Usage: rom_dump_program_test.py RomDump.com"""

import random
import sys

from unicorn import UC_ARCH_X86, UC_HOOK_INTR, UC_MODE_16, Uc
from unicorn.x86_const import (UC_X86_REG_AX, UC_X86_REG_BX, UC_X86_REG_CS, UC_X86_REG_CX, UC_X86_REG_DS,
                               UC_X86_REG_DX, UC_X86_REG_EFLAGS, UC_X86_REG_ES, UC_X86_REG_IP, UC_X86_REG_SP,
                               UC_X86_REG_SS)

PSP = 0x1000
CARRY = 0x0001
DOS_WRITE = 0x40
DOS_EXIT = 0x4C


class Run:
    """One run of the program; `fail_write` is the number (from 1) of the
    write that DOS refuses with error 5, or 0."""

    def __init__(self, program, rom, fail_write=0):
        self.output = bytearray()
        self.writes = []
        self.exit_code = None
        self.fail_write = fail_write
        self.unexpected = []
        uc = Uc(UC_ARCH_X86, UC_MODE_16)
        uc.mem_map(0, 0x110000)
        uc.mem_write(0xF0000, rom)
        uc.mem_write(PSP * 16 + 0x100, program)
        for reg in (UC_X86_REG_CS, UC_X86_REG_DS, UC_X86_REG_ES, UC_X86_REG_SS):
            uc.reg_write(reg, PSP)
        uc.reg_write(UC_X86_REG_SP, 0xFFFE)
        uc.hook_add(UC_HOOK_INTR, self.interrupt)
        uc.emu_start(PSP * 16 + 0x100, 0, count=10000)

    def interrupt(self, uc, number, _):
        ah = uc.reg_read(UC_X86_REG_AX) >> 8
        if number != 0x21 or ah not in (DOS_WRITE, DOS_EXIT):
            self.unexpected.append((number, ah))
            uc.emu_stop()
        elif ah == DOS_EXIT:
            self.exit_code = uc.reg_read(UC_X86_REG_AX) & 0xFF
            uc.emu_stop()
        else:
            self.dos_write(uc)

    def dos_write(self, uc):
        handle = uc.reg_read(UC_X86_REG_BX)
        count = uc.reg_read(UC_X86_REG_CX)
        address = uc.reg_read(UC_X86_REG_DS) * 16 + uc.reg_read(UC_X86_REG_DX)
        self.writes.append((handle, count))
        flags = uc.reg_read(UC_X86_REG_EFLAGS)
        if len(self.writes) == self.fail_write:
            uc.reg_write(UC_X86_REG_AX, 5)  # access denied
            uc.reg_write(UC_X86_REG_EFLAGS, flags | CARRY)
            return
        if handle == 1:
            self.output += uc.mem_read(address, count)
        uc.reg_write(UC_X86_REG_AX, count)
        uc.reg_write(UC_X86_REG_EFLAGS, flags & ~CARRY)


def main():
    program = open(sys.argv[1], "rb").read()
    rom = bytes(random.Random(7).randrange(256) for _ in range(0x10000))
    failures = []

    def check(what, ok):
        if not ok:
            failures.append(what)

    run = Run(program, rom)
    check("only DOS write and exit are called: %r" % run.unexpected, not run.unexpected)
    check("two writes to standard output, 65,535 bytes and 1: %r" % run.writes, run.writes == [(1, 0xFFFF), (1, 1)])
    check("the output is segment F000h in order", bytes(run.output) == rom)
    check("exit code 0, not %r" % run.exit_code, run.exit_code == 0)

    for failing in (1, 2):
        run = Run(program, rom, fail_write=failing)
        check("write %d refused: exit code 5, not %r" % (failing, run.exit_code), run.exit_code == 5)
        check("write %d refused: nothing written after it" % failing, len(run.writes) == failing)

    for failure in failures:
        print("FAIL:", failure)
    print("%d bytes of program, %s" % (len(program), "FAIL" if failures else "PASS"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
