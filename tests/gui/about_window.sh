#!/usr/bin/env bash
# GUI test of the about window "TForm7" under Wine: chosen from the tray
# menu with the keyboard (the entry just above "退出(&X)"), it shows its
# caption, product, version and links; Esc closes it and the program keeps
# running until "退出(&X)". Saves the screenshot about-window.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "about-window: FAIL: $*" >&2
  exit 1
}

about_shown() {
  FOUND="$(program_windows_named '^关于本软件$' | head -n 1)"
  [ -n "$FOUND" ]
}
about_gone() { ! about_shown; }

headless_start about-window
program_start
tray_find_icon 30 || fail "no tray icon appeared"
tray_open_menu || fail "the tray menu did not open"
xdotool key Up Up Return
wait_until 15 about_shown || fail "no window captioned 关于本软件"
echo "screenshot: $(screenshot about-window)"
xdotool mousemove --window "$FOUND" 20 40
xdotool key Escape
wait_until 10 about_gone || fail "Esc did not close the about window"
program_ended && fail "the program ended with the about window"
program_quit_from_tray about-window-tray-menu || fail "could not quit through the tray menu"
echo "about-window: PASS"
