#!/usr/bin/env bash
# orvane-sim with a GBK task file holding an every-day task at 10:00:05: the
# task is dispatched once, at its second, in a short run and over a whole day
# of drifting timers; the file stays as it was.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# 10:00:05*启用*每天*(fields 4-14 empty)*Show Message:该休息了*(fields 16-22 empty)*午休*提醒
printf '10:00:05*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC************Show Message:\xB8\xC3\xD0\xDD\xCF\xA2\xC1\xCB********\xCE\xE7\xD0\xDD*\xCC\xE1\xD0\xD1\r\n' >"$dir/task.dat"
[ "$(tr -cd '*' <"$dir/task.dat" | wc -c)" -eq 23 ] || fail "test file is not 22 separators plus one in the title"
cp "$dir/task.dat" "$dir/task.orig"

out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 10) || fail "run exited $?"
[ "$(grep -c ' dodo row=' <<<"$out")" -eq 1 ] || fail "dodo not once: $out"
grep -q '^2026-12-07 10:00:05.000 dodo row=1$' <<<"$out" || fail "dodo row=1 not at 10:00:05: $out"

out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 86400 --jitter 16) || fail "day run exited $?"
[ "$(grep -c ' dodo row=1$' <<<"$out")" -eq 1 ] || fail "dodo not once over a day with jitter: $(grep dodo <<<"$out")"
grep -q '^2026-12-07 10:00:05.[0-9]* dodo row=1$' <<<"$out" || fail "dodo not in 10:00:05: $(grep dodo <<<"$out")"

cmp -s "$dir/task.dat" "$dir/task.orig" || fail "task.dat changed"
echo PASS
