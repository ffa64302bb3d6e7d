#!/usr/bin/env bash
# Builds Orvane and starts orvane.exe under Wine with a Chinese locale, from
# the program folder C:\Orvane of the prefix build/wine/run.
# With a DISPLAY the program runs there until it ends. Without one it runs on
# a virtual display: after start-up two screenshots are saved (the display,
# then the tray icon's menu) and their paths printed; then the program is
# quit through that menu.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

"$ORVANE_ROOT/scripts/build.sh"

wine_use_prefix "$ORVANE_ROOT/build/wine/run"
if [ -n "${DISPLAY:-}" ]; then
  wine_prepare_prefix
  cd "$(wine_install_program)"
  exec wine orvane.exe
fi

trap headless_cleanup EXIT
xvfb_start
wine_prepare_prefix
program_start
tray_find_icon 30 || echo "run: no tray icon appeared" >&2
sleep 2
echo "screenshot: $(screenshot run-start)"
[ -n "${TRAY_X:-}" ] || exit 1
program_quit_from_tray run-tray-menu
