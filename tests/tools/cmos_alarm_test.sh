#!/usr/bin/env bash
# orvane-sim and the CMOS power-on alarm: setting 06:30 on a 0x54 board
# leaves cmos.bin with the new alarm and checksum and every other byte as it
# was; a broken driver writes nothing; clearing; a driver that cannot be
# installed restarts the program once; bad alarm times are refused.
set -u
sim=$1
. "$(dirname "$0")/board_0x54.sh"

write_profile
make_cmos "$dir/cmos.bin"
cp "$dir/cmos.bin" "$dir/before.bin"
out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 3 --at 2 "set-alarm 06:30") || fail "run exited $?"
python3 - "$dir/before.bin" "$dir/cmos.bin" <<'PY' || fail "cmos.bin after set-alarm: $out"
import sys
before, after = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
expected = bytearray(before)
expected[84:88] = bytes([0x01, 0x00, 6, 30])
expected[125:127] = bytes([0x12, 0x4D])
sys.exit(0 if after == bytes(expected) else 1)
PY
grep -q '^2026-12-07 10:00:02.000 CmosWrite index=84 value=1$' <<<"$out" || fail "no timed write: $out"
grep -q 'message "必须重启一次计算机才能使设置生效！" -> 确定' <<<"$out" || fail "no restart question: $out"

make_cmos "$dir/cmos.bin"
out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 3 --port-driver broken --at 2 "set-alarm 06:30") ||
  fail "broken run exited $?"
grep -q CmosWrite <<<"$out" && fail "a broken driver wrote: $out"
cmp -s "$dir/before.bin" "$dir/cmos.bin" || fail "cmos.bin changed with a broken driver"
[ "$(grep -c 'message "Outputting data from PortTalk error:31" -> OK' <<<"$out")" -eq 1 ] || fail "error not once: $out"

cp "$dir/before.bin" "$dir/cmos.bin"
out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 3 --at 1 "set-alarm 06:30" --at 2 clear-alarm) ||
  fail "clear run exited $?"
grep -q 'message "定时开机功能已经取消！" -> 确定' <<<"$out" || fail "no clear message: $out"
[ "$(od -An -tu1 -j84 -N1 "$dir/cmos.bin" | tr -d ' ')" = 0 ] || fail "alarm still on after clear-alarm"

out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 5 --port-driver denied --at 1 clear-alarm --at 2 clear-alarm)
[ "$(grep -c '^.\{24\}ShellExecute verb=open file=".*orvane.exe"' <<<"$out")" -eq 1 ] || fail "not one restart: $out"
grep -q 'OpenSCManager -> denied' <<<"$out" && tail -n 1 <<<"$out" | grep -q ' exit$' || fail "no refusal and end: $out"

out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 3 --port-driver absent --at 1 clear-alarm)
grep -q 'CreateService name=PortTalk type=1 start=3 error=1 path="System32\\Drivers\\PortTalk.sys"' <<<"$out" ||
  fail "no service created: $out"

for bad in "set-alarm 24:00" "set-alarm 6:30" "set-alarm 06:60"; do
  "$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 1 --at 1 "$bad" >/dev/null 2>&1
  [ $? -eq 2 ] || fail "accepted: $bad"
done
"$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 1 --port-driver sleepy >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown driver state is accepted"
echo PASS
