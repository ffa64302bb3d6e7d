# Sourced by the simulator tests of the CMOS alarm and the power-on wizard:
# a fresh program folder ($dir, removed at exit), `fail`, and a board with
# the profile 0x54 (control 84, day 85, hour 86, minute 87, second 88,
# checksum 125/126) whose alarm is off.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The profile of the 0x54 board in wake.ini.
write_profile() {
  printf '[wake]\r\net=1\r\net11=84\r\net21=85\r\net31=86\r\net41=87\r\net51=88\r\net61=125\r\net71=126\r\n' >"$dir/wake.ini"
}

# 128 bytes 0..127 in order, then the alarm's registers: control 0x00
# (index 84), day 0x05, hour 0x07, minute 0x00, checksum 0x1234 at 125/126.
make_cmos() {
  python3 - "$1" <<'PY'
import sys
cmos = bytearray(range(128))
cmos[84:88] = bytes([0x00, 0x05, 0x07, 0x00])
cmos[125:127] = bytes([0x12, 0x34])
open(sys.argv[1], "wb").write(cmos)
PY
}
