#!/usr/bin/env bash
# GUI smoke test: orvane.exe starts in a fresh Wine prefix on a virtual
# display, has its main window "Orvane" and its tray icon, and ends
# when "退出(&X)" is chosen from the icon's menu.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "smoke: FAIL: $*" >&2
  exit 1
}

main_window_exists() {
  local window
  for window in $(xdotool search --name '^Orvane$' 2>/dev/null); do
    xprop -id "$window" WM_CLASS | grep -q '"orvane.exe"' && return 0
  done
  return 1
}

trap headless_cleanup EXIT
prefix="$ORVANE_ROOT/build/wine/smoke"
rm -rf "$prefix"
wine_use_prefix "$prefix"
xvfb_start
wine_prepare_prefix
program_start

tray_find_icon 30 || fail "no tray icon appeared"
wait_until 10 main_window_exists || fail "no window titled Orvane"
program_quit_from_tray smoke-tray-menu || fail "could not quit through the tray menu"
echo "smoke: PASS"
