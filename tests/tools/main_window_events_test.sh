#!/usr/bin/env bash
# The main window's events through orvane-sim: a tray start stays hidden
# until the double click, the close question, the end of the session.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 6 "$@" | cut -c25-; }

printf '[tray]\r\ntray=1\r\n' >"$dir/wake.ini"
shown=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 6 --at 3 tray-double-click | grep 'show TForm3$')
[ "$shown" = "2026-12-07 10:00:03.000 show TForm3" ] || fail "tray start: $shown"

out=$(run --at 3 close --answer message=取消)
grep -q $'^message "缩小到托盘图标吗？" -> 取消\nexit$' <<<"$(grep -A1 '^message' <<<"$out")" || fail "close, 取消: $out"

out=$(run --at 2 end-session --at 3 close)
grep -q '^query-end-session -> 1$' <<<"$out" || fail "end-session: $out"
grep -q '^message' <<<"$out" && fail "end of session asked: $out"
grep -q '^exit$' <<<"$out" || fail "close after end-session did not end: $out"
echo PASS
