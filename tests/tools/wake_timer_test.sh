#!/usr/bin/env bash
# orvane-sim and the wake-up timer: a sleep across the armed due time wakes
# the machine three seconds before the task, which runs at its second; with a
# daily shutdown set later, the timer still aims at the earlier task.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# HH:MM:SS*启用*每天*(fields 4-22 empty)*测试
task() { printf '%s*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC********************\xB2\xE2\xCA\xD4\r\n' "$1" >"$dir/task.dat"; }

task 14:00:00
out=$("$sim" --dir "$dir" --start "2026-12-07 13:00:00" --run 3660 --at 60 "sleep 7200") || fail "run exited $?"
grep -q '^2026-12-07 13:00:00.000 SetWaitableTimer name=zovirudu due="2026-12-07 13:59:57" resume=1$' <<<"$out" ||
  fail "not armed for 13:59:57: $out"
grep -q '^2026-12-07 13:59:57.000 wake$' <<<"$out" || fail "no wake at 13:59:57: $out"
[ "$(grep -c ' dodo row=' <<<"$out")" -eq 1 ] || fail "dodo not once: $out"
grep -q '^2026-12-07 14:00:00.000 dodo row=1$' <<<"$out" || fail "dodo row=1 not at 14:00:00: $out"
grep -q ' resume$' <<<"$out" && fail "the sleep ran to its end: $out"

task 21:00:00
printf '[close]\r\nh=22\r\nm=30\r\ns=0\r\n' >"$dir/wake.ini"
out=$("$sim" --dir "$dir" --start "2026-12-07 20:00:00" --run 3660 --at 60 "sleep 7200") || fail "run exited $?"
grep -q '^2026-12-07 20:00:00.000 SetWaitableTimer name=zovirudu due="2026-12-07 20:59:57" resume=1$' <<<"$out" ||
  fail "not armed for 20:59:57: $out"
grep -q '^2026-12-07 21:00:00.000 dodo row=1$' <<<"$out" || fail "dodo row=1 not at 21:00:00: $out"
echo PASS
