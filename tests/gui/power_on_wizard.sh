#!/usr/bin/env bash
# GUI test of the power-on wizard "TForm1" with the real orvane.exe under
# Wine. The program starts with the power-on time 07:30:00 on a board with
# a profile; the time in wake.ini is then changed behind its back, so that
# "确定" on "开机设定" finds a changed time and opens the wizard:
#  1. page 1, the choice; "下一步 >" with "自动设置" leads to page 2;
#  2. "测试" shows the red warning and fills the lists ten minutes ahead;
#     unchecked, the lists show the stored time again;
#  3. "< 上一步"; the profile is removed from wake.ini; "下一步 >" leads to
#     page 3 with its red note, and its "下一步 >" to page 4;
#  4. on page 4 an hour is chosen from its list and a minute typed;
#     "完成" stores them and closes the wizard, the missing help file
#     showing nothing.
# Screenshots: wizard-choice, wizard-automatic-test, wizard-unsupported,
# wizard-manual.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "power-on-wizard: FAIL: $*" >&2
  exit 1
}

readonly MAIN_CLIENT="600 420"
readonly WIZARD_CLIENT="430 220"

main_shown() { [ -n "$(program_windows_named '^Orvane$' | head -n 1)" ]; }
wizard() { program_windows_named '^Orvane$' | grep -vx "$MAIN" | head -n 1; }
wizard_shown() { [ -n "$(wizard)" ]; }
wizard_gone() { ! wizard_shown; }
click_main() { CLIENT="$MAIN_CLIENT" click_client "$MAIN" "$@"; }
click_wizard() {
  CLIENT="$WIZARD_CLIENT" click_client "$(wizard)" "$@"
  sleep 0.5
}

# The wizard's places: the buttons at the bottom right, "自动设置", "测试",
# and the edit fields of the hour and minute lists.
next_button() { click_wizard 369 190; }
back_button() { click_wizard 271 190; }
choose_automatic() { click_wizard 52 69; }
test_box() { click_wizard 52 111; }
hour_list() { click_wizard 90 75; }
minute_list() { click_wizard 186 75; }

wake_value() { tr -d '\r' <"$WAKE" | sed -n "/^\[$1\]\$/,/^\[/s/^$2=//p"; }
check_wake() {
  local section=$1 key=$2 expected=$3
  wait_until 15 [ "$(wake_value "$section" "$key")" = "$expected" ] ||
    fail "[$section] $key is '$(wake_value "$section" "$key")', not '$expected': $(cat "$WAKE")"
}

headless_start power-on-wizard
folder="$(wine_install_program)"
WAKE="$folder/wake.ini"
printf '[wake]\r\net11=84\r\n[power]\r\nh=07\r\nm=30\r\ns=00\r\n' >"$WAKE"

program_start
tray_find_icon 30 || fail "no tray icon"
wait_until 30 main_shown || fail "no main window"
MAIN="$(program_windows_named '^Orvane$' | head -n 1)"

# The fields show 07:30:00; the stored time now differs.
printf '[wake]\r\net11=84\r\n[power]\r\nh=07\r\nm=31\r\ns=00\r\n' >"$WAKE"
click_main 534 366
wait_until 15 wizard_shown || fail "确定 opened no wizard"
sleep 1
echo "screenshot: $(screenshot wizard-choice)"

# 1.-2. The automatic time with "测试".
next_button
test_box
echo "screenshot: $(screenshot wizard-automatic-test)"
test_box

# 3. The board without a profile.
back_button
printf '[power]\r\nh=07\r\nm=30\r\ns=00\r\n' >"$WAKE"
choose_automatic
next_button
echo "screenshot: $(screenshot wizard-unsupported)"
next_button

# 4. An hour chosen (the item after "07"), a minute typed, "完成".
hour_list
xdotool key F4
sleep 0.5
xdotool key Down Return
minute_list
xdotool key End BackSpace BackSpace BackSpace
xdotool type --delay 40 "45"
echo "screenshot: $(screenshot wizard-manual)"
click_wizard 369 190
wait_until 15 wizard_gone || fail "完成 did not close the wizard"
check_wake power h 08
check_wake power m 45
check_wake power s 00
program_quit_from_tray power-on-wizard-tray-menu || fail "could not quit through the tray menu"
echo "power-on-wizard: PASS"
