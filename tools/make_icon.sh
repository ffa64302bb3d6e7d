#!/usr/bin/env bash
# Draws the program's icon, a white power symbol on a blue rounded square,
# and writes resources/orvane.ico with the sizes Windows asks for (16 to 256
# pixels). Every size is drawn large and scaled down, so its edges are
# smooth. Needs ImageMagick. Run it again only to change the icon; the .ico
# is kept in the repository.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

canvas=1024
centre_x=512
centre_y=548
radius=270
stroke=118

# The arc of the symbol leaves a gap of 80 degrees at the top.
read -r start_x start_y end_x end_y < <(awk -v cx=$centre_x -v cy=$centre_y -v r=$radius 'BEGIN {
  pi = atan2(0, -1); a = -50 * pi / 180; b = -130 * pi / 180
  printf "%.1f %.1f %.1f %.1f\n", cx + r * cos(a), cy + r * sin(a), cx + r * cos(b), cy + r * sin(b) }')

convert -size ${canvas}x${canvas} gradient:'#4aa3f0-#1b4f9c' "$work/gradient.png"
convert -size ${canvas}x${canvas} xc:none -fill white -draw "roundrectangle 24,24 999,999 210,210" "$work/mask.png"
convert "$work/gradient.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite "$work/background.png"

# A faint light along the upper half gives the square some depth.
convert -size ${canvas}x${canvas} xc:none -fill 'rgba(255,255,255,0.10)' \
  -draw "roundrectangle 24,24 999,520 210,210" "$work/light.png"

convert "$work/background.png" "$work/light.png" -compose Over -composite \
  -fill none -stroke white -strokewidth $stroke -draw "stroke-linecap round path 'M $start_x,$start_y A $radius,$radius 0 1,1 $end_x,$end_y'" \
  -draw "stroke-linecap round line $centre_x,$((centre_y - radius - 40)) $centre_x,$((centre_y - 60))" \
  "$work/icon.png"

sizes=(256 48 32 24 16)
files=()
for size in "${sizes[@]}"; do
  convert "$work/icon.png" -filter Lanczos -resize ${size}x${size} -depth 8 "$work/icon-$size.png"
  files+=("$work/icon-$size.png")
done
convert "${files[@]}" "$root/resources/orvane.ico"
echo "wrote $root/resources/orvane.ico"
