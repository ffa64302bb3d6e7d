#!/usr/bin/env bash
# GUI test of the clock window "TForm9" under Wine: chosen from the tray menu
# with the keyboard ("网络原子钟对时", the seventh entry), it shows the stored
# server, the two times and its buttons; the local time starts ticking; a
# click on "运行时自动同步" stores "time"/"enabled" at once; Esc closes it.
# Nothing is fetched: the stored server is 127.0.0.1, so not even the
# synchronisation after start could reach out. Saves the screenshots
# clock-window.png (the server list dropped down) and clock-window-ticking.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "clock-window: FAIL: $*" >&2
  exit 1
}

clock_shown() {
  FOUND="$(program_windows_named '^网络原子钟对时$' | head -n 1)"
  [ -n "$FOUND" ]
}
clock_gone() { ! clock_shown; }
auto_sync_on() { grep -q '^enabled=1' "$folder/wake.ini"; }

headless_start clock-window
folder="$(wine_install_program)"
gbk_lines "[time]" "enabled=0" "server=127.0.0.1" >"$folder/wake.ini"
program_start
tray_find_icon 30 || fail "no tray icon appeared"
tray_open_menu || fail "the tray menu did not open"
# Keys that come before the menu takes the keyboard are lost; the menu
# stays open, so they are sent again.
for _ in 1 2 3; do
  sleep 1
  xdotool key --delay 150 Down Down Down Down Down Down Down Return
  wait_until 10 clock_shown && break
done
clock_shown || fail "no window captioned 网络原子钟对时 (see $(screenshot clock-window-missing))"
xdotool mousemove --window "$FOUND" 20 40
sleep 2 # the local time shows after the first tick
echo "screenshot: $(screenshot clock-window-ticking)"
CLIENT="360 186" click_client "$FOUND" 24 157
wait_until 10 auto_sync_on || fail "the box did not store time/enabled=1: $(cat "$folder/wake.ini")"
CLIENT="360 186" click_client "$FOUND" 200 50
xdotool key F4
sleep 1
echo "screenshot: $(screenshot clock-window)"
xdotool key Escape Escape
wait_until 10 clock_gone || fail "Esc did not close the clock window"
program_ended && fail "the program ended with the clock window"
program_quit_from_tray clock-window-tray-menu || fail "could not quit through the tray menu"
echo "clock-window: PASS"
