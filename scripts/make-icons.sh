#!/usr/bin/env bash
# Draws the program's desktop icon (menu entry, dock, software centre) into data/icons/hicolor:
# a scalable SVG, and PNGs at the hicolor sizes rendered from it. The motif is the colour wheel
# of the title strip: hue around the circle, clockwise from red at the top, white at the centre,
# with a thin dark rim so it stands on light and dark panels alike. The files are committed and
# the build never runs this; the output is the same on every run.
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
im=/usr/bin/convert # the real ImageMagick, not a stand-in earlier on the PATH
id=app.huebit.Huebit
mkdir -p scalable/apps

# Wedges of 3 degrees, each a little wider than its step so no seam shows between neighbours.
awk -v steps=120 'BEGIN {
    pi = atan2(0, -1); cx = 128; cy = 128; r = 118
    print "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">"
    print "  <title>Huebit</title>"
    print "  <defs>"
    print "    <radialGradient id=\"centre\" cx=\"128\" cy=\"128\" r=\"118\" gradientUnits=\"userSpaceOnUse\">"
    print "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"1\"/>"
    print "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>"
    print "    </radialGradient>"
    print "  </defs>"
    print "  <g stroke-width=\"0.6\">"
    for (i = 0; i < steps; i++) {
        h = i / steps * 6; k = int(h); f = h - k
        # hue to RGB at full saturation and value
        if (k == 0) { R = 1; G = f; B = 0 } else if (k == 1) { R = 1 - f; G = 1; B = 0 }
        else if (k == 2) { R = 0; G = 1; B = f } else if (k == 3) { R = 0; G = 1 - f; B = 1 }
        else if (k == 4) { R = f; G = 0; B = 1 } else { R = 1; G = 0; B = 1 - f }
        colour = sprintf("#%02x%02x%02x", int(R * 255 + 0.5), int(G * 255 + 0.5), int(B * 255 + 0.5))
        a0 = (i - 0.6) / steps * 2 * pi; a1 = (i + 0.6) / steps * 2 * pi
        printf "    <path fill=\"%s\" stroke=\"%s\" d=\"M128,128 L%.2f,%.2f A%d,%d 0 0,1 %.2f,%.2f Z\"/>\n", \
            colour, colour, cx + r * sin(a0), cy - r * cos(a0), r, r, cx + r * sin(a1), cy - r * cos(a1)
    }
    print "  </g>"
    print "  <circle cx=\"128\" cy=\"128\" r=\"118\" fill=\"url(#centre)\"/>"
    print "  <circle cx=\"128\" cy=\"128\" r=\"120\" fill=\"none\" stroke=\"#2b2b6b\" stroke-opacity=\"0.55\" stroke-width=\"5\"/>"
    print "</svg>"
}' > scalable/apps/$id.svg

# The PNGs draw the same wheel with ImageMagick's own primitives (its SVG reader knows no
# gradients): hue around, saturation rising from the centre, on a 1024 canvas scaled down to
# each size, which keeps the small ones smooth. The geometry is the SVG's times four.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$im" \( -size 472x360 gradient:black-white -rotate 90 \) \
    \( -size 360x472 gradient:black-white \) \( -size 360x472 xc:white \) \
    -set colorspace HSB -combine -colorspace sRGB -alpha set \
    -background none -virtual-pixel HorizontalTile +distort Polar 472 +repage -resize 944x944! \
    -bordercolor none -border 40 \
    -fill none -stroke '#2b2b6b8c' -strokewidth 20 -draw 'circle 511.5,511.5 511.5,31.5' \
    "$work/big.png"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    "$im" "$work/big.png" -filter Lanczos -resize "${size}x${size}" \
        -define png:exclude-chunks=date,time -depth 8 "${size}x${size}/apps/$id.png"
done
