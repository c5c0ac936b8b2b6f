#!/bin/sh
# Regenerates every PNG, GIF and ICO under resources/ from the SVG sources beside them.
# A developer tool, not part of the build; the outputs are committed.
# Needs rsvg-convert and ImageMagick's convert (Debian: apt-get install librsvg2-bin imagemagick).
set -eu

cd "$(dirname "$0")"
for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null || { echo "make-images.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Program icon for the hicolor theme. The small sizes have their own pixel-fitted drawings,
# because the full drawing turns to mush below 48 pixels.
for size in 16 24 32 48 64 128 256; do
    mkdir -p "icons/hicolor/$size"
    if [ "$size" -le 32 ]; then
        rsvg-convert "icons/wordsnarl-$size.svg" -o "icons/hicolor/$size/wordsnarl.png"
    else
        rsvg-convert -w "$size" -h "$size" icons/wordsnarl.svg -o "icons/hicolor/$size/wordsnarl.png"
    fi
done

# Window icon: 32 x 32 in the 16 standard VGA colours, transparency as a 1-bit mask.
convert -size 1x1 xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' \
    xc:'#000080' xc:'#800080' xc:'#008080' xc:'#c0c0c0' \
    xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
    xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' +append "$work/vga.png"
rsvg-convert icons/wordsnarl-32.svg -o "$work/icon32.png"
convert "$work/icon32.png" \
    \( -clone 0 -alpha extract -threshold 50% \) \
    \( -clone 0 -background black -alpha remove +dither -remap "$work/vga.png" \) \
    -delete 0 +swap -alpha off -compose CopyOpacity -composite \
    -type PaletteAlpha icons/wordsnarl.ico

# Logos: GIF keeps only on/off transparency, so the rounded corners are cut at half coverage.
# Each comes at double size too ("@2x"), which scaled screens show instead.
to_gif() {
    rsvg-convert --zoom "$3" "$1" -o "$work/gif-source.png"
    convert "$work/gif-source.png" -channel A -threshold 50% +channel +dither -colors 255 "$2"
}
for name in logo brivak; do
    to_gif "images/$name.svg" "images/$name.gif" 1
    to_gif "images/$name.svg" "images/$name@2x.gif" 2
done

# Link pointer, hot spot (12, 1).
rsvg-convert cursors/hand.svg -o cursors/hand.png

# Browser toolbar, 24 x 24 with real alpha, and 48 x 48 for scaled screens.
for name in back forward stop refresh home; do
    rsvg-convert "toolbar/$name.svg" -o "toolbar/$name.png"
    rsvg-convert --zoom 2 "toolbar/$name.svg" -o "toolbar/$name@2x.png"
done
