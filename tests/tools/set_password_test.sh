#!/usr/bin/env bash
# Passwords set through the set-password window of orvane-sim whose scrambled
# forms begin or end with a blank: the prompt takes them in the same run and
# after a restart, and each is the old password of the next.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 3 "$@"; }

mkdir -p "$dir/system"
printf '[Option]\r\nlock=1\r\n' >"$dir/system/deskward.ini"
old=
for password in 'Good!' '!3' 'Secret#'; do
  out=$(run --answer "TForm12=$password" --answer "TForm6=$old|$password|$password" \
    --at 1 "press TForm3/设定密码" --at 2 "menu tray/添加新任务") || fail "$password: run exited $?"
  grep -q '"旧密码输入错误！"' <<<"$out" && fail "$password: the old password $old was refused: $out"
  grep -q 'open TForm2' <<<"$out" || fail "$password: the prompt refused it in the same run: $out"
  out=$(run --answer "TForm12=$password") || fail "$password: restart exited $?"
  grep -q '"密码错误！"' <<<"$out" && fail "$password: the prompt refused it after a restart: $out"
  grep -q 'open TForm12' <<<"$out" || fail "$password: no prompt after a restart: $out"
  old=$password
done
echo PASS
