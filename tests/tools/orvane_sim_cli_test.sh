#!/usr/bin/env bash
# orvane-sim's command line: runs on an empty directory, rejects bad
# arguments with exit code 2 and a usage text, documents itself.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 5) || fail "empty directory run exited $?"
grep -q '^2026-12-07 10:00:00.000 start$' <<<"$out" || fail "no start line: $out"

"$sim" --dir "$dir" --start "2026-12-07" --run 5 >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad --start not exit 2"
"$sim" --dir "$dir" --start "2026-12-07 10:00:00" >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing --run not exit 2"
"$sim" --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown flag not exit 2"
"$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 5 --at 1 "dance" 2>&1 | grep -q Usage || fail "bad event gives no usage"
"$sim" --help | grep -q -- '--answer WHAT=ANSWER' || fail "--help lacks --answer"

out=$("$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 5 --at 2 "menu tray/退出(&X)")
grep -q '^2026-12-07 10:00:02.000 exit$' <<<"$out" || fail "tray exit not at 2 s: $out"
echo PASS
