#!/usr/bin/env bash
# Draws the background picture of the password prompt, ship/prompt.jpg
# (360 x 190): a deep blue evening gradient with soft lights and a padlock
# drawn in fine lines on the left, leaving the right side calm for the
# label, the field and the buttons. Needs ImageMagick.
set -euo pipefail
out="$(dirname "${BASH_SOURCE[0]}")/ship/prompt.jpg"
# The shackle: two uprights and a half circle of short lines (ImageMagick
# closes a stroked open path with a line of its own).
shackle="line 44,82 44,66 line 80,82 80,66"
shackle+=$(awk 'BEGIN { for (a = 180; a < 360; a += 10) {
  r = 3.14159265 / 180
  printf " line %.1f,%.1f %.1f,%.1f", 62 + 18 * cos(a * r), 66 + 18 * sin(a * r),
    62 + 18 * cos((a + 10) * r), 66 + 18 * sin((a + 10) * r) } }')
convert -size 360x190 xc: -sparse-color Shepards \
  '0,0 #2a6f8c  360,0 #14324f  0,190 #10263d  360,190 #0a1626  120,70 #1f5674' \
  -fill 'rgba(255,255,255,0.06)' -draw 'circle 300,30 300,78' \
  -fill 'rgba(255,255,255,0.05)' -draw 'circle 250,170 250,200' \
  -fill 'rgba(255,255,255,0.07)' -draw 'circle 40,175 40,190' \
  -fill 'rgba(160,220,255,0.10)' -draw 'circle 345,120 345,132' \
  -stroke '#9fbccd' -strokewidth 3 -fill none \
  -draw 'roundrectangle 32,82 92,138 8,8' -draw "$shackle" \
  -stroke none -fill '#9fbccd' -draw 'circle 62,104 62,111' \
  -draw 'rectangle 59,106 65,124' \
  -stroke 'rgba(200,235,255,0.25)' -strokewidth 1 -draw 'line 118,40 118,150' \
  -quality 90 -sampling-factor 1x1 -strip "$out"
echo "$out"
