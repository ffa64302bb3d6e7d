#!/usr/bin/env bash
# The power entries of the menus through orvane-sim: they act at once,
# without a countdown, by platform family.
set -u
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run 5 "$@"; }
at1() { sed -n 's/^2026-12-07 10:00:01\.000 //p'; }

out=$(run --at 1 "menu 文件(&F)/关机" | at1) || fail "NT power-off run exited $?"
expected='menu "文件(&F)/关机"
AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=1
ExitWindowsEx flags=13 reserved=0
AdjustTokenPrivileges privilege=SeShutdownPrivilege enable=0'
[ "$out" = "$expected" ] || fail "NT power-off: $out"

out=$(run --platform 9x --at 1 "menu 文件(&F)/关机" | at1)
[ "$out" = $'menu "文件(&F)/关机"\nExitWindowsEx flags=13 reserved=32' ] || fail "9x power-off: $out"

out=$(run --platform 9x --at 1 "menu tray/快速执行/待机")
grep -q 'menu "tray/快速执行/待机"$' <<<"$out" || fail "9x standby entry not found: $out"
grep -q SetSystemPowerState <<<"$out" && fail "9x standby suspended: $out"

out=$(run --at 1 "menu tray/快速执行/休眠" | at1)
grep -qx 'SetSystemPowerState suspend=0 force=1' <<<"$out" || fail "NT hibernate: $out"

out=$(run --at 1 "menu tray/快速执行/锁定" | at1)
grep -q '^ShellExecute verb=open file=".*\\deskward.exe" dir=""$' <<<"$out" || fail "lock: $out"
echo PASS
