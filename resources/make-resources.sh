#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
#
# Draws Lexidor's pictures into this folder: the window background
# (background.jpg), the same background for the web page as CSS layers
# (picture.css, with emblem.png), the window icon (lexidor.ico) and the
# desktop icons (icons/hicolor/*/apps/lexidor.{png,svg}). The outputs are kept in the
# repository, so a build never needs this script; run it again only after
# changing the drawing below. The same inputs always give the same bytes.
#
# Needs: bash, ImageMagick's convert, awk, python3.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

for tool in convert awk python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make-resources.sh: '$tool' is missing (apt-get install imagemagick gawk python3)" >&2
        exit 1
    fi
done

# One thread and no per-run metadata keep the output byte-for-byte stable.
export MAGICK_THREAD_LIMIT=1
export LC_ALL=C
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Colours.
blue_top='#0b1f4d'
blue_bottom='#06122e'
yellow='#f2c230'
black='#000000'

# PNG writes without timestamps, text chunks or other per-run data.
png_clean=(-strip +set date:create +set date:modify -define "png:exclude-chunks=date,time")

# --- Emblem geometry ---------------------------------------------------------
# The radiation trefoil, in proportions of the yellow disk's radius: a black
# centre circle and three black 60-degree blades (one pointing down, two up
# at the sides) between an inner and an outer radius.
centre_ratio=0.18
blade_inner_ratio=0.27
blade_outer_ratio=0.90

# trefoil_path CX CY DISK_RADIUS: SVG path data for the three blades.
trefoil_path() {
    awk -v cx="$1" -v cy="$2" -v r="$3" -v ri="$blade_inner_ratio" -v ro="$blade_outer_ratio" '
        function px(a, rad) { return cx + rad * cos(a * pi / 180) }
        function py(a, rad) { return cy + rad * sin(a * pi / 180) }
        BEGIN {
            pi = atan2(0, -1)
            rin = r * ri; rout = r * ro
            # Screen angles, y downwards: 90 points down, 210 up-left, 330 up-right.
            split("90 210 330", mid, " ")
            out = ""
            for (i = 1; i <= 3; i++) {
                a1 = mid[i] - 30; a2 = mid[i] + 30
                out = out sprintf("M %.3f %.3f A %.3f %.3f 0 0 1 %.3f %.3f L %.3f %.3f A %.3f %.3f 0 0 0 %.3f %.3f Z ",
                    px(a1, rout), py(a1, rout), rout, rout, px(a2, rout), py(a2, rout),
                    px(a2, rin), py(a2, rin), rin, rin, px(a1, rin), py(a1, rin))
            }
            sub(/ $/, "", out)
            print out
        }'
}

# fmt EXPR: a number from an awk expression, three decimals.
fmt() { awk "BEGIN { printf \"%.3f\", $1 }"; }

# --- Desktop icon: one geometry for the SVG and every PNG --------------------
# Canvas 256 x 256: a dark blue rounded square with the trefoil in the middle.
icon_size=256
icon_corner=40
icon_c=128
icon_disk=112
icon_blades=$(trefoil_path "$icon_c" "$icon_c" "$icon_disk")
icon_centre=$(fmt "$icon_disk * $centre_ratio")

mkdir -p icons/hicolor/scalable/apps
cat >icons/hicolor/scalable/apps/lexidor.svg <<EOF
<!-- SPDX-License-Identifier: MIT -->
<!-- Lexidor application icon: a radiation trefoil on a dark blue tile. -->
<svg xmlns="http://www.w3.org/2000/svg" width="$icon_size" height="$icon_size" viewBox="0 0 $icon_size $icon_size">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="$blue_top"/>
      <stop offset="1" stop-color="$blue_bottom"/>
    </linearGradient>
  </defs>
  <rect x="0" y="0" width="$icon_size" height="$icon_size" rx="$icon_corner" ry="$icon_corner" fill="url(#tile)"/>
  <circle cx="$icon_c" cy="$icon_c" r="$icon_disk" fill="$yellow"/>
  <path d="$icon_blades" fill="$black"/>
  <circle cx="$icon_c" cy="$icon_c" r="$icon_centre" fill="$black"/>
</svg>
EOF

# The same drawing at 4x (1024 px), scaled down to each size by area averaging.
ss=4
big=$((icon_size * ss))
big_blades=$(trefoil_path $((icon_c * ss)) $((icon_c * ss)) $((icon_disk * ss)))
big_centre=$(fmt "$icon_disk * $ss * $centre_ratio")
big_edge=$((big - 1))
convert \
    \( -size "${big}x${big}" "gradient:${blue_top}-${blue_bottom}" \) \
    \( -size "${big}x${big}" xc:none -fill white \
       -draw "roundrectangle 0,0 $big_edge,$big_edge $((icon_corner * ss)),$((icon_corner * ss))" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -fill "$yellow" -draw "circle $((icon_c * ss)),$((icon_c * ss)) $((icon_c * ss)),$(((icon_c - icon_disk) * ss))" \
    -fill "$black" -draw "path '$big_blades'" \
    -draw "circle $((icon_c * ss)),$((icon_c * ss)) $((icon_c * ss)),$(fmt "$icon_c * $ss - $big_centre")" \
    -depth 8 "$work/icon-big.png"

for n in 16 32 48 64 128 256; do
    mkdir -p "icons/hicolor/${n}x${n}/apps"
    convert "$work/icon-big.png" -filter Box -resize "${n}x${n}" -depth 8 \
        "${png_clean[@]}" "PNG32:icons/hicolor/${n}x${n}/apps/lexidor.png"
done

# --- Window icon: 32 x 32 and 16 x 16, 16 colours each ------------------------
# Each size is reduced to 15 colours on the tile (without dithering) plus
# black for the see-through corners, and its alpha to on/off for the mask.
for n in 32 16; do
    src="icons/hicolor/${n}x${n}/apps/lexidor.png"
    convert "$src" -background "$blue_top" -alpha remove +dither -colors 15 -depth 8 "rgb:$work/ico-$n.rgb"
    convert "$src" -alpha extract -threshold 50% -depth 8 "gray:$work/ico-$n.mask"
done
python3 "$here/write-ico.py" lexidor.ico \
    32 "$work/ico-32.rgb" "$work/ico-32.mask" \
    16 "$work/ico-16.rgb" "$work/ico-16.mask"

# --- Window background: 490 x 401 JPEG ----------------------------------------
# A dark blue vertical gradient with the trefoil, 64 px across, in the top
# right corner (centre 440,46); nothing else, as the controls sit on the rest.
bg_w=490
bg_h=401
em=64
em_ss=8
em_big=$((em * em_ss))
em_c=$((em_big / 2))
em_r=$((em_big / 2 - em_ss / 2))
em_blades=$(trefoil_path "$em_c" "$em_c" "$em_r")
em_centre=$(fmt "$em_r * $centre_ratio")
convert -size "${em_big}x${em_big}" xc:none \
    -fill "$yellow" -draw "circle $em_c,$em_c $em_c,$((em_c - em_r))" \
    -fill "$black" -draw "path '$em_blades'" \
    -draw "circle $em_c,$em_c $em_c,$(fmt "$em_c - $em_centre")" \
    -filter Box -resize "${em}x${em}" -depth 8 "$work/emblem.png"

convert -size "${bg_w}x${bg_h}" "gradient:${blue_top}-${blue_bottom}" \
    "$work/emblem.png" -geometry "+$((440 - em / 2))+$((46 - em / 2))" -compose Over -composite \
    -strip +set date:create +set date:modify \
    -sampling-factor 1x1 -quality 85 -interlace none "JPEG:background.jpg"

# The page draws the same background from its parts, which a browser paints
# at once, without decoding a photograph before its first frame: the
# gradient as CSS and the emblem as a small PNG, at the place it has in the
# picture (left and top), or its distance from the picture's right edge.
convert "$work/emblem.png" "${png_clean[@]}" "PNG32:emblem.png"
cat >picture.css <<CSS
/* Written by make-resources.sh; do not edit. background.jpg as the page
   draws it: its gradient, and emblem.png where the picture has it. */
:root {
  --picture-gradient: linear-gradient(${blue_top}, ${blue_bottom});
  --picture-width: ${bg_w}px;
  --picture-height: ${bg_h}px;
  --emblem-left: $((440 - em / 2))px;
  --emblem-top: $((46 - em / 2))px;
  --emblem-right: $((bg_w - 440 - em / 2))px;
}
CSS

echo "make-resources.sh: wrote background.jpg, picture.css, emblem.png, lexidor.ico and icons/hicolor/"
