#!/usr/bin/env bash
# Regenerates bounce.ico (kept in the repository so that the sample builds
# without ImageMagick): a black disc on white at 32x32 and 16x16, 8 bits per
# pixel. Needs ImageMagick's convert and icoutils' icotool.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 32x32 xc:white -fill black -draw "circle 15.5,15.5 15.5,4" "$tmp/32.png"
convert -size 16x16 xc:white -fill black -draw "circle 7.5,7.5 7.5,2" "$tmp/16.png"
icotool -c --bit-depth=8 -o bounce.ico "$tmp/32.png" "$tmp/16.png"
icotool -l bounce.ico
