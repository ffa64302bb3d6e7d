#!/usr/bin/env bash
# GUI test of the companion lock program deskward.exe under Wine against
# another program on the desktop (tests/win32/lock_attack): started while
# that program squats its single-instance name, it locks anyway and has the
# keyboard focus; hiding, minimising, moving it, a quit message to its
# thread, a close request, the system menu's close, Esc, Alt+F4, another
# program's topmost window in front, a second copy started, a very long
# entry and an entry with a character that has no GBK form leave it shown,
# in front, topmost and locked. The stored password is the scrambled form of
# "Good!", which ends in a blank and is written in quotes; typing "Good!"
# unlocks. Saves the screenshot lock-attacks.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "lock-attacks: FAIL: $*" >&2
  exit 1
}

lock_windows() { xdotool search --onlyvisible --class '^deskward\.exe$' 2>/dev/null; }
lock_window() { lock_windows | head -n 1 | grep .; }
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

for how in hide minimize move quit close syscommand; do
  attack "$how" || fail "the attack $how could not be made"
  still_locked || fail "the lock did not survive the attack $how"
done
for keys in Escape alt+F4; do
  xdotool key "$keys"
  still_locked || fail "the lock did not survive the key $keys"
done

(cd "$folder" && exec wine lock_attack.exe cover 8 >/dev/null 2>&1) &
cover=$!
sleep 4
attack check >/dev/null || fail "another program's topmost window stayed in front: $(attack check)"
wait "$cover" || true

timeout 60 bash -c "cd '$folder' && wine deskward.exe" >/dev/null 2>&1 || fail "a second copy did not end"
still_locked || fail "the lock did not survive a second copy"
[ "$(lock_windows | grep -c .)" -eq 1 ] || fail "a second copy showed a lock of its own"

for entry in "$(head -c 400 /dev/zero | tr '\0' 'G')" 'Goodก'; do
  xdotool type --delay 2 "$entry"
  xdotool key Return
  still_locked || fail "the entry of ${#entry} characters unlocked or ended the lock"
done

xdotool type --delay 50 'Good!'
xdotool key Return
wait_until 15 program_ended || fail "the password \"Good!\" did not unlock"
echo "lock-attacks: PASS"
