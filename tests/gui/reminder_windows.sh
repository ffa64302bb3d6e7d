#!/usr/bin/env bash
# GUI test of the reminder windows "TForm5" under Wine: orvane.exe runs two
# every-day message tasks of the same second from a GBK task.dat; both
# reminders open, the first at (10, 10) and the second over it at (20, 20),
# titled "提示信息". Saves the screenshot reminder-windows.png, then closes
# both with Enter ("确定") and quits through the tray menu.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "reminder-windows: FAIL: $*" >&2
  exit 1
}

reminder_windows() { xdotool search --onlyvisible --name '^提示信息$' 2>/dev/null || true; }
reminder_count_is() { [ "$(reminder_windows | grep -c .)" -eq "$1" ]; }
# "X,Y" of a window's top-left corner on the screen.
corner_of() {
  xdotool getwindowgeometry --shell "$1" | sed -n 's/^[XY]=//p' | paste -sd,
}
# Presses Enter in the reminder window whose corner is $1.
press_ok_at() {
  local window
  for window in $(reminder_windows); do
    [ "$(corner_of "$window")" = "$1" ] || continue
    # Without a window manager the keyboard goes to the window under the pointer.
    xdotool mousemove --window "$window" 40 40
    xdotool key Return
    return 0
  done
  return 1
}

headless_start reminder-windows
folder="$(wine_install_program)"
due="$(date -d '+25 seconds' +%H:%M:%S)"
# Two lines "$due*启用*每天*(fields 4-14 empty)*Show Message:…*(16-22 empty)*提醒":
# "该休息了: 站起来活动一下" and "下午三点开会，请带上周报".
{
  printf '%s*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC************Show Message:' "$due"
  printf '\xB8\xC3\xD0\xDD\xCF\xA2\xC1\xCB: \xD5\xBE\xC6\xF0\xC0\xB4\xBB\xEE\xB6\xAF\xD2\xBB\xCF\xC2********\xCC\xE1\xD0\xD1\r\n'
  printf '%s*\xC6\xF4\xD3\xC3*\xC3\xBF\xCC\xEC************Show Message:' "$due"
  printf '\xCF\xC2\xCE\xE7\xC8\xFD\xB5\xE3\xBF\xAA\xBB\xE1\xA3\xAC\xC7\xEB\xB4\xF8\xC9\xCF\xD6\xDC\xB1\xA8********\xCC\xE1\xD0\xD1\r\n'
} >"$folder/task.dat"
iconv -f GBK -t UTF-8 "$folder/task.dat" >/dev/null || fail "task.dat is not GBK"

program_start
tray_find_icon 30 || fail "no tray icon appeared"
wait_until 60 reminder_count_is 2 || fail "not two reminder windows by $due: $(reminder_windows | wc -l)"
corners="$(for window in $(reminder_windows); do corner_of "$window"; done | sort)"
[ "$corners" = $'10,10\n20,20' ] || fail "the reminders are not cascaded at 10,10 and 20,20: $corners"
sleep 1 # the sound and the first paint settle
echo "screenshot: $(screenshot reminder-windows)"

press_ok_at 20,20 || fail "no reminder at 20,20"
wait_until 10 reminder_count_is 1 || fail "Enter did not close the upper reminder"
press_ok_at 10,10 || fail "no reminder at 10,10"
wait_until 10 reminder_count_is 0 || fail "Enter did not close the first reminder"
program_quit_from_tray reminder-windows-tray-menu || fail "could not quit through the tray menu"
echo "reminder-windows: PASS"
