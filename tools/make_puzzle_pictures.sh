#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the picture of the geometry question 求阴影面积 (data/pic/2.gif): a shaded
# 10 cm by 6 cm rectangle with a white 4 cm square in its middle, every measure
# written on the figure. Its answer in src/library/texts/Puzzles.txt reads these
# measures, so change both together. The picture is committed; run this again only
# to change it.
#
# Needs ImageMagick 6 (convert) and the Debian font package fonts-noto-cjk.
# CONVERT names another convert program; DATA another data directory.
set -euo pipefail

CONVERT="${CONVERT:-convert}"
DATA="${DATA:-$(cd "$(dirname "$0")/.." && pwd)/data}"
CJK=Noto-Sans-CJK-SC
CJK_BOLD=Noto-Sans-CJK-SC-Bold

mkdir -p "$DATA/pic"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# 30 pixels to the centimetre: the rectangle is 300 x 180, the square 120 x 120.
"$CONVERT" -size 440x330 xc:white \
  -fill '#9fc5e8' -stroke black -strokewidth 2 -draw 'rectangle 80,70 380,250' \
  -fill white -draw 'rectangle 170,100 290,220' \
  -stroke none -fill black \
  -font "$CJK_BOLD" -pointsize 20 -annotate +130+40 '求阴影部分的面积。' \
  -font "$CJK" -pointsize 18 \
  -annotate +195+282 '10厘米' \
  -annotate +12+168 '6厘米' \
  -annotate +203+155 '正方形' \
  -annotate +184+182 '边长4厘米' \
  -stroke black -strokewidth 1 \
  -draw 'line 80,262 380,262' -draw 'line 80,256 80,268' -draw 'line 380,256 380,268' \
  -draw 'line 68,70 68,250' -draw 'line 62,70 74,70' -draw 'line 62,250 74,250' \
  "$scratch/2.png"
"$CONVERT" "$scratch/2.png" -colors 16 -strip "$DATA/pic/2.gif"
