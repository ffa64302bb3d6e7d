#!/usr/bin/env bash
# GUI test of the page "    开机设定    " and the dated power-on editor
# "TForm8" with the real orvane.exe under Wine, starting from a GBK time.dat
# of two entries (the second written by an earlier version as "2027/1/2"):
#  1. the page shows the settings of wake.ini and the list;
#  2. "编辑" on the second row, "启用" and a remark, "确定": the entry is
#     written back in the fixed date pattern, in place;
#  3. "添加" with a remark of two lines: one line is appended, the line break
#     stored as a blank;
#  4. "添加" closed with Esc changes nothing;
#  5. "删除" on the first row, confirmed with Enter, leaves the other two.
# time.dat is checked byte for byte after each step.
# Screenshots: power-on-page, power-on-editor.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "power-on-page: FAIL: $*" >&2
  exit 1
}

readonly MAIN_CLIENT="600 420"
readonly EDITOR_CLIENT="340 250"

editor() { program_windows_named '^指定日期开机状态$' | head -n 1; }
editor_shown() { [ -n "$(editor)" ]; }
editor_gone() { ! editor_shown; }
other_orvane_window() { program_windows_named '^Orvane$' | grep -vx "$MAIN" | head -n 1; }
other_shown() { [ -n "$(other_orvane_window)" ]; }
other_gone() { ! other_shown; }
main_shown() { [ -n "$(program_windows_named '^Orvane$' | head -n 1)" ]; }

click_main() { CLIENT="$MAIN_CLIENT" click_client "$MAIN" "$@"; }
click_editor() { CLIENT="$EDITOR_CLIENT" click_client "$(editor)" "$@"; }

button() {
  case "$1" in
    add) click_main 528 217 ;;
    edit) click_main 528 249 ;;
    delete) click_main 528 282 ;;
  esac
}
click_row() { click_main 90 $((231 + 15 * ($1 - 1))); }
open_editor() {
  button "$1"
  wait_until 15 editor_shown || fail "$1 opened no editor"
}
# The editor's places: "启用", the remark box, "确定".
choose_enabled() { click_editor 190 64; }
type_remark() {
  click_editor 200 130
  xdotool type --delay 40 "$1"
}
save_editor() {
  click_editor 282 220
  wait_until 15 editor_gone || fail "确定 did not close the editor"
}

check_dates() {
  local what="$1"
  shift
  wait_until 15 cmp -s "$DATES" <(gbk_lines "$@") || {
    echo "expected:" >&2
    gbk_lines "$@" | iconv -f GBK -t UTF-8 >&2
    echo "time.dat:" >&2
    iconv -f GBK -t UTF-8 "$DATES" >&2 || xxd "$DATES" >&2
    fail "$what"
  }
}

headless_start power-on-page
folder="$(wine_install_program)"
DATES="$folder/time.dat"
first='2026-12-25*启用*圣诞*晚会'
gbk_lines "$first" '2027/1/2*禁用*' >"$DATES"
printf '[power]\r\nw2=1\r\nw3=1\r\nh=7\r\nm=30\r\ns=0\r\n[close]\r\nh=22\r\nm=30\r\ns=0\r\n' >"$folder/wake.ini"

program_start
tray_find_icon 30 || fail "no tray icon"
wait_until 30 main_shown || fail "no main window"
MAIN="$(program_windows_named '^Orvane$' | head -n 1)"
echo "screenshot: $(screenshot power-on-page)"

# 2. Edit the second entry.
click_row 2
open_editor edit
choose_enabled
type_remark "note"
echo "screenshot: $(screenshot power-on-editor)"
save_editor
second='2027-01-02*启用*note'
check_dates "the edited entry" "$first" "$second"

# 3. A new entry with a remark of two lines.
open_editor add
type_remark "a"
xdotool key Return
xdotool type --delay 40 "b"
save_editor
third="$(date +%Y-%m-%d)*禁用*a b"
check_dates "the added entry" "$first" "$second" "$third"

# 4. Esc discards.
open_editor add
type_remark "x"
xdotool key Escape
wait_until 15 editor_gone || fail "Esc did not close the editor"
check_dates "a discarded editor changed time.dat" "$first" "$second" "$third"

# 5. Delete the first entry.
click_row 1
button delete
wait_until 15 other_shown || fail "删除 asked no question"
xdotool mousemove --window "$(other_orvane_window)" 30 40
xdotool key Return
wait_until 15 other_gone || fail "Enter did not answer the question"
check_dates "删除 did not remove the first entry" "$second" "$third"
program_quit_from_tray power-on-page-tray-menu || fail "could not quit through the tray menu"
echo "power-on-page: PASS"
