#!/usr/bin/env bash
# orvane-sim and the power-on wizard: opened by "确定" after the power-on
# time changed, driven by --answer TForm1=..., and its test run across two
# starts of the program.
set -u
sim=$1
. "$(dirname "$0")/board_0x54.sh"

# "确定" with a changed power-on time opens the wizard at 07:00 on day 5.
wizard() {
  local answer=$1
  write_profile
  make_cmos "$dir/cmos.bin"
  "$sim" --dir "$dir" --start "2026-12-07 10:55:30" --run 3 --answer "TForm1=$answer" \
    --at 1 "type TForm3/FlatSpinEditInteger1 6" --at 2 "press TForm3/确定"
}
# The bytes of cmos.bin at indices $2... as decimal numbers.
cmos_bytes() {
  python3 - "$@" <<'PY'
import sys
cmos = open(sys.argv[1], "rb").read()
print(" ".join(str(cmos[int(index)]) for index in sys.argv[2:]))
PY
}

out=$(wizard "auto 06:30:00") || fail "run exited $?"
grep -q '^2026-12-07 10:55:32.000 open TForm1 page=1$' <<<"$out" || fail "not opened: $out"
grep -q '^2026-12-07 10:55:32.000 page TForm1 2$' <<<"$out" || fail "not on page 2: $out"
grep -q $'^h=06\r$' "$dir/wake.ini" && grep -q $'^m=30\r$' "$dir/wake.ini" && grep -q $'^s=00\r$' "$dir/wake.ini" ||
  fail "wake.ini: $(cat "$dir/wake.ini")"
[ "$(cmos_bytes "$dir/cmos.bin" 84 85 86 87 125 126)" = "1 0 6 30 18 77" ] || fail "cmos: $(xxd "$dir/cmos.bin")"
grep -q '^2026-12-07 10:55:32.000 message "必须重启一次计算机才能使设置生效！" -> 确定$' <<<"$out" ||
  fail "no restart question: $out"

out=$(wizard "auto 7x:00:00") || fail "run exited $?"
grep -q "^2026-12-07 10:55:32.000 error \"'7x' is not a valid integer value\"$" <<<"$out" || fail "not refused: $out"
grep -q '^2026-12-07 10:55:32.000 close TForm1$' <<<"$out" || fail "not closed: $out"
grep -q '7x' "$dir/wake.ini" && fail "refused time written: $(cat "$dir/wake.ini")"
grep -q Cmos <<<"$out" && fail "a refused time reached the CMOS: $out"

out=$(wizard auto-test) || fail "run exited $?"
[ "$(tr -d '\r' <"$dir/wake.ini" | grep -A4 '^\[test\]$' | tr '\n' ' ')" = "[test] test=1 h=11 m=5 s=32 " ] ||
  fail "test keys: $(cat "$dir/wake.ini")"

out=$(wizard "manual 07:15:00") || fail "run exited $?"
grep -q '^2026-12-07 10:55:32.000 page TForm1 4$' <<<"$out" || fail "not on page 4: $out"
grep -Eq '^2026-12-07 10:55:32.000 HtmlHelp file=".*\\help.chm" topic="power.html" command=0$' <<<"$out" ||
  fail "no help: $out"
grep -q $'^h=07\r$' "$dir/wake.ini" || fail "manual time: $(cat "$dir/wake.ini")"
grep -q Cmos <<<"$out" && fail "the manual set-up reached the CMOS: $out"

out=$(wizard cancel) || fail "run exited $?"
grep -q '^2026-12-07 10:55:32.000 close TForm1$' <<<"$out" || fail "not cancelled: $out"
grep -q 'page TForm1' <<<"$out" && fail "cancel changed the page: $out"

# The test run: due at the first start, passed 12 minutes after the test time.
printf '[test]\r\ntest=1\r\nh=11\r\nm=5\r\ns=30\r\n' >"$dir/wake.ini"
out=$("$sim" --dir "$dir" --start "2026-12-07 11:00:00" --run 62) || fail "run exited $?"
grep -q '^2026-12-07 11:00:01.000 open TForm4 button2="关闭" label4="测试中...这是测试的一个步骤。"$' <<<"$out" ||
  fail "no test shutdown: $out"
grep -q '^2026-12-07 11:01:01.000 ExitWindowsEx flags=13' <<<"$out" || fail "no power-off: $out"
out=$("$sim" --dir "$dir" --start "2026-12-07 11:17:00" --run 2) || fail "run exited $?"
grep -q '^2026-12-07 11:17:01.000 message "测试结束。你想现在就进行正常设置吗？" -> 确定$' <<<"$out" || fail "no end: $out"
grep -q '^2026-12-07 11:17:01.000 open TForm1 page=1$' <<<"$out" || fail "wizard not reopened: $out"
grep -q $'^test=0\r$' "$dir/wake.ini" || fail "test state: $(cat "$dir/wake.ini")"
echo PASS
