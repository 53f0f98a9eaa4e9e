#!/bin/sh
# Draws the module's two pictures into resources/: the panel logo (PNGI 1685, 217x79) and the
# About box picture (PNGI 1686, 454x325). Both are 8-bit RGBA PNG files with a transparent
# surround. Needs ImageMagick 6 built with Pango (for the Arabic lettering).
# Usage: scripts/make-pictures.sh [OUTPUT_FOLDER]   (default: the resources folder)
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/resources}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ink='#17324d'      # wordmark and body text
deep='#0e6e6a'     # badge gradient, dark end
light='#35b3a1'    # badge gradient, light end
accent='#e8a33d'   # the right-to-left stroke

# The badge: a rounded square in a diagonal teal gradient carrying the letter zay, the
# first letter of the name in Arabic script. Drawn at SIZE pixels.
badge() {
  size=$1 file=$2
  radius=$((size / 5))
  convert -size "${size}x${size}" -define gradient:angle=135 gradient:"$light-$deep" -alpha set \
    \( -size "${size}x${size}" xc:none -fill white \
       -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $radius,$radius" \) \
    -compose DstIn -composite "$work/badge-base.png"
  glyph=$((size * 62 / 100))
  convert -background none \
    pango:"<span font=\"DejaVu Sans Bold ${glyph}px\" foreground=\"white\">ز</span>" \
    -trim +repage "$work/badge-glyph.png"
  convert "$work/badge-base.png" "$work/badge-glyph.png" -gravity center \
    -geometry +0-$((size / 14)) -composite "$file"
}

# Text set by Pango, trimmed to its ink: text FONT_PX COLOUR WEIGHT FILE.
text() {
  convert -background none \
    pango:"<span font=\"DejaVu Sans $4 $2px\" foreground=\"$3\">$1</span>" \
    -trim +repage "$5"
}

# A stroke that runs from right to left and ends in an arrow head: arrow WIDTH FILE.
arrow() {
  w=$1 h=14
  convert -size "${w}x${h}" xc:none -stroke "$accent" -strokewidth 3 -fill none \
    -draw "line $((w - 2)),7 8,7" -fill "$accent" -stroke none \
    -draw "polygon 0,7 11,1 11,13" "$2"
}

# Panel logo, 217x79: drawn at twice the size and scaled down for smooth edges.
badge 120 "$work/logo-badge.png"
text "Zarvel" 70 "$ink" Bold "$work/logo-word.png"
text "right-to-left type" 26 "$deep" Book "$work/logo-tag.png"
arrow 250 "$work/logo-arrow.png"
convert -size 434x158 xc:none \
  "$work/logo-badge.png" -geometry +302+19 -composite \
  "$work/logo-word.png" -geometry +16+26 -composite \
  "$work/logo-arrow.png" -geometry +30+104 -composite \
  "$work/logo-tag.png" -geometry +44+122 -composite \
  -resize 217x79! -strip -define png:color-type=6 -depth 8 "PNG32:$out/ZarvelLogo.png"

# About box picture, 454x325: a card with rounded corners, the badge, the wordmark, a
# welcome in Arabic and the version line.
card_w=908 card_h=650
convert -size "${card_w}x${card_h}" gradient:'#fbfaf6-#e9f2ef' -alpha set \
  \( -size "${card_w}x${card_h}" xc:none -fill white \
     -draw "roundrectangle 0,0 $((card_w - 1)),$((card_h - 1)) 44,44" \) \
  -compose DstIn -composite "$work/about-card.png"
badge 200 "$work/about-badge.png"
text "Zarvel" 120 "$ink" Bold "$work/about-word.png"
text "أهلاً وسهلاً" 64 "$deep" Bold "$work/about-welcome.png"
text "Complex-script and right-to-left text controls" 30 "$ink" Book "$work/about-line.png"
text "Version 14.0" 28 "$deep" Book "$work/about-version.png"
arrow 520 "$work/about-arrow.png"
convert "$work/about-card.png" -gravity north \
  "$work/about-badge.png" -geometry +0+52 -composite \
  "$work/about-word.png" -geometry +0+280 -composite \
  "$work/about-arrow.png" -geometry +0+430 -composite \
  "$work/about-welcome.png" -geometry +0+460 -composite \
  "$work/about-line.png" -geometry +0+560 -composite \
  "$work/about-version.png" -geometry +0+604 -composite \
  -resize 454x325! -strip -define png:color-type=6 -depth 8 "PNG32:$out/ZarvelAbout.png"

identify "$out/ZarvelLogo.png" "$out/ZarvelAbout.png"
