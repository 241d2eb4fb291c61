#!/usr/bin/env bash
# Regenerates the raster icons from icons/zephyrod.svg:
#   icons/zephyrod-{16,32,48,256}.png   application icons
#   icons/zephyrod-32-16colors.png      32x32, 4-bit palette, for the About box
#   icons/zephyrod.ico                  Windows icon (16, 32, 48 and 256 px)
# The results are checked in, so the build itself never needs these tools.
# Run it by hand after editing the SVG; it works from any directory.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
icons="$here/icons"
svg="$icons/zephyrod.svg"

missing=()
command -v rsvg-convert >/dev/null 2>&1 || missing+=(librsvg2-bin)
{ command -v convert >/dev/null 2>&1 && command -v identify >/dev/null 2>&1; } || missing+=(imagemagick)
command -v icotool >/dev/null 2>&1 || missing+=(icoutils)
if ((${#missing[@]})); then
    echo "make-icons.sh: some tools are missing; install them with:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

sizes=(16 32 48 256)
for size in "${sizes[@]}"; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$icons/zephyrod-$size.png" "$svg"
done

# Sixteen colours: index 0 is transparent, the other fifteen are the
# SVG's own colours, so the small picture keeps the drawing's look
# instead of whatever a generic quantiser would pick.
palette=(
    '#163054' '#2a5187' '#3b71ad'             # background
    '#6b93c2' '#a6d4ff'                       # waves
    '#ffffff' '#c7ced6' '#7a8591' '#44505c'   # tube and outline
    '#c4601a' '#e08a3c' '#ffb46e'             # copper turns
    '#f0e6cc' '#b09f72'                       # coil form
    '#ffd34d'                                 # counterpoise
)
convert "${palette[@]/#/xc:}" +append "$tmp/palette.png"
convert "$icons/zephyrod-32.png" -background '#163054' -alpha remove -alpha off \
    +dither -remap "$tmp/palette.png" "$tmp/colours.png"
convert "$icons/zephyrod-32.png" -alpha extract -threshold 50% "$tmp/mask.png"
convert "$tmp/colours.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite \
    -background 'rgba(0,0,0,0)' -alpha background -strip \
    -type PaletteAlpha -define png:bit-depth=4 -define png:exclude-chunks=bKGD \
    "$icons/zephyrod-32-16colors.png"

depth="$(identify -format '%[png:IHDR.bit_depth]' "$icons/zephyrod-32-16colors.png")"
colours="$(identify -format '%k' "$icons/zephyrod-32-16colors.png")"
if [[ "$depth" != 4 ]] || ((colours > 16)); then
    echo "make-icons.sh: zephyrod-32-16colors.png came out with bit depth $depth and $colours colours" >&2
    exit 1
fi

# The 256 px image goes into the .ico as PNG, as Windows expects.
icotool --create --output="$icons/zephyrod.ico" \
    "$icons/zephyrod-16.png" "$icons/zephyrod-32.png" "$icons/zephyrod-48.png" \
    --raw="$icons/zephyrod-256.png"

echo "make-icons.sh: icons written to $icons"
