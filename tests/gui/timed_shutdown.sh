#!/usr/bin/env bash
# GUI test of the timed shutdown "TForm10" under Wine, in both modes: the
# window opens (from the Windows test program, whose clock is the real one
# and whose power calls are simulated) with the box ticked; Enter presses
# "确定" and answers its message; the window opens again showing the armed
# shutdown ticking, and Esc closes it. Saves the screenshots
# timed-shutdown-MODE.png and timed-shutdown-MODE-armed.png for the modes
# clock-time and minutes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "timed-shutdown: FAIL: $*" >&2
  exit 1
}

# The visible windows of the test program captioned $1.
windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
# Succeeds when a window captioned $1 other than $2 is shown; sets FOUND.
other_window_named() {
  FOUND="$(windows_named "$1" | grep -vx "${2:-none}" | head -n 1)"
  [ -n "$FOUND" ]
}
# Without a window manager the keyboard goes to the window under the pointer.
press_in() {
  xdotool mousemove --window "$1" 20 40
  xdotool key "$2"
}

run_mode() {
  local mode="$1" test="$2" first output
  output="$WINEPREFIX.$mode.out"
  wine "$ORVANE_WIN_BUILD/tests/orvane_win32_tests.exe" --gtest_also_run_disabled_tests \
    --gtest_filter="TimedShutdownWindowTest.$test" >"$output" 2>&1 &
  PROGRAM_PID=$!

  wait_until 30 other_window_named 定时关机 || fail "$mode: no timed-shutdown window appeared"
  first="$FOUND"
  echo "screenshot: $(screenshot "timed-shutdown-$mode")"
  press_in "$first" Return
  wait_until 10 other_window_named Orvane || fail "$mode: \"确定\" showed no message"
  press_in "$FOUND" Return
  wait_until 15 other_window_named 定时关机 "$first" || fail "$mode: the window did not close and open again"
  sleep 2 # two ticks, so that the status shows the armed shutdown
  echo "screenshot: $(screenshot "timed-shutdown-$mode-armed")"
  press_in "$FOUND" Escape
  wait_until 15 program_ended || fail "$mode: Esc did not close the window"
  wait "$PROGRAM_PID" || fail "$mode: the on-screen test failed: $(cat "$output")"
  grep -q '^\[  PASSED  \] 1 test' "$output" || fail "$mode: the on-screen test did not run: $(cat "$output")"
}

headless_start timed-shutdown
run_mode clock-time DISABLED_OnScreenArmedAtAClockTime
run_mode minutes DISABLED_OnScreenArmedForMinutes
echo "timed-shutdown: PASS"
