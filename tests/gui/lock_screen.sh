#!/usr/bin/env bash
# GUI test of the companion lock program deskward.exe under Wine: it covers
# the screen, refuses a wrong password, stays after Esc, Alt+F4 and a close
# request from another program, a second start does not replace it, and the
# right password ends it. Saves the screenshots lock-screen.png and
# lock-screen-refused.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "lock-screen: FAIL: $*" >&2
  exit 1
}

lock_window() { xdotool search --onlyvisible --class '^deskward\.exe$' 2>/dev/null | head -n 1 | grep .; }
still_locked() { sleep 2 && lock_window >/dev/null && ! program_ended; }

trap headless_cleanup EXIT
prefix="$ORVANE_ROOT/build/wine/lock-screen"
rm -rf "$prefix"
wine_use_prefix "$prefix"
xvfb_start
wine_prepare_prefix
folder="$(wine_install_program)"
# The password "ab12", scrambled as the settings store it.
printf '[Option]\r\nrun=1\r\npword=ik15\r\n' >"$WINEPREFIX/drive_c/windows/system32/deskward.ini"

(cd "$folder" && exec wine deskward.exe >"$prefix.out" 2>&1) &
PROGRAM_PID=$!
wait_until 30 lock_window >/dev/null || fail "no lock screen appeared"
xdotool getwindowgeometry "$(lock_window)" | grep -q 'Geometry: 1280x800' || fail "the lock screen does not cover the screen"
echo "screenshot: $(screenshot lock-screen)"

xdotool type --delay 50 'AB12'
xdotool key Return
still_locked || fail "a wrong password unlocked"
echo "screenshot: $(screenshot lock-screen-refused)"

xdotool key Escape
still_locked || fail "Esc unlocked"
xdotool key alt+F4
still_locked || fail "Alt+F4 unlocked"
wine taskkill /IM deskward.exe >/dev/null 2>&1 || true
still_locked || fail "a close request from another program unlocked"

(cd "$folder" && wine deskward.exe >/dev/null 2>&1) || fail "a second start failed"
still_locked || fail "a second start ended the lock screen"

xdotool type --delay 50 'ab12'
xdotool key Return
wait_until 15 program_ended || fail "the right password did not unlock"
echo "lock-screen: PASS"
