#!/usr/bin/env bash
# GUI test of the companion lock program deskward.exe under Wine against
# another program on the desktop (tests/win32/lock_attack): started while
# that program squats its single-instance name, it locks anyway and has the
# keyboard focus; hiding, minimising, moving it, a quit message to its
# thread and a close request leave it shown, in front, topmost and locked.
# The stored password is the scrambled form of "Good!", which ends in a
# blank and is written in quotes; typing "Good!" unlocks. Saves the
# screenshot lock-attacks.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "lock-attacks: FAIL: $*" >&2
  exit 1
}

lock_window() { xdotool search --onlyvisible --class '^deskward\.exe$' 2>/dev/null | head -n 1 | grep .; }
attack() { (cd "$folder" && wine lock_attack.exe "$1"); }
# Still running, and the lock window shown, in front and with the focus.
still_locked() { sleep 1 && ! program_ended && attack check; }

trap headless_cleanup EXIT
prefix="$ORVANE_ROOT/build/wine/lock-attacks"
rm -rf "$prefix"
wine_use_prefix "$prefix"
xvfb_start
wine_prepare_prefix
folder="$(wine_install_program)"
cp "$ORVANE_WIN_BUILD/tests/lock_attack.exe" "$folder/"
printf '[Option]\r\nrun=1\r\npword="Fnog "\r\n' >"$WINEPREFIX/drive_c/windows/system32/deskward.ini"

(cd "$folder" && exec wine lock_attack.exe squat 60 >/dev/null 2>&1) &
squatter=$!
sleep 3
(cd "$folder" && exec wine deskward.exe >"$prefix.out" 2>&1) &
PROGRAM_PID=$!
wait_until 30 lock_window >/dev/null || fail "a squatted single-instance name kept the lock from appearing"
wait_until 10 attack check >/dev/null || fail "the lock is not in front with the focus at start: $(attack check)"
kill "$squatter" 2>/dev/null || true
echo "screenshot: $(screenshot lock-attacks)"

for how in hide minimize move quit close; do
  attack "$how" || fail "the attack $how could not be made"
  still_locked || fail "the lock did not survive the attack $how"
done

xdotool type --delay 50 'Good!'
xdotool key Return
wait_until 15 program_ended || fail "the password \"Good!\" did not unlock"
echo "lock-attacks: PASS"
