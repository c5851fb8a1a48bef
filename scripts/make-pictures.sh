#!/usr/bin/env bash
# Draws the window's decoration pictures into src/assets with ImageMagick. The pictures are
# committed; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")/../src/assets"
im=/usr/bin/convert # the real ImageMagick, not a stand-in earlier on the PATH
font=DejaVu-Sans-Bold

# Title strip: a soft lavender band with a faint darker edge at the bottom.
"$im" -size 405x26 gradient:'#f4f4ff'-'#c9c9f0' \
    -fill '#b4b4e6' -draw 'rectangle 0,24 404,25' \
    -quality 92 -sampling-factor 1x1 title.jpg

# A colour wheel, the program's motif: hue around the circle, white at the centre.
wheel() { # size out
    local r=$(( $1 / 2 ))
    "$im" \( -size "${r}x360" gradient:black-white -rotate 90 \) \
        \( -size "360x${r}" gradient:black-white \) \( -size "360x${r}" xc:white \) \
        -set colorspace HSB -combine -colorspace sRGB -alpha set \
        -virtual-pixel transparent +distort Polar "$r" +repage \
        -resize "${1}x${1}!" "$2"
}
wheel 16 icon16.png
wheel 32 icon32.png

# The mini-window face: the wheel on the window colour beside three swatches.
wheel 19 /tmp/huebit-wheel19.png
"$im" -size 34x23 xc:'#e1e1ff' /tmp/huebit-wheel19.png -geometry +2+2 -composite \
    -fill '#8857f9' -draw 'rectangle 23,3 31,8' \
    -fill '#ffc949' -draw 'rectangle 23,9 31,14' \
    -fill '#27973f' -draw 'rectangle 23,15 31,20' \
    -quality 95 -sampling-factor 1x1 mini.jpg

# The About picture: a larger wheel on a pale ground.
wheel 104 /tmp/huebit-wheel104.png
"$im" -size 120x120 gradient:'#ffffff'-'#dcdcfa' /tmp/huebit-wheel104.png -geometry +8+8 -composite \
    -quality 92 about.jpg
rm -f /tmp/huebit-wheel19.png /tmp/huebit-wheel104.png

# The program's name for the strip, dark on transparent.
"$im" -size 60x8 xc:none -font "$font" -pointsize 9 -fill '#2b2b6b' -gravity west \
    -annotate +0+0 'HUEBIT' name.png

# Title-strip icons, 14 x 14: hide, shrink, close.
icon() { "$im" -size 14x14 xc:none -stroke '#3a3a7a' -strokewidth 2 -fill none "$@"; }
icon -draw 'line 3,10 10,10' hide.png
icon -draw 'rectangle 3,3 10,10' -strokewidth 1 -draw 'line 5,8 8,5' shrink.png
icon -stroke '#8a2030' -draw 'line 3,3 10,10' -draw 'line 10,3 3,10' close.png

# Status-strip icons, 16 x 16: About and help.
badge() {
    "$im" -size 16x16 xc:none -fill '#5050b0' -draw 'circle 7.5,7.5 7.5,0.5' \
        -font "$font" -pointsize 11 -fill white -gravity center -annotate +0+0 "$1" "$2"
}
badge i about_icon.png
badge '?' help_icon.png
