#!/usr/bin/env bash
# Regenerates the two JPEG backgrounds (statistic.jpg, schaetzen.jpg) with ImageMagick.
# Usage: ./make-pictures.sh  (writes into the folder of this script; fixed seed, so output is reproducible)
set -euo pipefail
cd "$(dirname "$0")"
W=640
H=480
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# statistic.jpg: dark blue, brightest a little above the middle, darker towards the edges and the bottom,
# with a faint brushed texture.
convert -size ${W}x${H} -define gradient:center=320,150 -define gradient:radii=500,400 \
    radial-gradient:'#1c3d8c-#040818' "$tmp/radial.png"
convert -size ${W}x${H} gradient:'#ffffff-#6a6a6a' "$tmp/vertical.png"
convert -seed 7 -size ${W}x${H} xc:gray50 +noise Gaussian -colorspace gray \
    -motion-blur 0x12+20 -level 35%,65% "$tmp/texture.png"
convert "$tmp/radial.png" "$tmp/vertical.png" -compose multiply -composite \
    "$tmp/texture.png" -compose blend -define compose:args=6 -composite \
    -strip -interlace none -sampling-factor 4:2:0 -quality 90 statistic.jpg

# schaetzen.jpg: red-orange (top left) through yellow to green (bottom right), darkened border.
convert xc:'#e23a1a' xc:'#f08a1e' xc:'#f7d51e' xc:'#a9c935' xc:'#2a9f48' +append -filter Cubic -resize 256x1\! \
    "$tmp/ramp.png"
convert -size ${W}x${H} xc: -fx "(i/w*0.6+j/h*0.4)" "$tmp/ramp.png" -clut "$tmp/colors.png"
convert -size ${W}x${H} -define gradient:center=320,240 -define gradient:radii=470,380 \
    radial-gradient:white-black -fx "1-0.7*pow(1-u,2.2)" "$tmp/vignette.png"
convert "$tmp/colors.png" "$tmp/vignette.png" -compose multiply -composite \
    -strip -interlace none -sampling-factor 4:2:0 -quality 90 schaetzen.jpg
