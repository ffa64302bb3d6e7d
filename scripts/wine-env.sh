# shellcheck shell=bash
# Shell helpers shared by run.sh, test.sh and the GUI tests (source, do not
# run): a Wine prefix with a Chinese locale, a virtual X display, the program
# folder inside the prefix, screenshots and the tray icon's menu.

ORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The cross build to run; another build tree may be named in the environment.
ORVANE_WIN_BUILD="${ORVANE_WIN_BUILD:-$ORVANE_ROOT/build/win}"
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

# Uses the prefix $1 for every later wine command of this shell: a 64-bit
# Windows, or a 32-bit one when $2 is "win32".
wine_use_prefix() {
  export WINEPREFIX="$1" WINEARCH="${2:-win64}" WINEDEBUG=-all
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

# Creates the prefix of wine_use_prefix once: no Mono or Gecko install
# dialogs, output kept in a log beside it. A program that crashes ends with a
# backtrace on its error output instead of waiting on a crash dialog. On a
# loaded machine wineboot now and then gives up waiting for its own services:
# the prefix is then thrown away and made again, up to three times, and the
# last log is shown when every try failed.
wine_prepare_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  local try
  for try in 1 2 3; do
    wine_try_prepare_prefix && return 0
    echo "wine: preparing $WINEPREFIX failed (try $try of 3)" >&2
  done
  echo "wine: see $WINEPREFIX.log:" >&2
  tail -n 20 "$WINEPREFIX.log" >&2
  return 1
}

wine_try_prepare_prefix() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  { WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i &&
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
    wineserver -w; } >"$WINEPREFIX.log" 2>&1 && [ -f "$WINEPREFIX/system.reg" ]
}

# Starts a wineserver that stays until headless_cleanup, and with it the
# prefix's own processes (services, the desktop), their output discarded. A
# program started later would otherwise pass its output on to them, and a
# reader of that output (ctest) would wait for them to end.
wine_start_services() {
  wineserver -p && wine cmd /c exit </dev/null >/dev/null 2>&1
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
  DISPLAY=":$(tr -d '\n' <"$number_file")"
  export DISPLAY
  rm -f "$number_file"
}

xvfb_stop() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  unset DISPLAY
}

# Starts a GUI test in a fresh prefix build/wine/$1 (of the Windows $2, see
# wine_use_prefix) on a virtual display;
# what the run leaves is ended when the script exits. No window manager runs
# there: Wine draws the window frames itself, so that screenshots show the
# captions and the system menus.
headless_start() {
  trap headless_cleanup EXIT
  rm -rf "$ORVANE_ROOT/build/wine/$1"
  wine_use_prefix "$ORVANE_ROOT/build/wine/$1" "${2:-}"
  xvfb_start
  wine_prepare_prefix
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
}

# Copies orvane.exe, deskward.exe, help.chm and the files under resources/ship/ into
# the program folder C:\Orvane of the current prefix; prints its Unix path.
wine_install_program() {
  local folder="$WINEPREFIX/drive_c/Orvane"
  local program
  mkdir -p "$folder"
  for program in "$ORVANE_WIN_BUILD/src/orvane.exe" "$ORVANE_WIN_BUILD/src/lock/deskward.exe" \
    "$ORVANE_WIN_BUILD/src/help.chm" "$ORVANE_ROOT"/resources/ship/*; do
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
# "Wine System Tray" window, from the left in the order they were added.
tray_window() {
  xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1 | grep .
}

# Waits up to $1 seconds for the tray window and sets TRAY_X and TRAY_Y to
# the middle of its first icon (in a fresh prefix: the only program's).
tray_find_icon() {
  wait_until "$1" tray_window >/dev/null || return 1
  local geometry x y height
  geometry="$(xdotool getwindowgeometry --shell "$(tray_window)")"
  x="$(sed -n 's/^X=//p' <<<"$geometry")"
  y="$(sed -n 's/^Y=//p' <<<"$geometry")"
  height="$(sed -n 's/^HEIGHT=//p' <<<"$geometry")"
  TRAY_X=$((x + height / 2))
  TRAY_Y=$((y + height / 2))
}

program_windows_shown() {
  xdotool search --onlyvisible --class '^orvane\.exe$' 2>/dev/null | sort
}

# The visible windows of orvane.exe whose title matches $1.
program_windows_named() { comm -12 <(program_windows_shown) <(xdotool search --onlyvisible --name "$1" 2>/dev/null | sort); }

# Clicks ($4 = "2" for a double-click) at x $2, y $3 of the client area of
# window $1 whose client size is $CLIENT ("W H"); Wine may or may not draw
# a frame around it.
click_client() {
  # shellcheck disable=SC2034 # the eval below sets them all
  local X Y WIDTH HEIGHT SCREEN WINDOW client_width client_height border
  read -r client_width client_height <<<"$CLIENT"
  eval "$(xdotool getwindowgeometry --shell "$1")"
  border=$(((WIDTH - client_width) / 2))
  xdotool mousemove $((X + border + $2)) $((Y + HEIGHT - border - client_height + $3)) click --repeat "${4:-1}" --delay 80 1
}

# The UTF-8 lines given as a file of the program: GBK, CR LF after each.
gbk_lines() {
  local line
  for line in "$@"; do printf '%s\r\n' "$line"; done | iconv -f UTF-8 -t GBK
}

# Succeeds when orvane.exe shows a window that is not in the list $1.
new_program_window_shown() {
  [ -n "$(comm -13 <(echo "$1") <(program_windows_shown))" ]
}

# Right-clicks the icon found by tray_find_icon until orvane.exe shows a new
# window: its popup menu.
tray_open_menu() {
  local before _
  before="$(program_windows_shown)"
  for _ in 1 2 3; do
    xdotool mousemove "$TRAY_X" "$TRAY_Y" click 3
    wait_until 3 new_program_window_shown "$before" && return 0
  done
  return 1
}

# Installs the programs into the current prefix and starts $1 (orvane.exe
# when not given) from the program folder in the background, its output going
# to $WINEPREFIX.out.
PROGRAM_PID=""
program_start() {
  local folder
  folder="$(wine_install_program)"
  (cd "$folder" && exec wine "${1:-orvane.exe}" >"$WINEPREFIX.out" 2>&1) &
  PROGRAM_PID=$!
}

program_ended() {
  ! kill -0 "$PROGRAM_PID" 2>/dev/null
}

# Quits the program as a user does: opens the tray icon's menu, saves a
# screenshot named $1 with the menu open, and chooses "退出(&X)" by its
# mnemonic. Fails when the menu does not open or the program does not end.
program_quit_from_tray() {
  tray_open_menu || { echo "tray: right-clicking the tray icon opened no menu" >&2; return 1; }
  echo "screenshot: $(screenshot "$1")"
  xdotool key x
  wait_until 15 program_ended || { echo "tray: orvane.exe still runs after 退出(&X)" >&2; return 1; }
}

# Ends whatever a headless run left: the program, the prefix's Wine
# processes and the virtual display.
headless_cleanup() {
  if [ -n "$PROGRAM_PID" ] && ! program_ended; then kill "$PROGRAM_PID" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  xvfb_stop
}
