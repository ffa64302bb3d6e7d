#!/usr/bin/env bash
# The timed shutdown through orvane-sim: minutes under drifting timers, a
# clock time from the tray, a bad number and disarming.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$sim" --dir "$dir" --start "2026-03-02 10:00:00" "$@"; }
stamp() { sed -n "s/^2026-03-02 \([0-9:]*\)\.[0-9]* $1.*/\1/p" | head -n 1; }

out=$(run --run 200 --at 5 "menu 工具(&T)/定时关机" --answer TForm10="minutes 2" --jitter 300) || fail "minutes run exited $?"
opened=$(stamp "open TForm4" <<<"$out")
[[ "$opened" > "10:02:04" && "$opened" < "10:02:08" ]] || fail "countdown opened at '$opened': $out"
off=$(stamp "ExitWindowsEx flags=13 reserved=0" <<<"$out")
[[ "$off" > "10:03:04" && "$off" < "10:03:09" ]] || fail "power-off at '$off': $out"
grep -q '^2026-03-02 10:00:05.000 open TForm10$' <<<"$out" || fail "no open TForm10 line: $out"

out=$(run --run 100 --at 5 "menu tray/定时关机" --answer TForm10="at 10:01:00")
[ "$(stamp "open TForm4" <<<"$out")" = "10:01:00" ] || fail "clock time: $out"

out=$(run --run 100 --at 5 "menu tray/定时关机" --answer TForm10="minutes abc")
grep -q "error \"'abc' is not a valid integer value\"" <<<"$out" || fail "bad minutes not reported: $out"
grep -q "TForm4\|定时关机已启用" <<<"$out" && fail "bad minutes armed: $out"

out=$(run --run 100 --at 5 "menu tray/定时关机" --answer TForm10=off)
grep -q 'message "定时关机未启用！" -> 确定' <<<"$out" || fail "off: $out"
echo PASS
