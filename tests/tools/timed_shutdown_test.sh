#!/usr/bin/env bash
# The timed shutdown through orvane-sim: "minutes 2" under drifting timers
# opens the countdown two minutes and a second after "确定", and the power-off
# follows about 60 seconds later.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
stamp() { sed -n "s/^2026-03-02 \([0-9:]*\)\.[0-9]* $1.*/\1/p" | head -n 1; }

out=$("$sim" --dir "$dir" --start "2026-03-02 10:00:00" --run 200 --at 5 "menu 工具(&T)/定时关机" \
  --answer TForm10="minutes 2" --jitter 300) || fail "run exited $?"
grep -q '^2026-03-02 10:00:05.000 open TForm10$' <<<"$out" || fail "no open TForm10 line: $out"
opened=$(stamp "open TForm4" <<<"$out")
[[ "$opened" > "10:02:04" && "$opened" < "10:02:08" ]] || fail "countdown opened at '$opened': $out"
off=$(stamp "ExitWindowsEx flags=13 reserved=0" <<<"$out")
[[ "$off" > "10:03:04" && "$off" < "10:03:09" ]] || fail "power-off at '$off': $out"
echo PASS
