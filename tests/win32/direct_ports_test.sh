#!/usr/bin/env bash
# Checks that the executable $2 contains the CMOS access of Windows 9x/ME:
# a port input and a port output, each followed by the FWAIT that gives the
# clock chip its moment. Disassembles with the objdump $1 of its toolchain.
set -euo pipefail
code="$("$1" -d --no-show-raw-insn "$2" | sed -E 's/^ *[0-9a-f]+:\s*//')"
# The port comes in DX or, where the compiler knew it, as an immediate.
for instruction in 'in +(\(%dx\)|\$0x[0-9a-f]+),%al' 'out +%al,(\(%dx\)|\$0x[0-9a-f]+)'; do
  if ! grep -EA1 "^$instruction" <<<"$code" | grep -q '^fwait'; then
    echo "FAIL: no '$instruction' followed by fwait in $2" >&2
    exit 1
  fi
done
echo "direct port instructions present in $2"
