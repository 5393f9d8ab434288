#!/bin/sh
# Draws the program's icon (a runway under a "V5" on a blue tile) and writes Velport5Tool.ico
# with 16, 24, 32 and 48 pixel images. Needs ImageMagick; run from any folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
    -fill '#1d4f91' -draw 'roundrectangle 8,8 247,247 40,40' \
    -fill '#5a6470' -draw 'polygon 104,248 152,248 140,120 116,120' \
    -fill white -draw 'rectangle 125,228 131,244' -draw 'rectangle 125,196 131,212' \
    -draw 'rectangle 126,164 130,178' -draw 'rectangle 126,134 130,146' \
    -font DejaVu-Sans-Bold -pointsize 112 -fill white -gravity north -annotate +0+14 'V5' \
    "$work/master.png"

for size in 16 24 32 48; do
    convert "$work/master.png" -resize ${size}x${size} "$work/icon-$size.png"
done
convert "$work/icon-16.png" "$work/icon-24.png" "$work/icon-32.png" "$work/icon-48.png" \
    "$here/Velport5Tool.ico"
