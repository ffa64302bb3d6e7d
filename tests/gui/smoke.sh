#!/usr/bin/env bash
# GUI smoke test: orvane.exe starts in a fresh Wine prefix on a virtual
# display, shows its hidden main window "Orvane" and its tray icon, and ends,
# removing the icon, when "退出(&X)" is chosen from the icon's menu.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "smoke: FAIL: $*" >&2
  exit 1
}

program_pid=""
finish() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  xvfb_stop
}
trap finish EXIT

prefix="$ORVANE_ROOT/build/wine/smoke"
rm -rf "$prefix"
wine_use_prefix "$prefix"
xvfb_start
wine_prepare_prefix
folder="$(wine_install_program)"

cd "$folder"
wine orvane.exe >"$prefix.out" 2>&1 &
program_pid=$!

tray_find_icon 30 || fail "no tray icon appeared"
main_window_exists() {
  local window
  for window in $(xdotool search --name '^Orvane$' 2>/dev/null); do
    xprop -id "$window" WM_CLASS | grep -q '"orvane.exe"' && return 0
  done
  return 1
}
wait_until 10 main_window_exists || fail "no window titled Orvane"
window_of_class_shown 'orvane\.exe' && fail "a window of orvane.exe shows at start-up; the main window must stay hidden"

tray_open_menu 'orvane\.exe' || fail "right-clicking the tray icon opened no menu"
echo "smoke: screenshot $(screenshot smoke-tray-menu)"
xdotool key x

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
wait_until 15 program_ended || fail "orvane.exe still runs after 退出(&X)"
wait_until 10 tray_icon_gone || fail "the tray icon stayed after orvane.exe ended"
echo "smoke: PASS"
