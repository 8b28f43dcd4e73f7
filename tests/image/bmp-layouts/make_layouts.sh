#!/usr/bin/env bash
# Writes BMP files of every layout ImageMagick makes, each beside the PNG of the
# picture it holds, for the BMP reader's tests. Pictures of 7 and 8 pixels across
# give rows that need padding. The colours are ones every layout holds exactly:
# corner colours (each channel 0 or 255) for 1, 4 and 16 bits, 48 colours for the
# deeper ones. Run from this folder: ./make_layouts.sh
set -euo pipefail
rm -f ./*.bmp ./*.png

# corners: 7 x 5 of the eight corner colours; corners-alpha: the same with two clear pixels.
colours=(black red lime blue yellow cyan magenta white)
args=()
for ((i = 0; i < 35; i++)); do args+=(-fill "${colours[$(((i * 3 + i / 7) % 8))]}" -draw "point $((i % 7)),$((i / 7))"); done
convert -size 7x5 xc:black "${args[@]}" -alpha off -type TrueColor corners.png
convert corners.png -alpha on -fill none -draw "color 0,0 point" -draw "color 3,2 point" -type TrueColorAlpha corners-alpha.png
# bilevel: 7 x 5 black and white.
convert -size 7x5 pattern:checkerboard -threshold 50% -type Bilevel bilevel.png
# colours: 8 x 6 of 48 distinct colours.
{
    printf 'P3\n8 6\n255\n'
    for ((j = 0; j < 6; j++)); do for ((i = 0; i < 8; i++)); do
        printf '%d %d %d\n' $(((i * 32 + j * 5) % 256)) $(((j * 40 + i * 3) % 256)) $(((i * j * 9 + 20) % 256))
    done; done
} | convert ppm:- -type TrueColor colours.png

make() { # name, source, writer, options...
    local name="$1" source="$2" writer="$3"
    shift 3
    convert "$source.png" "$@" "$writer:$name.bmp"
    cp "$source.png" "$name.png"
}
make v3-1bit bilevel BMP3 -type Bilevel
make v3-4bit corners BMP3 -type Palette -compress None
make v3-8bit colours BMP3 -type Palette -compress None
make v3-8bit-rle colours BMP3 -type Palette -compress RLE
make v3-24bit colours BMP3 -type TrueColor
make core-24bit colours BMP2 -type TrueColor
make core-8bit colours BMP2 -type Palette -compress None
make v5-24bit colours BMP -type TrueColor
make v5-8bit colours BMP -type Palette -compress None
make v5-32bit-alpha corners-alpha BMP -type TrueColorAlpha
make v5-16bit-rgb555 corners BMP -type TrueColor -define bmp:subtype=RGB555
make v5-16bit-rgb565 corners BMP -type TrueColor -define bmp:subtype=RGB565
make v5-16bit-argb4444 corners-alpha BMP -type TrueColorAlpha -define bmp:subtype=ARGB4444
make v5-16bit-argb1555 corners-alpha BMP -type TrueColorAlpha -define bmp:subtype=ARGB1555
rm -f corners.png corners-alpha.png bilevel.png colours.png
