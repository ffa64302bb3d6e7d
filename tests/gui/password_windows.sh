#!/usr/bin/env bash
# GUI test of the password windows and the "高级选项" page with the real
# orvane.exe under Wine, settings needing the password "abc":
#  1. the prompt "TForm12" shows over the main window at start; a wrong
#     entry with Enter brings "密码错误！", the right one with Enter lets the
#     main window stay; on "高级选项", "设定密码" opens "TForm6", which stores
#     the new password "xyz" scrambled; ticking "随系统启动" and pressing "OK"
#     writes "autorun"/"run" = "1" and the logon entry under the user's Run
#     key, and the window goes to the tray;
#  2. the next start takes "xyz", shows the box ticked, and unticking it with
#     "OK" removes the logon entry;
#  3. Esc on the prompt sends the main window back to the tray;
#  4. closing the prompt from outside (WM_CLOSE, WM_SYSCOMMAND SC_CLOSE),
#     Alt+F4 and a quit message to its thread never leave the main window
#     shown without the password (the program may end instead); a second
#     copy started ends and only brings the prompt; a very long entry and
#     one with a character that has no GBK form are wrong passwords.
# Screenshots: password-prompt, password-wrong, advanced-options,
# set-password, advanced-options-restarted.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "password-windows: FAIL: $*" >&2
  exit 1
}

# The visible window of orvane.exe of this size ("600x439"), if any.
window_of_size() {
  local window
  for window in $(program_windows_shown); do
    if xdotool getwindowgeometry "$window" | grep -q "Geometry: $1\$"; then
      echo "$window"
      return 0
    fi
  done
  return 1
}
main_window() { window_of_size 600x439; }
prompt_shown() { window_of_size 360x190 >/dev/null; }
# Waits for the prompt and clicks into its field: without a window manager
# the keyboard goes to the window under the mouse.
wait_for_prompt() {
  wait_until 30 prompt_shown || fail "no password prompt $1"
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(window_of_size 360x190)")"
  xdotool mousemove $((X + 238)) $((Y + 88)) click 1
}
prompt_gone() { ! prompt_shown; }
main_window_hidden() { ! main_window >/dev/null; }
set_password_shown() { xdotool search --onlyvisible --name '^设定密码$' >/dev/null 2>&1; }
set_password_gone() { ! set_password_shown; }
window_count_is() { [ "$(program_windows_shown | grep -c .)" -eq "$1" ]; }
# The prompt gone and the main window with it, or the program ended.
locked_out() { program_ended || { prompt_gone && main_window_hidden; }; }
prompt_attack() { wine "$ORVANE_WIN_BUILD/tests/lock_attack.exe" "$1" TForm12; }
# A second copy of the program, which asks the running one to show its main
# window and ends.
second_copy() { timeout 60 bash -c "cd '$WINEPREFIX/drive_c/Orvane' && wine orvane.exe" >/dev/null 2>&1; }

# Clicks at x, y in the main window.
click_main() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(main_window)")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

# Types $1 into the focused field and presses Enter.
enter() {
  xdotool type --delay 30 "$1"
  xdotool key Return
}

lock_file_has() { grep -q "$1" "$WINEPREFIX/drive_c/windows/system32/deskward.ini"; }
wake_ini_has() { grep -q "$1" "$WINEPREFIX/drive_c/Orvane/wake.ini" 2>/dev/null; }
logon_entry() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Orvane 2>/dev/null | tr -d '\r'; }
logon_entry_is_program() { logon_entry | grep -qF '"C:\Orvane\orvane.exe"'; }
logon_entry_gone() { ! logon_entry | grep -q Orvane; }

# The main window after the right password, on its "高级选项" page.
open_advanced_page() {
  wait_until 20 prompt_gone || fail "the right password with Enter left the prompt open"
  sleep 0.5  # past the 100 ms after which a cancelled prompt would hide it
  main_window >/dev/null || fail "the main window did not stay after the right password"
  click_main 219 38
  sleep 0.5
}

tick_start_with_windows_and_ok() {
  click_main 51 93
  click_main 529 376
  wait_until 15 main_window_hidden || fail "OK did not send the main window to the tray"
}

trap headless_cleanup EXIT
prefix="$ORVANE_ROOT/build/wine/password-windows"
rm -rf "$prefix"
wine_use_prefix "$prefix"
xvfb_start
wine_prepare_prefix
# "abc" scrambled: 'a' ^ 8, 'b' ^ 9, 'c' ^ 7.
printf '[Option]\r\nlock=1\r\npword=ikd\r\n' >"$WINEPREFIX/drive_c/windows/system32/deskward.ini"

program_start
wait_for_prompt "at start"
tray_find_icon 30 || fail "no tray icon"
echo "screenshot: $(screenshot password-prompt)"
enter abx
wait_until 15 window_count_is 3 || fail "a wrong password brought no message box"
echo "screenshot: $(screenshot password-wrong)"
xdotool key Return
wait_until 15 window_count_is 2 || fail "the message box did not close"
enter abc
open_advanced_page
echo "screenshot: $(screenshot advanced-options)"

click_main 401 149
wait_until 15 set_password_shown || fail "设定密码 opened no window"
echo "screenshot: $(screenshot set-password)"
xdotool type --delay 30 abc
xdotool key Tab
xdotool type --delay 30 xyz
xdotool key Tab
enter xyz
wait_until 15 window_count_is 3 || fail "no question before the password is changed"
xdotool key Return
# "xyz" scrambled: 'x' ^ 1, 'y' ^ 2, 'z' ^ 0.
wait_until 15 lock_file_has '^pword=y{z' || fail "the new password was not stored scrambled"
wait_until 15 set_password_gone || fail "the set-password window stayed open"

tick_start_with_windows_and_ok
wake_ini_has '^run=1' || fail "OK with 随系统启动 did not write autorun/run = 1"
logon_entry_is_program || fail "OK with 随系统启动 wrote no logon entry: $(logon_entry)"
program_quit_from_tray password-windows-tray || fail "could not quit through the tray menu"

program_start
wait_for_prompt "at the second start"
enter xyz
open_advanced_page
echo "screenshot: $(screenshot advanced-options-restarted)"
tick_start_with_windows_and_ok
wake_ini_has '^run=0' || fail "OK without 随系统启动 did not write autorun/run = 0"
logon_entry_gone || fail "OK without 随系统启动 left the logon entry: $(logon_entry)"
program_quit_from_tray password-windows-tray || fail "could not quit through the tray menu"

program_start
wait_for_prompt "at the third start"
xdotool key Escape
wait_until 15 main_window_hidden || fail "Esc on the prompt did not send the main window to the tray"

for how in close syscommand alt+F4 quit; do
  second_copy || fail "a second copy did not end before the attack $how"
  wait_for_prompt "from a second copy before the attack $how"
  if [ "$how" = alt+F4 ]; then xdotool key alt+F4; else prompt_attack "$how" || fail "no prompt to attack with $how"; fi
  wait_until 15 locked_out || fail "the attack $how left the main window shown without the password"
  # The quit message ends the program (the prompt closes as cancelled).
  if [ "$how" = quit ]; then wait_until 30 program_ended || fail "a quit message left the program running"; fi
done
program_start
wait_until 60 prompt_shown || fail "no password prompt at the start after the attacks"
wait_for_prompt "after the attacks"
for entry in "$(head -c 400 /dev/zero | tr '\0' 'x')" 'กxyz'; do
  enter "$entry"
  wait_until 15 window_count_is 3 || fail "the entry of ${#entry} characters brought no \"密码错误！\""
  xdotool key Return
  wait_until 15 window_count_is 2 || fail "the message box did not close"
  prompt_shown || fail "the entry of ${#entry} characters closed the prompt"
done
xdotool key Escape
wait_until 15 main_window_hidden || fail "Esc on the prompt did not send the main window to the tray"
program_quit_from_tray password-windows-tray || fail "could not quit through the tray menu"
echo "password-windows: PASS"
