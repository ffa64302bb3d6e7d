#!/usr/bin/env bash
# GUI test of the main window "TForm3" with the real orvane.exe under Wine:
#  1. it starts with its main window "Orvane" and its tray icon; each of the
#     three tabs and the menu "工具(&T)" are shown in screenshots;
#  2. the close box asks "缩小到托盘图标吗？"; "确定" sends the window to
#     the tray and the program runs on;
#  3. a second orvane.exe started meanwhile ends by itself and brings the
#     first copy's main window back, which keeps its tray icon;
#  4. "退出(&X)" in the tray menu ends the program.
# Screenshots: main-window-power-on, main-window-tasks, main-window-advanced,
# main-window-tools-menu, main-window-close-question, main-window-tray-menu.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "main-window: FAIL: $*" >&2
  exit 1
}

readonly MAIN_CLIENT="600 420"

main_window() { program_windows_named '^Orvane$' | head -n 1; }
main_shown() { [ -n "$(main_window)" ]; }
main_hidden() { ! main_shown; }
# The shared message dialog has the caption "Orvane" too.
question_shown() { [ "$(program_windows_named '^Orvane$' | wc -l)" -ge 2 ]; }
click_main() { CLIENT="$MAIN_CLIENT" click_client "$MAIN" "$@"; }

show_tab() {
  click_main "$1" 18
  sleep 1
  echo "screenshot: $(screenshot "main-window-$2")"
}

headless_start main-window
program_start
tray_find_icon 30 || fail "no tray icon appeared"
wait_until 30 main_shown || fail "no window titled Orvane"
MAIN="$(main_window)"
sleep 1
echo "screenshot: $(screenshot main-window-power-on)"
show_tab 150 tasks
show_tab 250 advanced
show_tab 50 power-on-again

xdotool windowactivate --sync "$MAIN" 2>/dev/null || true
xdotool key alt+t
sleep 1
echo "screenshot: $(screenshot main-window-tools-menu)"
xdotool key Escape Escape

xdotool key --window "$MAIN" alt+F4
wait_until 15 question_shown || fail "the close box asked no question"
echo "screenshot: $(screenshot main-window-close-question)"
xdotool key Return
wait_until 15 main_hidden || fail "确定 did not send the main window to the tray"
program_ended && fail "the program ended on 确定"

folder="$WINEPREFIX/drive_c/Orvane"
second_start=$SECONDS
(cd "$folder" && exec wine orvane.exe >"$WINEPREFIX.second.out" 2>&1) &
second=$!
second_ended() { ! kill -0 "$second" 2>/dev/null; }
wait_until 20 second_ended || fail "a second orvane.exe keeps running"
echo "main-window: the second copy ended after $((SECONDS - second_start)) s"
wait_until 15 main_shown || fail "the second start did not bring the main window back"
program_ended && fail "the first copy ended with the second"
tray_window >/dev/null || fail "the first copy lost its tray icon"

program_quit_from_tray main-window-tray-menu || fail "could not quit through the tray menu"
echo "main-window: PASS"
