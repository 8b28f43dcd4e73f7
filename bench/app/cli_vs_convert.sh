#!/usr/bin/env bash
# pavlenta-cli chart, end to end with process start, beside ImageMagick doing
# only part of that job (stretch, ordered dither, remap to the 423 threads) on
# the same 4000 x 3000 JPEG, in one run. Usage: bench/app/cli_vs_convert.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
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

# A photo-like picture: gradients with fine noise, as a phone camera JPEG.
convert -size 4000x3000 gradient:'#3060c0-#e0a040' -attenuate 0.6 +noise Gaussian -quality 88 photo.jpg

best() { sort -n | head -1; }
time_of() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}
for round in 1 2 3 4 5; do
    time_of "$build/pavlenta-cli" chart photo.jpg --mode 16 -o chart.bmp >>cli.times
    time_of convert -define jpeg:size=460x500 photo.jpg -resize 230x250 -ordered-dither o8x8,6 -dither None \
        -remap threads.png out.bmp >>convert.times
done
printf 'pavlenta-cli chart (230 x 250 fabric max, mode 16): best %.3f s\n' "$(best <cli.times)"
printf 'ImageMagick stretch + dither + remap:              best %.3f s\n' "$(best <convert.times)"
