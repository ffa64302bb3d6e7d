#!/usr/bin/env bash
# Makes the pictures of the help pages (resources/help/images/) from the
# screenshots of the GUI tests (build/screenshots/, left by scripts/test.sh or
# by the GUI tests alone): each is cut down to the program's windows (the
# display around them is black; the Wine tray window is painted over first)
# and stored as a small palette PNG. A screenshot that is missing keeps its
# picture as it is.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
images="$ORVANE_ROOT/resources/help/images"
# The corner where Wine shows its tray window, right and bottom edge.
tray_corner="170,48"

# Screenshot of the GUI tests, then the picture of the help made from it.
pictures=(
  main-window-power-on main-window
  main-window-power-on power-on-page
  task-editor-list task-list
  task-editor-new task-editor
  countdown-dialog countdown
  timed-shutdown-clock-time timed-shutdown
  wizard-choice wizard-choice
  wizard-automatic-test wizard-automatic
  wizard-unsupported wizard-unsupported
  wizard-manual wizard-manual
  clock-window clock
  advanced-options advanced
  set-password set-password
  password-prompt password-prompt
  dialup-window dialup
)

mkdir -p "$images"
for ((i = 0; i < ${#pictures[@]}; i += 2)); do
  shot="$ORVANE_SCREENSHOTS/${pictures[i]}.png"
  [ -f "$shot" ] || { echo "help-screenshots: no $shot, ${pictures[i + 1]}.png kept" >&2; continue; }
  convert "$shot" -fill black -draw "rectangle 0,0 $tray_corner" -trim +repage \
    -colors 64 -strip "PNG8:$images/${pictures[i + 1]}.png"
  echo "help-screenshots: $images/${pictures[i + 1]}.png"
done
