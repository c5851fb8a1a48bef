#!/usr/bin/env bash
# Draws the window's decoration pictures into src/assets with ImageMagick. The pictures are
# committed and the build never runs this; run it again only to change them. The output is
# the same on every run: no random input and no time stamps in the PNG files.
#
# Each picture is drawn twice: at its own size for ordinary screens, and again at twice the
# size (NAME@2x) for screens with a device pixel ratio of 2, where the window would otherwise
# show the small one enlarged and soft. The larger one is drawn afresh from the same shapes, not
# enlarged, so its edges and letters are as sharp as the screen allows.
set -euo pipefail
cd "$(dirname "$0")/../src/assets"
im=/usr/bin/convert # the real ImageMagick, not a stand-in earlier on the PATH
font=DejaVu-Sans-Bold
png=(-define png:exclude-chunks=date,time -depth 8) # no creation dates, so reruns match
jpg=(-strip -quality 92 -sampling-factor 1x1)       # no chroma halving: edges stay clean
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The drawing scale, 1 or 2, and the helpers that carry a picture's own coordinates to it.
s=1
# A point as ImageMagick places it (a pixel's centre is at its whole coordinates): "x,y".
pt() { awk -v s="$s" -v x="$1" -v y="$2" 'BEGIN { printf "%g,%g", x * s + (s - 1) / 2, y * s + (s - 1) / 2 }'; }
# A filled rectangle over the whole pixels x1..x2, y1..y2: "x1,y1 x2,y2".
box() { echo "$(($1 * s)),$(($2 * s)) $(($3 * s + s - 1)),$(($4 * s + s - 1))"; }
# A length or a size in pixels.
px() { echo $(($1 * s)); }
# The file name at this scale: title.jpg, title@2x.jpg.
out() { if ((s == 1)); then echo "$1"; else echo "${1%.*}@${s}x.${1##*.}"; fi; }

# A colour wheel, the program's motif: hue around the circle, white at the centre. The larger
# drawings tile the hue across its wrap at the top, where a faint seam would show at their size;
# the ordinary ones stay as they have always been drawn.
wheel() { # size out
    local r=$(($1 / 2)) edge=(-virtual-pixel transparent)
    ((s == 1)) || edge=(-background none -virtual-pixel HorizontalTile)
    "$im" \( -size "${r}x360" gradient:black-white -rotate 90 \) \
        \( -size "360x${r}" gradient:black-white \) \( -size "360x${r}" xc:white \) \
        -set colorspace HSB -combine -colorspace sRGB -alpha set \
        "${edge[@]}" +distort Polar "$r" +repage \
        -resize "${1}x${1}!" "${png[@]}" "$2"
}

# Title strip: lavender darkening to the right, lighter at the top, a faint diagonal grain
# and a darker line along the bottom edge to part it from the window, which is #e1e1ff.
title() {
    "$im" -size "$(px 26)x$(px 405)" gradient:'#f2f2ff'-'#cfcff3' -rotate -90 \
        \( -size "$(px 405)x$(px 26)" gradient:'#ffffff'-'#ececf6' \) -compose multiply -composite \
        -fx "(floor(i/$s)+floor(j/$s))%4==0 ? u*0.975 : u" \
        -fill '#b4b4e6' -draw "rectangle $(box 0 25 404 25)" "${jpg[@]}" "$(out title.jpg)"
}

# The window icons: the wheel at 16 and 32.
icons() {
    wheel "$(px 16)" "$(out icon16.png)"
    wheel "$(px 32)" "$(out icon32.png)"
}

# The mini-window face: the wheel on the window colour beside three swatches.
mini() {
    wheel "$(px 19)" "$work/wheel19.png"
    "$im" -size "$(px 34)x$(px 23)" xc:'#e1e1ff' "$work/wheel19.png" -geometry "+$(px 2)+$(px 2)" \
        -composite \
        -fill '#8857f9' -draw "rectangle $(box 23 3 31 8)" \
        -fill '#ffc949' -draw "rectangle $(box 23 9 31 14)" \
        -fill '#27973f' -draw "rectangle $(box 23 15 31 20)" \
        -fill none -stroke '#b4b4e6' -strokewidth "$(px 1)" -draw "rectangle $(pt 0 0) $(pt 33 22)" \
        "${jpg[@]}" "$(out mini.jpg)"
}

# The About picture: a larger wheel on a pale ground.
about() {
    wheel "$(px 104)" "$work/wheel104.png"
    "$im" -size "$(px 120)x$(px 120)" gradient:'#ffffff'-'#dcdcfa' "$work/wheel104.png" \
        -geometry "+$(px 8)+$(px 8)" -composite "${jpg[@]}" "$(out about.jpg)"
}

# The program's name for the strip, dark on transparent; a little spacing keeps the letters
# apart at this size.
name() {
    "$im" -size "$(px 60)x$(px 8)" xc:none -font "$font" -pointsize "$(px 9)" -kerning "$(px 1)" \
        -fill '#2b2b6b' -gravity west -annotate +0+0 'Huebit' "${png[@]}" "$(out name.png)"
}

# Title-strip buttons, 14 x 14: hide, shrink (a frame with a small window in its corner), close.
buttons() {
    icon() { "$im" -size "$(px 14)x$(px 14)" xc:none -stroke '#3a3a7a' -strokewidth "$(px 2)" -fill none "$@"; }
    icon -draw "line $(pt 3 10) $(pt 10 10)" "${png[@]}" "$(out hide.png)"
    icon -strokewidth "$(px 1)" -draw "rectangle $(pt 1.5 1.5) $(pt 12.5 12.5)" \
        -fill '#3a3a7a' -draw "rectangle $(pt 3.5 7.5) $(pt 6.5 10.5)" "${png[@]}" "$(out shrink.png)"
    icon -stroke '#8a2030' -draw "line $(pt 3 3) $(pt 10 10)" -draw "line $(pt 10 3) $(pt 3 10)" \
        "${png[@]}" "$(out close.png)"
}

# Status-strip icons, 16 x 16: About and help.
badges() {
    badge() {
        "$im" -size "$(px 16)x$(px 16)" xc:none -fill '#5050b0' -draw "circle $(pt 7.5 7.5) $(pt 7.5 0.5)" \
            -font "$font" -pointsize "$(px 11)" -fill white -gravity center -annotate +0+0 "$1" \
            "${png[@]}" "$(out "$2")"
    }
    badge i about_icon.png
    badge '?' help_icon.png
}

for s in 1 2; do
    title
    icons
    mini
    about
    name
    buttons
    badges
done
