#!/usr/bin/env bash
# The setup program build/dist/orvane-setup-*-$1.exe ($1: x86_64 or i686) in
# a fresh Wine prefix of its Windows on a virtual display: a silent install
# puts every file in place, registers the uninstaller and makes shortcuts
# that point at existing files; the installed orvane.exe starts from its
# folder and shows its tray icon; "unins000.exe /S" ends it and removes the
# program, its shortcuts, registry values and "\deskward.ini" keys, keeping
# the user's tasks and settings; installing again keeps "task.dat"; and
# "unins000.exe /S /DELETEDATA" leaves no file behind. Saves the screenshot
# setup-installed-$1.png.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
arch="$1"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

setup="$(ls -t "$ORVANE_ROOT"/build/dist/orvane-setup-*-"$arch".exe 2>/dev/null | head -n 1)"
[ -n "$setup" ] || fail "no setup program for $arch in build/dist (scripts/package.sh makes it)"
case "$arch" in
  x86_64) windows=win64 view=/reg:64 ;;
  i686) windows=win32 view=/reg:32 ;;
  *) fail "unknown processor $arch" ;;
esac
# No menu entries of the Linux desktop for the shortcuts: the test changes
# nothing outside its prefix.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
headless_start "setup-$arch" "$windows" || fail "no Wine prefix"
folder="$WINEPREFIX/drive_c/Program Files/Orvane"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orvane"
deskward_ini="$WINEPREFIX/drive_c/windows/system32/deskward.ini"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
program_files=(orvane.exe deskward.exe help.chm di.wav prompt.jpg unins000.exe)

registry_value() { wine reg query "$1" /v "$2" "$view" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
uninstalled() { [ ! -e "$folder/unins000.exe" ]; }

install() {
  wine "$setup" /S || fail "the silent install ended with an error"
  local file
  for file in "${program_files[@]}"; do
    [ -f "$folder/$file" ] || fail "$file is not in the program folder after the install"
  done
}

# The uninstaller copies itself away and runs from there: waits until it has
# removed itself.
uninstall() {
  wine "$folder/unins000.exe" /S "$@" || fail "unins000.exe /S $* ended with an error"
  wait_until 60 uninstalled || fail "unins000.exe /S $* did not remove itself"
  sleep 1
}

check_registered() {
  [ "$(registry_value "$uninstall_key" UninstallString)" = '"C:\Program Files\Orvane\unins000.exe"' ] ||
    fail "no uninstaller registered under $uninstall_key"
  [ -n "$(registry_value "$uninstall_key" DisplayVersion)" ] && [ -n "$(registry_value "$uninstall_key" Publisher)" ] ||
    fail "the uninstall entry has no version or no publisher"
}

check_shortcuts() {
  local link target count=0
  for link in "$menu"/*.lnk; do
    target="$(python3 "$(dirname "${BASH_SOURCE[0]}")/link_target.py" "$link")" || fail "unreadable shortcut $link"
    [ -f "$(winepath -u "$target" 2>/dev/null)" ] || fail "the shortcut $(basename "$link") points at $target, which does not exist"
    count=$((count + 1))
  done
  [ "$count" -eq 3 ] || fail "$count shortcuts in the Start menu instead of the program, its help and the uninstaller"
}

# The installed program, started from its folder, shows its tray icon.
start_installed_program() {
  (cd "$folder" && exec wine orvane.exe >"$WINEPREFIX.out" 2>&1) &
  PROGRAM_PID=$!
  tray_find_icon 60 || fail "the installed orvane.exe showed no tray icon (see $(screenshot "setup-no-tray-$arch"))"
  echo "screenshot: $(screenshot "setup-installed-$arch")"
}

gbk_lines "[Option]" "pword=abc" "run=0" "lock=1" "[Other]" "kept=1" >"$deskward_ini"
install
check_registered
check_shortcuts
[ "$(registry_value "$run_key" Orvane)" = '"C:\Program Files\Orvane\orvane.exe"' ] ||
  fail "the install did not set up the start with Windows"
grep -q '^run=1' "$folder/wake.ini" || fail "wake.ini does not carry the start-with-Windows wish"
start_installed_program
gbk_lines "08:00:00*启用*每天*********************我的任务" >"$folder/task.dat"
cp "$folder/task.dat" "$WINEPREFIX.task.dat"

uninstall
wait_until 15 program_ended || fail "the uninstaller left orvane.exe running"
for file in "${program_files[@]}"; do
  [ ! -e "$folder/$file" ] || fail "$file is left after the uninstall"
done
[ -f "$folder/task.dat" ] && [ -f "$folder/wake.ini" ] || fail "the uninstall did not keep the tasks and settings"
[ ! -e "$menu" ] || fail "the Start-menu folder is left after the uninstall"
[ -z "$(registry_value "$uninstall_key" UninstallString)" ] || fail "the uninstall entry is left"
[ -z "$(registry_value "$run_key" Orvane)" ] || fail "the start-with-Windows entry is left"
grep -Eq '^(pword|run|lock)=' "$deskward_ini" && fail "the program's keys are left in deskward.ini"
grep -q '^kept=1' "$deskward_ini" || fail "the uninstall removed more of deskward.ini than the program's keys"

install
cmp -s "$folder/task.dat" "$WINEPREFIX.task.dat" || fail "installing again changed task.dat"
uninstall /DELETEDATA
[ ! -e "$folder" ] || fail "files are left in the program folder: $(ls "$folder")"
echo "setup $arch: installed, started, uninstalled"
