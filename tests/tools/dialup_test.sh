#!/usr/bin/env bash
# Dial-up through orvane-sim: a due task with a web address dials the
# stored entry and opens the address in the same second while "AutoC" is
# on, and only opens it while it is off; 300 stored password groups start
# without harm; the window filled by --answer saves what it was given;
# without rasapi32.dll the address still opens.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
gbk() { printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK; }
run() { "$sim" --dir "$dir" --start "2026-03-02 10:00:00" "$@" || fail "run exited $?"; }
# Groups of the password "pw" (length 2, then "pwpwpwpw"), five of them.
password=$(printf '%05d' $((29153 + 2 + 256 * 112)) $((29153 + 119 + 256 * 112)) $((29153 + 119 + 256 * 112)) \
  $((29153 + 119 + 256 * 112)) $((29153 + 119 + 256 * 112)))

gbk "宽带连接" >"$dir/phonebook.txt"
gbk '10:00:05*启用*每天*****************Open URL:http://example.com/***' >"$dir/task.dat"
gbk "[Last]" "AutoC=1" "EntryName=宽带连接" "UserName=user1" "Password=$password" >"$dir/wake.ini"
out=$(run --run 6)
grep -qx '2026-03-02 10:00:00.000 RasEnumEntries -> 1' <<<"$out" || fail "no listing: $out"
grep -A1 '^2026-03-02 10:00:05.000 RasDial ' <<<"$out" >"$dir/due"
[ "$(cat "$dir/due")" = '2026-03-02 10:00:05.000 RasDial entry="宽带连接" user="user1" password-length=2
2026-03-02 10:00:05.000 ShellExecute verb=open file="http://example.com/" dir=""' ] || fail "no dial then open: $out"

gbk "[Last]" "AutoC=0" "EntryName=宽带连接" "UserName=user1" "Password=$password" >"$dir/wake.ini"
out=$(run --run 6)
! grep -q 'RasDial' <<<"$out" || fail "dialled with AutoC=0: $out"
grep -q '^2026-03-02 10:00:05.000 ShellExecute verb=open file="http://example.com/"' <<<"$out" || fail "no open: $out"

gbk "[Last]" "EntryName=宽带连接" "UserName=user1" "Password=$(printf '54321%.0s' $(seq 300))" >"$dir/wake.ini"
out=$(run --run 1 --at 0.5 "show TRasDialerForm")
grep -q 'open TRasDialerForm entry="宽带连接" user="user1"' <<<"$out" || fail "300 groups: $out"

out=$(run --run 1 --at 0.5 "show TRasDialerForm" --answer TRasDialerForm="宽带连接|user 2|secret|autodial")
grep -q 'close TRasDialerForm' <<<"$out" || fail "the answer did not save: $out"
saved=$(iconv -f GBK -t UTF-8 "$dir/wake.ini" | tr -d "\r")
for line in "EntryName=宽带连接" "UserName=user 2" "AutoC=1" "SavePW=1" "[RAS_ENTRY_宽带连接]"; do
  grep -qF "$line" <<<"$saved" || fail "wake.ini lacks $line: $saved"
done
grep -q '^USER_user_2=[0-9]\{25\}$' <<<"$saved" || fail "no password under the user: $saved"

out=$(run --run 6 --ras absent)
grep -qx '2026-03-02 10:00:00.000 RasEnumEntries -> no rasapi32.dll' <<<"$out" || fail "listing without RAS: $out"
grep -q '^2026-03-02 10:00:05.000 RasDial -> no rasapi32.dll' <<<"$out" || fail "dial without RAS: $out"
grep -q '^2026-03-02 10:00:05.000 ShellExecute verb=open file="http://example.com/"' <<<"$out" ||
  fail "no open without RAS: $out"
echo PASS
