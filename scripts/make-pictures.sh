#!/usr/bin/env bash
# Draws the window's decoration pictures into src/assets with ImageMagick. The pictures are
# committed and the build never runs this; run it again only to change them. The output is
# the same on every run: no random input and no time stamps in the PNG files.
set -euo pipefail
cd "$(dirname "$0")/../src/assets"
im=/usr/bin/convert # the real ImageMagick, not a stand-in earlier on the PATH
font=DejaVu-Sans-Bold
png=(-define png:exclude-chunks=date,time -depth 8) # no creation dates, so reruns match
jpg=(-strip -quality 92 -sampling-factor 1x1)       # no chroma halving: edges stay clean
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Title strip: lavender darkening to the right, lighter at the top, a faint diagonal grain
# and a darker line along the bottom edge to part it from the window, which is #e1e1ff.
"$im" -size 26x405 gradient:'#f2f2ff'-'#cfcff3' -rotate -90 \
    \( -size 405x26 gradient:'#ffffff'-'#ececf6' \) -compose multiply -composite \
    -fx '(i+j)%4==0 ? u*0.975 : u' \
    -fill '#b4b4e6' -draw 'rectangle 0,25 404,25' "${jpg[@]}" title.jpg

# A colour wheel, the program's motif: hue around the circle, white at the centre.
wheel() { # size out
    local r=$(($1 / 2))
    "$im" \( -size "${r}x360" gradient:black-white -rotate 90 \) \
        \( -size "360x${r}" gradient:black-white \) \( -size "360x${r}" xc:white \) \
        -set colorspace HSB -combine -colorspace sRGB -alpha set \
        -virtual-pixel transparent +distort Polar "$r" +repage \
        -resize "${1}x${1}!" "${png[@]}" "$2"
}
wheel 16 icon16.png
wheel 32 icon32.png

# The mini-window face: the wheel on the window colour beside three swatches.
wheel 19 "$work/wheel19.png"
"$im" -size 34x23 xc:'#e1e1ff' "$work/wheel19.png" -geometry +2+2 -composite \
    -fill '#8857f9' -draw 'rectangle 23,3 31,8' \
    -fill '#ffc949' -draw 'rectangle 23,9 31,14' \
    -fill '#27973f' -draw 'rectangle 23,15 31,20' \
    -fill none -stroke '#b4b4e6' -draw 'rectangle 0,0 33,22' "${jpg[@]}" mini.jpg

# The About picture: a larger wheel on a pale ground.
wheel 104 "$work/wheel104.png"
"$im" -size 120x120 gradient:'#ffffff'-'#dcdcfa' "$work/wheel104.png" -geometry +8+8 -composite \
    "${jpg[@]}" about.jpg

# The program's name for the strip, dark on transparent; a little spacing keeps the letters
# apart at this size.
"$im" -size 60x8 xc:none -font "$font" -pointsize 9 -kerning 1 -fill '#2b2b6b' -gravity west \
    -annotate +0+0 'Huebit' "${png[@]}" name.png

# Title-strip buttons, 14 x 14: hide, shrink (a frame with a small window in its corner), close.
icon() { "$im" -size 14x14 xc:none -stroke '#3a3a7a' -strokewidth 2 -fill none "$@"; }
icon -draw 'line 3,10 10,10' "${png[@]}" hide.png
icon -strokewidth 1 -draw 'rectangle 1.5,1.5 12.5,12.5' \
    -fill '#3a3a7a' -draw 'rectangle 3.5,7.5 6.5,10.5' "${png[@]}" shrink.png
icon -stroke '#8a2030' -draw 'line 3,3 10,10' -draw 'line 10,3 3,10' "${png[@]}" close.png

# Status-strip icons, 16 x 16: About and help.
badge() {
    "$im" -size 16x16 xc:none -fill '#5050b0' -draw 'circle 7.5,7.5 7.5,0.5' \
        -font "$font" -pointsize 11 -fill white -gravity center -annotate +0+0 "$1" \
        "${png[@]}" "$2"
}
badge i about_icon.png
badge '?' help_icon.png
