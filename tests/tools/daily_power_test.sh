#!/usr/bin/env bash
# orvane-sim and the daily power schedule: the check after start switches off
# on a day without power-on and not on a day the dated list marks "启用"; the
# daily shutdown opens one countdown over an hour of drifting timers; the
# dated list is edited through the main window's buttons and the editor.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf '[power]\r\nh=8\r\nm=0\r\ns=0\r\n' >"$dir/wake.ini"
out=$("$sim" --dir "$dir" --start "2026-12-07 08:05:00" --run 62) || fail "run exited $?"
grep -q '^2026-12-07 08:05:01.000 open TForm4 button2="关闭" label4="今天没有开机任务！"$' <<<"$out" || fail "no countdown: $out"
grep -q '^2026-12-07 08:06:01.000 ExitWindowsEx flags=13' <<<"$out" || fail "no power-off 60 s later: $out"

printf '2026-12-07*\xC6\xF4\xD3\xC3*\r\n' >"$dir/time.dat"  # 启用
out=$("$sim" --dir "$dir" --start "2026-12-07 08:05:00" --run 62) || fail "run exited $?"
grep -q 'TForm4' <<<"$out" && fail "countdown on a listed day: $out"

printf '[close]\r\nh=22\r\nm=30\r\ns=0\r\n' >"$dir/wake.ini"
out=$("$sim" --dir "$dir" --start "2026-12-07 22:00:00" --run 3600 --jitter 700) || fail "run exited $?"
[ "$(grep -c 'open TForm4' <<<"$out")" -eq 1 ] || fail "not one countdown: $(grep TForm4 <<<"$out")"
grep -Eq '^2026-12-07 22:30:0[12]\.[0-9]+ open TForm4' <<<"$out" || fail "countdown not at 22:30:01-02: $out"

rm -f "$dir/time.dat"
out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 10 \
  --answer 'TForm8=2026-12-25 启用 圣诞*晚会' \
  --at 1 "press TForm3/添加" --at 2 "press TForm3/添加" \
  --at 3 "select TForm3/StringGrid1 2" --at 4 "press TForm3/删除" \
  --at 5 "type TForm3/FlatSpinEditInteger1 7" --at 5 "type TForm3/CheckBox8 1" \
  --at 6 "press TForm3/确定") || fail "editing run exited $?"
[ "$(grep -c 'open TForm8 mode="Add"' <<<"$out")" -eq 2 ] || fail "editor not opened twice: $out"
grep -q 'message "您真的要删除吗？" -> 确定' <<<"$out" || fail "no question: $out"
# 2026-12-25*启用*圣诞*晚会, one line
printf '2026-12-25*\xC6\xF4\xD3\xC3*\xCA\xA5\xB5\xAE*\xCD\xED\xBB\xE1\r\n' | cmp -s - "$dir/time.dat" || fail "time.dat: $(xxd "$dir/time.dat")"
grep -q $'^h=7\r$' "$dir/wake.ini" && grep -q $'^w1=1\r$' "$dir/wake.ini" || fail "wake.ini: $(cat "$dir/wake.ini")"

"$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 1 --at 1 "type TForm3/CheckBox9 1" >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown control is accepted"
echo PASS
