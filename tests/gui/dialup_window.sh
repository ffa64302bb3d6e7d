#!/usr/bin/env bash
# GUI test of the dial-up window "TRasDialerForm" under Wine: the task
# editor's "..." beside the web address shows "拨号设置" beside the editor,
# filled from "wake.ini" (Wine's dial-up service lists no entry, so none is
# chosen); ticking "自动拨号" ticks "保存密码", and "保存设置" stores the
# choice with the password as it was loaded and hides the window, while the
# editor stays open. The program starts and runs on whatever the service
# answers. Screenshot: dialup-window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "dialup-window: FAIL: $*" >&2
  exit 1
}

readonly MAIN_CLIENT="600 420"
readonly EDITOR_CLIENT="470 574"
readonly DIALER_CLIENT="320 196"

program_window_named() { program_windows_named "$1" | head -n 1; }
main_shown() { [ -n "$(program_window_named '^Orvane$')" ]; }
editor() { program_window_named '^添加新定时任务$'; }
editor_shown() { [ -n "$(editor)" ]; }
editor_gone() { ! editor_shown; }
dialer() { program_window_named '^拨号设置$'; }
dialer_shown() { [ -n "$(dialer)" ]; }
dialer_gone() { ! dialer_shown; }
saved() { iconv -f GBK -t UTF-8 "$folder/wake.ini" | tr -d '\r' | grep -qxF "$1"; }

# The groups of the password "pw": its length 2, then "pwpwpwpw".
groups() { printf '%05d' $((29153 + 2 + 256 * 112)) $((29153 + 119 + 256 * 112)) $((29153 + 119 + 256 * 112)) \
  $((29153 + 119 + 256 * 112)) $((29153 + 119 + 256 * 112)); }

headless_start dialup-window
folder="$(wine_install_program)"
gbk_lines "[Last]" "EntryName=宽带连接" "UserName=user1" "Password=$(groups)" "SavePW=0" "AutoC=0" \
  >"$folder/wake.ini"
program_start
tray_find_icon 30 || fail "no tray icon"
wait_until 30 main_shown || fail "no main window"
MAIN="$(program_window_named '^Orvane$')"
CLIENT="$MAIN_CLIENT" click_client "$MAIN" 136 19
CLIENT="$MAIN_CLIENT" click_client "$MAIN" 38 41
wait_until 15 editor_shown || fail "添 加 opened no editor"
CLIENT="$EDITOR_CLIENT" click_client "$(editor)" 436 471
wait_until 15 dialer_shown || fail "the address ... showed no 拨号设置"
sleep 2  # the windows below finish painting
echo "screenshot: $(screenshot dialup-window)"
CLIENT="$DIALER_CLIENT" click_client "$(dialer)" 150 130
CLIENT="$DIALER_CLIENT" click_client "$(dialer)" 260 168
wait_until 15 dialer_gone || fail "保存设置 did not hide the window"
for line in "EntryName=" "UserName=user1" "AutoC=1" "SavePW=1" "Password=$(groups)"; do
  wait_until 10 saved "$line" || fail "wake.ini lacks $line: $(iconv -f GBK -t UTF-8 "$folder/wake.ini")"
done
editor_shown || fail "the editor closed with the dial-up window"
CLIENT="$EDITOR_CLIENT" click_client "$(editor)" 273 26
xdotool key Escape
wait_until 15 editor_gone || fail "Esc did not close the editor"
program_quit_from_tray dialup-window-tray-menu || fail "could not quit through the tray menu"
echo "dialup-window: PASS"
