#!/usr/bin/env bash
# pavlenta-cli chart, end to end with process start, beside ImageMagick doing
# only part of that job (stretch, ordered dither, remap to the 423 threads) on
# the same 4000 x 3000 JPEGs (a plasma fractal and a smooth photo-like
# gradient), alternating, in one run; then the peak memory of each.
# Usage: bench/app/cli_vs_convert.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
rounds="${2:-7}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# The 423 thread colours as a 423 x 1 picture, in row order.
grep -o 'thread("[^"]*", 0x[0-9A-F]\{6\})' "$root/palette/DmcTable.cpp" | grep -o '0x[0-9A-F]\{6\}' |
    awk 'function hex(s,   i, v) { v = 0; for (i = 1; i <= length(s); i++) v = v * 16 + index("0123456789ABCDEF", substr(s, i, 1)) - 1; return v }
         BEGIN { print "# ImageMagick pixel enumeration: 423,1,255,srgb" }
         { printf "%d,0: (%d,%d,%d)\n", NR - 1, hex(substr($0, 3, 2)), hex(substr($0, 5, 2)), hex(substr($0, 7, 2)) }' \
        >threads.txt
convert threads.txt threads.png
[ "$(identify -format '%w x %h, %k colours' threads.png)" = "423 x 1, 423 colours" ] || echo "warning: threads.png is not 423 distinct colours" >&2

# A fractal full of detail, and a photo-like picture: gradients with fine noise, as a phone camera JPEG.
convert -size 4000x3000 -seed 7 plasma:fractal -quality 88 plasma.jpg
convert -size 4000x3000 -seed 11 gradient:'#3060c0-#e0a040' -attenuate 0.6 +noise Gaussian -quality 88 photo.jpg

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# One run: wall seconds (the shell's microsecond clock: time's own is in hundredths),
# CPU seconds (user + system) and peak memory in kB, a line to each file.
measure() {
    local tag="$1"
    shift
    local start="$EPOCHREALTIME"
    /usr/bin/time -f '%e %U %S %M' -o run.txt "$@" >/dev/null 2>&1
    local end="$EPOCHREALTIME"
    read -r _ user system peak <run.txt
    echo "$end - $start" | bc >>"$tag.wall"
    echo "$user + $system" | bc >>"$tag.cpu"
    echo "$peak" >>"$tag.peak"
}
for picture in plasma.jpg photo.jpg; do
    for round in $(seq "$rounds"); do
        measure "cli.$picture" "$build/pavlenta-cli" chart "$picture" --mode 16 -o chart.bmp
        measure "magick.$picture" convert -define jpeg:size=460x500 "$picture" -resize 230x250 \
            -ordered-dither o8x8,6 -dither None -remap threads.png out.bmp
    done
    for kind in wall cpu; do
        c=$(median <"cli.$picture.$kind")
        m=$(median <"magick.$picture.$kind")
        printf '%s %s: pavlenta-cli chart (mode 16) median %.3f s, ImageMagick stretch + dither + remap %.3f s, ratio %.2f\n' \
            "$picture" "$kind" "$c" "$m" "$(echo "$c / $m" | bc -l)"
    done
    printf '%s: peak memory pavlenta-cli %d MB, ImageMagick %d MB\n' "$picture" \
        "$(($(median <"cli.$picture.peak") / 1024))" "$(($(median <"magick.$picture.peak") / 1024))"
done
