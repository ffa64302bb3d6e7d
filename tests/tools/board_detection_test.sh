#!/usr/bin/env bash
# orvane-sim and the board detection at the first start: a ROM image whose
# identification string ends in a 2A…L code writes its profile and "et", and
# the driver is installed and started; the next start reads no ROM; without
# bios.bin only "et" is written; a board whose rule reads the CMOS, with no
# rights to the driver's service, restarts the program once and the
# restarted copy does not detect again.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# DIR/bios.bin: 65,536 zero bytes with the identification string at FEC71.
make_rom() {
  head -c 65536 /dev/zero >"$dir/bios.bin"
  printf '%s' "$1" | dd of="$dir/bios.bin" bs=1 seek=$((0xFEC71 - 0xF0000)) conv=notrunc status=none
}
start() { "$sim" --dir "$dir" --start "2026-12-07 08:00:00" --run 2 "$@"; }
# Section "wake" of wake.ini (the start-up check writes a section of its own).
wake_section() { sed -n '/^\[wake\]/,/^\[[^w]/p' "$dir/wake.ini" | grep -v '^\[[^w]'; }

make_rom "01/01/2004-P4X400-W83627-2A6LABC1C-00"
out=$(start --port-driver absent) || fail "run exited $?"
printf '[wake]\r\net=1\r\net11=85\r\net21=93\r\net31=79\r\net41=78\r\net51=77\r\net61=123\r\net71=124\r\n' |
  cmp -s - <(wake_section) || fail "wake.ini: $(cat -A "$dir/wake.ini")"
grep -q 'CreateService name=PortTalk' <<<"$out" && grep -q 'StartService name=PortTalk -> ok' <<<"$out" ||
  fail "driver not installed and started: $out"
out=$(start) || fail "second run exited $?"
grep -q 'ZwOpenSection\|PortTalk' <<<"$out" && fail "the second start detected again: $out"

rm -f "$dir/wake.ini" "$dir/bios.bin"
start >/dev/null || fail "run without a ROM exited $?"
printf '[wake]\r\net=1\r\n' | cmp -s - <(wake_section) || fail "wake.ini without a ROM: $(cat -A "$dir/wake.ini")"

rm -f "$dir/wake.ini"
make_rom "01/01/2004-P4X400-W83627-6A6LABC1C-00"
out=$(start --port-driver denied)
[ "$(grep -c 'ShellExecute verb=open file=".*orvane.exe"' <<<"$out")" -eq 1 ] || fail "not one restart: $out"
grep -q "^.\{24\}exit$" <<<"$out" || fail "no end after the restart: $out"
out=$(start --port-driver denied)
grep -q 'ShellExecute\|ZwOpenSection' <<<"$out" && fail "the restarted copy detected again: $out"
echo PASS
