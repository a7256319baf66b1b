#!/usr/bin/env bash
# Draws the program's icon, DEFAULT_ICON: a golden bell ringing out sound waves on a teal tile.
# Writes icon_{256,48,32,24,16}.png (32-bit RGBA) and ringlark.ico from them. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"

# A sound wave: an open arc around the bell's centre (512,470), radius $1, from $2 to $3 degrees.
wave() {
  awk -v r="$1" -v a0="$2" -v a1="$3" 'BEGIN {
    printf "polyline"
    for (a = a0; a <= a1; a += 2) printf " %.1f,%.1f", 512 + r * cos(a * 3.14159265 / 180), 470 + r * sin(a * 3.14159265 / 180)
  }'
}

# Drawn once at 1024 px and scaled down, so every size is anti-aliased from the same shape.
convert -size 1024x1024 xc:none \
  -fill '#1d6f80' -draw 'roundrectangle 32,32 992,992 192,192' \
  -fill none -stroke '#ffffff' -strokewidth 48 -draw "stroke-linecap round stroke-linejoin round \
     $(wave 300 -30 30) $(wave 410 -28 28) $(wave 300 150 210) $(wave 410 152 208)" \
  -stroke none -fill '#ffc43d' \
  -draw 'circle 512,196 512,244' \
  -draw 'path "M 512,220 C 380,220 336,330 336,460 L 336,600 L 280,700 L 744,700 L 688,600 L 688,460 C 688,330 644,220 512,220 Z"' \
  -fill '#e0a21a' -draw 'roundrectangle 264,688 760,740 24,24' \
  -draw 'circle 512,790 512,840' \
  -fill '#ffe08a' -draw 'path "M 400,470 C 400,360 440,300 500,284 C 462,320 444,380 444,470 L 444,600 L 400,600 Z"' \
  master.png

for size in 256 48 32 24 16; do
  convert master.png -filter Lanczos -resize "${size}x${size}" -define png:color-type=6 "PNG32:icon_${size}.png"
done
convert icon_256.png icon_48.png icon_32.png icon_24.png icon_16.png ringlark.ico
rm master.png
