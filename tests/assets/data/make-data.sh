#!/usr/bin/env bash
# Makes the decoder tests' small JPEG files, whose pixels the tests know: two flat halves,
# red (200,40,40) on the left and blue (30,60,220) on the right, 16 x 8, saved at quality 100
# as baseline, progressive and CMYK; and an 8 x 8 grey (77) picture.
set -euo pipefail
cd "$(dirname "$0")"
im=/usr/bin/convert
halves=(-size 8x8 xc:'rgb(200,40,40)' xc:'rgb(30,60,220)' +append -strip -quality 100)
"$im" "${halves[@]}" two_halves.jpg
"$im" "${halves[@]}" -interlace JPEG two_halves_progressive.jpg
"$im" "${halves[@]}" -colorspace CMYK two_halves_cmyk.jpg
"$im" -size 8x8 xc:'gray(77)' -colorspace Gray -strip -quality 100 grey.jpg
