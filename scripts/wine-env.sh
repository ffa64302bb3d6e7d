# Shell helpers shared by run.sh, test.sh and the GUI tests (source, do not
# run): a Wine prefix with a Chinese locale, a virtual X display, the program
# folder inside the prefix, screenshots and the tray icon's menu.

ORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVANE_WIN_BUILD="$ORVANE_ROOT/build/win"
ORVANE_SCREENSHOTS="$ORVANE_ROOT/build/screenshots"

# Runs "$@" every 0.2 s until it succeeds; fails after $1 seconds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# Uses the prefix $1 for every later wine command of this shell.
wine_use_prefix() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

# Creates the prefix of wine_use_prefix once: no Mono or Gecko install
# dialogs, output kept in a log beside it.
wine_prepare_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$WINEPREFIX"
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >"$WINEPREFIX.log" 2>&1; then
    echo "wine: wineboot failed, see $WINEPREFIX.log" >&2
    return 1
  fi
  wineserver -w
}

# Starts a virtual display (Xvfb) on a free display number and exports DISPLAY.
XVFB_PID=""
xvfb_start() {
  local number_file
  number_file="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  if ! wait_until 10 test -s "$number_file"; then
    echo "xvfb: the virtual display did not start" >&2
    rm -f "$number_file"
    return 1
  fi
  export DISPLAY=":$(tr -d '\n' <"$number_file")"
  rm -f "$number_file"
}

xvfb_stop() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  unset DISPLAY
}

# Copies orvane.exe, deskward.exe and the files under resources/ship/ into
# the program folder C:\Orvane of the current prefix; prints its Unix path.
wine_install_program() {
  local folder="$WINEPREFIX/drive_c/Orvane"
  local program
  mkdir -p "$folder"
  for program in "$ORVANE_WIN_BUILD/src/orvane.exe" "$ORVANE_WIN_BUILD/src/lock/deskward.exe" \
    "$ORVANE_ROOT"/resources/ship/*; do
    if [ -e "$program" ]; then cp -r "$program" "$folder/"; fi
  done
  echo "$folder"
}

# Saves a screenshot of the whole display as build/screenshots/$1.png and
# prints its path.
screenshot() {
  mkdir -p "$ORVANE_SCREENSHOTS"
  local file="$ORVANE_SCREENSHOTS/$1.png"
  import -window root "$file"
  echo "$file"
}

# On an X server without a notification area Wine shows its icons in its own
# "Wine System Tray" window, from the left in the order they were added; the
# window hides when the last icon is removed.
tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1 | grep .
}

# Waits up to $1 seconds for the tray window and sets TRAY_X and TRAY_Y to
# the middle of its first icon (in a fresh prefix: the only program's).
tray_find_icon() {
  wait_until "$1" tray_window >/dev/null || return 1
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(tray_window)")"
  TRAY_X=$((X + HEIGHT / 2))
  TRAY_Y=$((Y + HEIGHT / 2))
}

window_of_class_shown() {
  xdotool search --onlyvisible --class "^$1\$" >/dev/null 2>&1
}

# Right-clicks the icon found by tray_find_icon until a visible window of the
# X class $1 (the program's popup menu) shows.
tray_open_menu() {
  local attempt
  for attempt in 1 2 3; do
    xdotool mousemove "$TRAY_X" "$TRAY_Y" click 3
    wait_until 3 window_of_class_shown "$1" && return 0
  done
  return 1
}
