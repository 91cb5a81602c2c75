#!/usr/bin/env bash
# Draws the wizard's skin pictures into resources/style/ with ImageMagick. The PNGs
# are committed; run this again after changing a picture here.
set -euo pipefail
out=$(cd "$(dirname "$0")/../../resources/style" && pwd)
png() {  # convert's arguments, the output last; no dates, so the bytes stay the same
  local target="${*: -1}"
  convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "$target"
}

ACCENT='#2f7bf6' ACCENT_HOVER='#4a8ff8' ACCENT_DOWN='#1f63d6' DISABLED='#b9c3d3'

# Rounded button faces, 24 × 24, drawn for a 6-pixel scale grid.
button() {  # name fill border
  png -size 24x24 xc:none -fill "$2" -stroke "$3" -strokewidth 1 \
    -draw "roundrectangle 0.5,0.5 23.5,23.5 5,5" "PNG32:$out/$1.png"
}
button btn_primary_up "$ACCENT" "$ACCENT"
button btn_primary_over "$ACCENT_HOVER" "$ACCENT_HOVER"
button btn_primary_down "$ACCENT_DOWN" "$ACCENT_DOWN"
button btn_primary_disabled "$DISABLED" "$DISABLED"
button btn_plain_up '#ffffff' '#c7cfdb'
button btn_plain_over '#f2f6fd' "$ACCENT_HOVER"
button btn_plain_down '#e3ecfb' "$ACCENT_DOWN"
button btn_plain_disabled '#f4f5f7' '#dde1e7'

# Title bar buttons, 30 × 26, white glyphs on the banner.
sysbutton() {  # name background glyph-draw
  png -size 30x26 "xc:$2" -stroke white -strokewidth 1.4 -fill none -draw "$3" "PNG32:$out/$1.png"
}
MIN='line 10,14 20,14'
CLOSE='line 11,8 19,18 line 19,8 11,18'
sysbutton sys_min_up none "$MIN"
sysbutton sys_min_over '#ffffff33' "$MIN"
sysbutton sys_min_down '#ffffff55' "$MIN"
sysbutton sys_close_up none "$CLOSE"
sysbutton sys_close_over '#e81123' "$CLOSE"
sysbutton sys_close_down '#b50d1b' "$CLOSE"

# Check box icons, 16 × 16.
box() {  # name fill border tick(0/1) tick-colour
  local tick=()
  [ "$4" = 1 ] && tick=(-stroke "$5" -strokewidth 2 -fill none -draw "polyline 4,8 7,11 12,5")
  png -size 16x16 xc:none -fill "$2" -stroke "$3" -strokewidth 1 \
    -draw "roundrectangle 0.5,0.5 15.5,15.5 3,3" "${tick[@]}" "PNG32:$out/$1.png"
}
box check_up '#ffffff' '#a9b4c4' 0 none
box check_over '#ffffff' "$ACCENT_HOVER" 0 none
box check_down '#e3ecfb' "$ACCENT_DOWN" 0 none
box check_disabled '#f4f5f7' '#dde1e7' 0 none
box check_on_up "$ACCENT" "$ACCENT" 1 white
box check_on_over "$ACCENT_HOVER" "$ACCENT_HOVER" 1 white
box check_on_down "$ACCENT_DOWN" "$ACCENT_DOWN" 1 white
box check_on_disabled "$DISABLED" "$DISABLED" 1 white

# Progress bar: a light track and a blue fill, 12 × 8 for a 4-pixel grid.
png -size 12x8 xc:none -fill '#e6ebf2' -draw "roundrectangle 0,0 11,7 4,4" "PNG32:$out/progress_bk.png"
png -size 12x8 xc:none \( -size 12x8 "gradient:$ACCENT_HOVER-$ACCENT_DOWN" \) \
  \( -size 12x8 xc:none -fill white -draw "roundrectangle 0,0 11,7 4,4" \) \
  -delete 0 -compose CopyOpacity -composite "PNG32:$out/progress_fill.png"

# Text field frames, 12 × 12 for a 4-pixel grid.
field() {  # name fill border
  png -size 12x12 xc:none -fill "$2" -stroke "$3" -strokewidth 1 \
    -draw "roundrectangle 0.5,0.5 11.5,11.5 3,3" "PNG32:$out/$1.png"
}
field edit_up '#ffffff' '#c7cfdb'
field edit_over '#ffffff' "$ACCENT_HOVER"
field edit_disabled '#f4f5f7' '#dde1e7'

# A slim vertical scroll bar: track, thumb and invisible arrows.
png -size 8x20 xc:none -fill '#eef1f5' -draw "roundrectangle 1,0 6,19 3,3" "PNG32:$out/vscroll_bar.png"
png -size 8x20 xc:none -fill '#c3cad5' -draw "roundrectangle 1,0 6,19 3,3" "PNG32:$out/vscroll_thumb_up.png"
png -size 8x20 xc:none -fill '#a3adbd' -draw "roundrectangle 1,0 6,19 3,3" "PNG32:$out/vscroll_thumb_over.png"
png -size 8x20 xc:none -fill '#8792a5' -draw "roundrectangle 1,0 6,19 3,3" "PNG32:$out/vscroll_thumb_down.png"
png -size 8x4 xc:none "PNG32:$out/vscroll_arrow.png"

# The window: a banner of deep blue with soft light circles over a white body.
png -size 600x400 xc:white \
  \( -size 600x150 gradient:'#1b2a6b'-'#2f7bf6' -rotate -90 -resize 600x150! \) -geometry +0+0 -composite \
  -fill '#ffffff14' -draw "circle 520,20 640,60" -draw "circle 80,150 170,230" -draw "circle 430,150 470,175" \
  -fill white -draw "rectangle 0,150 599,399" \
  -fill none -stroke '#d5dbe5' -draw "roundrectangle 0,0 599,399 8,8" "PNG24:$out/bg_main.png"

# The product's mark for the banner, 56 × 56.
png -size 56x56 xc:none -fill '#ffffff' -draw "roundrectangle 0,0 55,55 12,12" \
  -fill "$ACCENT" -font DejaVu-Sans-Bold -pointsize 38 -gravity center -annotate +0+2 'T' "PNG32:$out/logo.png"
