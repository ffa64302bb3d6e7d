#!/usr/bin/env bash
# The clock synchronisation through orvane-sim: 29 seconds after start the
# UTC clock is set from the stored server when "time"/"enabled" is "1", and
# no connection is made otherwise; the clock window's "校正" sets a 2036 date
# from a count that has wrapped.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
settings() { printf '[time]\r\nenabled=%s\r\nserver=time.example\r\n' "$1" >"$dir/wake.ini"; }

settings 1
out=$("$sim" --dir "$dir" --start "2026-03-02 10:00:00" --run 40 \
  --time-server "time.example=utc:2026-03-02 01:59:00") || fail "run exited $?"
grep -q '^2026-03-02 10:00:29.000 connect host=time.example port=37 -> ok$' <<<"$out" || fail "no connect: $out"
grep -q '^2026-03-02 10:00:29\.[0-9]* SetSystemTime time="2026-03-02 01:59:29"$' <<<"$out" || fail "no SetSystemTime: $out"

for off in 0 yes; do
  settings "$off"
  out=$("$sim" --dir "$dir" --start "2026-03-02 10:00:00" --run 40 \
    --time-server "time.example=utc:2026-03-02 01:59:00") || fail "run exited $?"
  grep -q 'connect' <<<"$out" && fail "enabled=$off connected: $out"
done

settings 0
out=$("$sim" --dir "$dir" --start "2036-02-08 08:00:00" --run 5 --time-server "time.example=count:63104" \
  --timezone -480,0,standard --round-trip 300 --at 1 "menu tray/网络原子钟对时" --answer TForm9=fetch+correct) ||
  fail "run exited $?"
grep -q 'SetLocalTime time="2036-02-08 08:00:01"$' <<<"$out" || fail "no SetLocalTime in 2036: $out"

"$sim" --dir "$dir" --start "2026-03-02 10:00:00" --run 1 --time-server "bad" >/dev/null 2>&1 && fail "bad server accepted"
"$sim" --dir "$dir" --start "2026-03-02 10:00:00" --run 1 --timezone "-480,x" >/dev/null 2>&1 && fail "bad zone accepted"
echo PASS
