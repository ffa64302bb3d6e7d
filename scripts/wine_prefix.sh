#!/usr/bin/env bash
# Settles an existing Wine prefix for a virtual display without a window
# manager (Xvfb): Wine draws the window frames itself (X11 driver setting
# "Managed" = "N"), so windows show their title bar and close box in
# screenshots, and hiding or closing a window no longer waits two seconds for
# a window manager that is not there.
#
# Usage: scripts/wine_prefix.sh PREFIX
# PREFIX must exist (wineboot has run in it). Safe to run again.
#
# Chinese text needs no font setting: Wine finds WenQuanYi Micro Hei
# (fonts-wqy-microhei) through fontconfig for every CJK character.
set -euo pipefail

prefix="$(realpath -m "${1:?usage: $0 PREFIX}")"
[ -f "$prefix/system.reg" ] || {
  echo "wine_prefix: $prefix is not a Wine prefix" >&2
  exit 1
}
export WINEPREFIX="$prefix" WINEDEBUG=-all
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver -w
