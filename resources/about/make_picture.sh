#!/usr/bin/env bash
# Draws the About box picture (234 by 248 pixels): a task sheet with two items
# ticked and a quill. Needs ImageMagick; the result is committed, so building
# does not run this.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 234x248 gradient:'#dce9f7'-'#f7fbff' \
  -fill '#00000022' -stroke none -draw "roundrectangle 38,30 200,228 10,10" \
  -fill white -stroke '#7a8ca3' -strokewidth 2 -draw "roundrectangle 32,24 194,222 10,10" \
  -fill '#2f6db5' -stroke none -draw "roundrectangle 32,24 194,54 10,10" \
  -draw "rectangle 32,44 194,54" \
  -fill white -stroke '#7a8ca3' -strokewidth 2 \
  -draw "rectangle 50,76 68,94" -draw "rectangle 50,118 68,136" -draw "rectangle 50,160 68,178" \
  -stroke '#c4ccd6' -strokewidth 4 \
  -draw "line 80,85 170,85" -draw "line 80,127 150,127" -draw "line 80,169 160,169" \
  -fill none -stroke '#2e9a48' -strokewidth 5 \
  -draw "polyline 50,84 58,93 74,70" -draw "polyline 50,126 58,135 74,112" \
  -stroke '#8a5a2b' -strokewidth 3 -draw "line 128,214 206,96" \
  -fill '#e39b3a' -stroke '#b66f1f' -strokewidth 2 \
  -draw "path 'M 206,96 C 232,62 226,30 220,14 C 196,30 176,64 146,186 C 170,150 190,122 206,96 Z'" \
  -stroke '#b66f1f' -strokewidth 1 -draw "line 214,34 160,158" \
  -quality 92 -sampling-factor 4:2:0 -strip quillnest.jpg
