#!/usr/bin/env bash
# The actions of a due task through orvane-sim, with a GBK task file: an
# every-day task at 10:00:05 that closes notepad (running twice, once listed
# by a full path in upper case), runs C:\tools\x.exe, shows "该休息了: 10分钟"
# and shuts down; then two reminders of one second, and a missing di.wav.
set -u
sim=$1
sound="$(dirname "$0")/../../resources/ship/di.wav"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
run() { "$sim" --dir "$dir" --start "2026-12-07 10:00:00" --run "$1"; }
# The line number of the first line of $out matching $1 (0 when none).
line_of() { grep -n -m1 -- "$1" <<<"$out" | cut -d: -f1 | grep . || echo 0; }

# 10:00:05*启用*每天*(4-11 empty)*Shutdown*(13 empty)*Run Program:C:\tools\x.exe*
# Show Message:该休息了: 10分钟*(16-18 empty)*Close Program:notepad.exe*(20-22 empty)*休息
printf '10:00:05*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC*********Shutdown**Run Program:C:\\tools\\x.exe*Show Message:\xB8\xC3\xD0\xDD\xCF\xA2\xC1\xCB: 10\xB7\xD6\xD6\xD3****Close Program:notepad.exe****\xD0\xDD\xCF\xA2\r\n' >"$dir/task.dat"
[ "$(tr -cd '*' <"$dir/task.dat" | wc -c)" -eq 22 ] || fail "test file does not hold 23 fields"
printf '4 System\r\n120 notepad.exe\r\n340 C:\\WINDOWS\\SYSTEM32\\NOTEPAD.EXE\r\n560 explorer.exe\r\n' >"$dir/processes.txt"
cp "$sound" "$dir/di.wav"

out=$(run 80) || fail "run exited $?"
steps=(
  '^2026-12-07 10:00:05.000 dodo row=1$'
  '^2026-12-07 10:00:05.000 TerminateProcess pid=120$'
  '^2026-12-07 10:00:05.000 TerminateProcess pid=340$'
  '^2026-12-07 10:00:05.000 ShellExecute verb=open file="C:\\tools\\x.exe" dir="C:\\tools"$'
  '^2026-12-07 10:00:05.000 sndPlaySound file=".*\\di.wav" flags=3$'
  '^2026-12-07 10:00:05.001 open TForm5 text="10:00:05\\r\\n该休息了: 10分钟"$'
  '^2026-12-07 10:00:06.000 open TForm4 '
  '^2026-12-07 10:01:06.000 ExitWindowsEx flags=13 reserved=0$'
)
previous=0
for step in "${steps[@]}"; do
  at=$(line_of "$step")
  [ "$at" -gt "$previous" ] || fail "not in order or missing: $step
$out"
  previous=$at
done
[ "$(grep -c 'TerminateProcess' <<<"$out")" -eq 2 ] || fail "not exactly the two notepads ended: $out"
grep -q 'explorer\|pid=4$\|pid=560' <<<"$out" && fail "another process ended: $out"

# Two reminders in one second: each opens its own window, in list order.
printf '10:00:05*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC************Show Message:one********\r\n10:00:05*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC************Show Message:two********\r\n' >"$dir/task.dat"
out=$(run 10) || fail "two-reminder run exited $?"
[ "$(grep -c 'sndPlaySound' <<<"$out")" -eq 2 ] || fail "not two sounds: $out"
[ "$(grep -o 'open TForm5 .*' <<<"$out")" = 'open TForm5 text="10:00:05\r\none"
open TForm5 text="10:00:05\r\ntwo"' ] || fail "not two reminder windows in list order: $out"

# A missing di.wav: no sound and no default sound, and nothing is shown.
rm "$dir/di.wav"
out=$(run 10) || fail "missing-sound run exited $?"
grep -q 'sndPlaySound file=".*\\di.wav" flags=3 -> missing$' <<<"$out" || fail "sound not asked for: $out"
grep -q ' message ' <<<"$out" && fail "a message was shown: $out"
echo PASS
