#!/usr/bin/env bash
# GUI test of the shutdown countdown "TForm4" under Wine: the dialog opens on
# screen (from the Windows test program, whose power calls are simulated),
# is captioned "Orvane", and Esc pressed on the keyboard cancels it. Saves
# the screenshot countdown-dialog.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

fail() {
  echo "countdown-dialog: FAIL: $*" >&2
  exit 1
}

countdown_window() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | head -n 1 | grep .; }

headless_start countdown-dialog
output="$WINEPREFIX.out"
wine "$ORVANE_WIN_BUILD/tests/orvane_win32_tests.exe" --gtest_also_run_disabled_tests \
  --gtest_filter='CountdownWindowTest.DISABLED_OnScreenUntilEscapeIsPressed' >"$output" 2>&1 &
PROGRAM_PID=$!

wait_until 30 countdown_window >/dev/null || fail "no countdown window appeared"
xprop -id "$(countdown_window)" WM_CLASS | grep -q '"orvane_win32_tests.exe"' || fail "the window is not the test's"
sleep 1  # one tick of the countdown, so that the screenshot shows it running
echo "screenshot: $(screenshot countdown-dialog)"
# Without a window manager the keyboard goes to the window under the pointer.
xdotool mousemove --window "$(countdown_window)" 20 20
xdotool key Escape
wait_until 15 program_ended || fail "Esc did not cancel the countdown"
wait "$PROGRAM_PID" || fail "the on-screen test failed: $(cat "$output")"
grep -q '^\[  PASSED  \] 1 test' "$output" || fail "the on-screen test did not run: $(cat "$output")"
echo "countdown-dialog: PASS"
