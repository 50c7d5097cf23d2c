#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the pictures of the data directory: the forty playing cards and the card back of
# data/24, the level-game progress block and rewards, and the camel and rabbit of the
# comparison sheets. The pictures are committed; run this again only to change them.
#
# Needs ImageMagick 6 (convert) and the Debian fonts fonts-dejavu-core and fonts-noto-cjk.
# CONVERT names another convert program; DATA another data directory.
set -euo pipefail

CONVERT="${CONVERT:-convert}"
DATA="${DATA:-$(cd "$(dirname "$0")/.." && pwd)/data}"

LATIN=DejaVu-Sans
LATIN_BOLD=DejaVu-Sans-Bold
LATIN_CONDENSED_BOLD=DejaVu-Sans-Condensed-Bold
CJK_BOLD=Noto-Sans-CJK-SC-Bold

# GIF keeps one bit of transparency: cut soft edges to fully clear or fully solid,
# and strip the time stamps so that an unchanged picture gives the same bytes.
finish_gif() {
  "$CONVERT" "$1" -channel A -threshold 50% +channel -strip "$2"
}

# Points of a five-pointed star with centre (cx, cy), outer radius r and inner radius ri.
star_points() {
  awk -v cx="$1" -v cy="$2" -v r="$3" -v ri="$4" 'BEGIN {
    pi = atan2(0, -1); out = ""
    for (k = 0; k < 10; k++) {
      rad = (k % 2 == 0) ? r : ri
      a = -pi / 2 + k * pi / 5
      out = out sprintf("%.1f,%.1f ", cx + rad * cos(a), cy + rad * sin(a))
    }
    print out
  }'
}

suit_glyph() {
  case "$1" in
    a) printf '\u2660' ;;
    b) printf '\u2665' ;;
    c) printf '\u2663' ;;
    d) printf '\u2666' ;;
  esac
}

suit_colour() {
  case "$1" in
    a | c) echo '#1f1f1f' ;;
    b | d) echo '#c62828' ;;
  esac
}

# One card face, 71x96: the value large in the middle with its suit below it, and the value
# with a small suit in the top-left and bottom-right corners. The bottom corner stays upright
# so that a child never reads a 9 as a 6.
make_card() {
  local value=$1 suit=$2 out=$3 tmp=$4
  local colour glyph digits=$LATIN_BOLD size=36
  colour=$(suit_colour "$suit")
  glyph=$(suit_glyph "$suit")
  # Two digits need the narrow face to stay clear of the corners.
  if [ "${#value}" -gt 1 ]; then
    digits=$LATIN_CONDENSED_BOLD
    size=29
  fi
  "$CONVERT" -size 71x96 xc:none \
    -fill white -stroke '#8c8c8c' -strokewidth 1.5 -draw 'roundrectangle 1,1 69,94 8,8' \
    -stroke none -fill "$colour" \
    -gravity NorthWest -font "$digits" -pointsize 15 -annotate +5+3 "$value" \
    -font "$LATIN" -pointsize 12 -annotate +5+21 "$glyph" \
    -gravity SouthEast -annotate +5+21 "$glyph" \
    -font "$digits" -pointsize 15 -annotate +5+3 "$value" \
    -gravity Center -pointsize "$size" -annotate +0-7 "$value" \
    -font "$LATIN" -pointsize 20 -annotate +0+22 "$glyph" \
    "$tmp/card.png"
  finish_gif "$tmp/card.png" "$out"
}

# The card back: a quiet blue lattice inside a white frame.
make_card_back() {
  local out=$1 tmp=$2
  "$CONVERT" -size 55x80 pattern:hs_diagcross \
    -fill '#6f9bd1' -opaque black -fill '#3f6fa8' -opaque white \
    "$tmp/lattice.png"
  "$CONVERT" -size 71x96 xc:none \
    -fill white -stroke '#8c8c8c' -strokewidth 1.5 -draw 'roundrectangle 1,1 69,94 8,8' \
    "$tmp/lattice.png" -gravity Center -composite \
    -fill none -stroke '#2f5a8c' -strokewidth 1 -draw 'roundrectangle 7,7 63,88 4,4' \
    "$tmp/back.png"
  finish_gif "$tmp/back.png" "$out"
}

# One progress block of the level game: a green tile with a yellow star.
make_progress_block() {
  local out=$1 tmp=$2
  "$CONVERT" -size 24x24 xc:none \
    -fill '#4caf50' -stroke '#2e7d32' -strokewidth 1 -draw 'roundrectangle 0.5,0.5 23.5,23.5 4,4' \
    -fill '#ffeb3b' -stroke '#f9a825' -draw "polygon $(star_points 12 12.6 9.5 4)" \
    "$tmp/block.png"
  finish_gif "$tmp/block.png" "$out"
}

# A medal on a ribbon with as many stars as the reward's rank, and a word of praise.
make_medal() {
  local out=$1 rank=$2 face=$3 rim=$4 words=$5 tmp=$6
  local stars=() k
  case "$rank" in
    1) stars=("60 55") ;;
    2) stars=("49 55" "71 55") ;;
    3) stars=("60 46" "48 63" "72 63") ;;
  esac
  local draw_stars=()
  for k in "${stars[@]}"; do
    # shellcheck disable=SC2086
    draw_stars+=(-draw "polygon $(star_points $k 9 3.8)")
  done
  "$CONVERT" -size 120x120 xc:none \
    -stroke none -fill '#e53935' -draw 'polygon 36,0 54,0 66,30 48,30' \
    -fill '#1e88e5' -draw 'polygon 84,0 66,0 54,30 72,30' \
    -fill "$rim" -draw 'circle 60,56 60,24' \
    -fill "$face" -draw 'circle 60,56 60,29' \
    -fill white -stroke "$rim" -strokewidth 1 "${draw_stars[@]}" \
    -stroke none -fill '#d84315' -font "$CJK_BOLD" -pointsize 19 \
    -gravity South -annotate +0+1 "$words" \
    "$tmp/medal.png"
  finish_gif "$tmp/medal.png" "$out"
}

# A small camel facing right: two humps, a long neck, four legs.
make_camel() {
  local out=$1 tmp=$2
  "$CONVERT" -size 48x48 xc:none -stroke none -fill '#c8963e' \
    -draw 'ellipse 21,26 14,7 0,360' \
    -draw 'ellipse 15,19 5,6 0,360' -draw 'ellipse 27,19 5,6 0,360' \
    -draw 'polygon 31,22 36,24 41,11 37,9' \
    -draw 'ellipse 41,10 5,3.5 0,360' \
    -fill '#a87a2c' -draw 'ellipse 37,7 1.5,2 0,360' \
    -stroke '#a87a2c' -strokewidth 3 \
    -draw 'line 11,30 10,44' -draw 'line 16,31 16,44' \
    -draw 'line 27,31 27,44' -draw 'line 32,30 33,44' \
    -strokewidth 1.5 -draw 'line 7,25 4,33' \
    -stroke none -fill '#222222' -draw 'circle 42,9 42,10' \
    "$tmp/camel.png"
  finish_gif "$tmp/camel.png" "$out"
}

# A small sitting rabbit facing right: long ears, round head, fluffy tail.
make_rabbit() {
  local out=$1 tmp=$2
  "$CONVERT" -size 48x48 xc:none -stroke '#9e9e9e' -strokewidth 1 -fill '#f5f5f5' \
    -draw 'ellipse 27,11 3.5,10 -15,375' -draw 'ellipse 35,12 3.5,10 15,375' \
    -stroke none -fill '#f8bbd0' \
    -draw 'ellipse 27,11 1.5,7 0,360' -draw 'ellipse 35,12 1.5,7 0,360' \
    -stroke '#9e9e9e' -fill '#f5f5f5' \
    -draw 'ellipse 11,35 5,5 0,360' \
    -draw 'ellipse 22,34 12,10 0,360' \
    -draw 'ellipse 33,24 8,7 0,360' \
    -draw 'ellipse 28,43 6,3 0,360' \
    -stroke none -fill '#222222' -draw 'circle 36,23 36,24.5' \
    -fill '#ec407a' -draw 'circle 40.5,26 40.5,27.2' \
    "$tmp/rabbit.png"
  finish_gif "$tmp/rabbit.png" "$out"
}

main() {
  local value suit
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  mkdir -p "$DATA/24" "$DATA/flash"
  for value in 1 2 3 4 5 6 7 8 9 10; do
    for suit in a b c d; do
      make_card "$value" "$suit" "$DATA/24/$value$suit.gif" "$tmp"
    done
  done
  make_card_back "$DATA/24/pp.gif" "$tmp"
  make_progress_block "$DATA/jindu.gif" "$tmp"
  make_medal "$DATA/g1.gif" 1 '#d08a4a' '#9a5b25' '真棒！' "$tmp"
  make_medal "$DATA/g2.gif" 2 '#cfd8dc' '#8a979e' '太棒了！' "$tmp"
  make_medal "$DATA/g3.gif" 3 '#ffd54f' '#c99a06' '了不起！' "$tmp"
  make_camel "$DATA/flash/t2.gif" "$tmp"
  make_rabbit "$DATA/flash/t3.gif" "$tmp"
}

main "$@"
