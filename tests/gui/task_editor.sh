#!/usr/bin/env bash
# GUI test of the task editor "TForm2" and the task list commands with the
# real orvane.exe under Wine, starting from a GBK task.dat of five tasks (a
# once task, a disabled yearly task with typed texts, a monthly task with
# every action, an every-day task, a weekly task):
#  1. each task opened with " 编 辑 " (the fourth by a double-click on its row)
#     and saved with Enter writes task.dat back byte for byte;
#  2. " 添 加 " with the defaults plus "关机" and "运行程序" "C:\tools\x.exe",
#     the time set 25 seconds ahead, appends one CR LF line of 23 fields; the
#     task fires at its second and its shutdown countdown opens (and is
#     cancelled with Esc);
#  3. the new task edited to "每周" on Saturday with "重启" instead of "关机";
#  4. " 删 除 " on the second row and " 清 空 ", each confirmed with Enter,
#     leave exactly the expected bytes, the last an empty file;
#  5. from the tray: "定时任务列表" shows the hidden main window on its task
#     page, "添加新任务" opens the editor, which Esc closes.
# Screenshots: task-editor-edit, task-editor-new, task-editor-list.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "task-editor: FAIL: $*" >&2
  exit 1
}

# The windows' client areas at 96 DPI (the main window's below its menu).
readonly MAIN_CLIENT="600 420"
readonly EDITOR_CLIENT="470 574"

program_window_named() { program_windows_named "$1" | head -n 1; }
editor() { program_window_named '^(添加新定时任务|编辑/查看定时任务)$'; }
editor_shown() { [ -n "$(editor)" ]; }
editor_gone() { ! editor_shown; }
# The message box or countdown over the main window: a window titled
# "Orvane" that is not the main window.
other_orvane_window() { program_windows_named '^Orvane$' | grep -vx "$MAIN" | head -n 1; }
other_shown() { [ -n "$(other_orvane_window)" ]; }
other_gone() { ! other_shown; }
main_shown() { [ -n "$(program_window_named '^Orvane$')" ]; }
main_hidden() { ! main_shown; }

click_main() { CLIENT="$MAIN_CLIENT" click_client "$MAIN" "$@"; }
click_editor() { CLIENT="$EDITOR_CLIENT" click_client "$(editor)" "$@"; }

# The task page's places: its tab, the toolbar, the rows of the list.
show_task_page() { click_main 136 19; }
tool_button() {
  case "$1" in
    add) click_main 38 41 ;;
    edit) click_main 86 41 ;;
    delete) click_main 136 41 ;;
    clear) click_main 185 41 ;;
  esac
}
click_row() { click_main 210 $((84 + 15 * ($1 - 1))) "${2:-1}"; }
# The editor's title edit, where a click takes the keyboard. Its other
# places are given where they are clicked.
click_title() { click_editor 273 26; }

wait_editor() { wait_until 15 editor_shown || fail "$1 opened no editor"; }
# Enter in the editor's title edit: "确定".
save_editor() {
  click_title
  xdotool key Return
  wait_until 15 editor_gone || fail "Enter did not close the editor"
}
# Enter on the question that $1 brought up: "确定".
confirm() {
  wait_until 15 other_shown || fail "$1 asked no question"
  xdotool mousemove --window "$(other_orvane_window)" 30 40
  xdotool key Return
  wait_until 15 other_gone || fail "Enter did not answer the question of $1"
}

task_file_is() { cmp -s "$TASKS" <(gbk_lines "$@"); }
check_task_file() {
  local what="$1"
  shift
  wait_until 15 task_file_is "$@" || {
    echo "expected:" >&2
    gbk_lines "$@" | iconv -f GBK -t UTF-8 >&2
    echo "task.dat:" >&2
    iconv -f GBK -t UTF-8 "$TASKS" >&2 || xxd "$TASKS" >&2
    fail "$what"
  }
}

headless_start task-editor
folder="$(wine_install_program)"
TASKS="$folder/task.dat"
once='8:05:09*启用*2027年1月2日*********Shutdown***********一次'
yearly='0:00:00*禁用*每年02月30日*****************Open URL:http://a.cn/?x=1*Standby*Hibernate*'
monthly='23:59:59*启用*每月31 日*********Shutdown*Play Sound:C:\a b\di.wav*Run Program:C:\tools\x.exe*'
monthly+='Show Message:注意：休息*Reboot*Lock Computer*Open File:D:\doc.txt*Close Program:qq.exe*Open URL:***全部*动作'
daily='12:30:00*启用*每天********************'
weekly='7:00:00*启用**周一**周三****周日*************'
gbk_lines "$once" "$yearly" "$monthly" "$daily" "$weekly" >"$TASKS"

program_start
tray_find_icon 30 || fail "no tray icon"
wait_until 30 main_shown || fail "no main window"
MAIN="$(program_window_named '^Orvane$')"
show_task_page

# 1. Every task through the editor unchanged.
for row in 1 2 3 4 5; do
  click_row "$row"
  if [ "$row" -eq 4 ]; then click_row 4 2; else tool_button edit; fi
  wait_editor "editing row $row"
  [ "$(xdotool getwindowname "$(editor)")" = "编辑/查看定时任务" ] || fail "the editor of row $row is not in edit mode"
  [ "$row" -eq 3 ] && echo "screenshot: $(screenshot task-editor-edit)"
  save_editor
  check_task_file "row $row did not come back unchanged" "$once" "$yearly" "$monthly" "$daily" "$weekly"
done

# 2. A new task 25 seconds ahead with "关机" and "运行程序".
tool_button add
wait_editor "添 加"
[ "$(xdotool getwindowname "$(editor)")" = "添加新定时任务" ] || fail "添 加 did not open a new task"
due="$(date -d '+25 seconds' +%H:%M:%S)"
IFS=: read -r hours minutes seconds <<<"$due"
click_editor 122 249
xdotool type --delay 40 "$hours"
xdotool key Right
xdotool type --delay 40 "$minutes"
xdotool key Right
xdotool type --delay 40 "$seconds"
click_editor 26 311
click_editor 26 407
click_editor 262 407
xdotool type --delay 30 'C:\tools\x.exe'
echo "screenshot: $(screenshot task-editor-new)"
save_editor
time_text="$((10#$hours)):$minutes:$seconds"
added="$time_text*启用*每天*********Shutdown**Run Program:C:\\tools\\x.exe*********"
check_task_file "the new task is not the expected line" "$once" "$yearly" "$monthly" "$daily" "$weekly" "$added"
[ "$(tail -n 1 "$TASKS" | tr -cd '*' | wc -c)" -eq 22 ] || fail "the new line has not 22 separators"
echo "screenshot: $(screenshot task-editor-list)"
wait_until 60 other_shown || fail "the new task did not fire its shutdown countdown at $due"
xdotool mousemove --window "$(other_orvane_window)" 20 20
xdotool key Escape
wait_until 15 other_gone || fail "Esc did not cancel the countdown"

# 3. The new task as a weekly Saturday task that reboots.
click_row 6
tool_button edit
wait_editor "editing the new task"
click_editor 36 187
click_editor 210 213
click_editor 26 311
click_editor 114 311
save_editor
edited="$time_text*启用*******周六*****Run Program:C:\\tools\\x.exe**Reboot*******"
check_task_file "the edited task is not the expected line" "$once" "$yearly" "$monthly" "$daily" "$weekly" "$edited"

# 4. Delete the second row, then clear the list.
click_row 2
tool_button delete
confirm "删 除"
check_task_file "删 除 did not remove the second row" "$once" "$monthly" "$daily" "$weekly" "$edited"
tool_button clear
confirm "清 空"
wait_until 15 test ! -s "$TASKS" || fail "清 空 did not leave an empty task.dat"

# 5. The tray entries: the main window goes to the tray with "OK" on
# "高级选项" and comes back on the task page.
click_main 220 19
click_main 529 357
wait_until 15 main_hidden || fail "OK on 高级选项 did not send the main window to the tray"
tray_open_menu || fail "no tray menu"
# "开关定时设置", "高级选项", "电源管理", a separator, "添加新任务", "定时任务列表".
xdotool key Down Down Down Down Down Return
wait_until 15 main_shown || fail "定时任务列表 did not show the main window"
MAIN="$(program_window_named '^Orvane$')"
tool_button add
wait_editor "添 加 on the page shown by 定时任务列表"
click_title
xdotool key Escape
wait_until 15 editor_gone || fail "Esc did not close the editor"
tray_open_menu || fail "no tray menu"
xdotool key Down Down Down Down Return
wait_editor "添加新任务 in the tray menu"
click_title
xdotool key Escape
wait_until 15 editor_gone || fail "Esc did not close the editor"
[ ! -s "$TASKS" ] || fail "a cancelled editor changed task.dat"
program_quit_from_tray task-editor-tray-menu || fail "could not quit through the tray menu"
echo "task-editor: PASS"
