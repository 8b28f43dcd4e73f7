#!/usr/bin/env bash
# Checksums of everything pavlenta-cli chart makes, for a table of pictures,
# modes and styles: sheet BMP, stitches, effect, JSON, and the PDF as its text
# and its rendered page (the PDF's own bytes carry a date). Run it before and
# after a change to the drawing or the outputs and compare the lists.
# Usage: bench/app/output_sums.sh [BUILD_DIR] >sums.txt
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
cli="$build/pavlenta-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

convert -size 4000x3000 -seed 7 plasma:fractal -quality 88 plasma.jpg
convert -size 4000x3000 -seed 11 gradient:'#3060c0-#e0a040' -attenuate 0.6 +noise Gaussian -quality 88 photo.jpg
convert -size 160x120 -seed 3 plasma:red-blue small.png
convert -size 90x300 -seed 5 plasma:fractal tall.png
cp "$root/tests/chart/oxs-fixtures/sparse-backstitch-cloth.oxs" "$root/tests/chart/oxs-fixtures/part-stitches-kept.oxs" .

case_sums() {
    local name="$1"
    shift
    rm -f out.* json.txt
    if ! "$cli" chart "$@" -o out.bmp --json >json.txt 2>err.txt; then
        echo "$name failed: $(cat err.txt)"
        return
    fi
    for f in out.bmp out.stitches.bmp out.effect.bmp json.txt; do
        [ -f "$f" ] && echo "$name $f $(sha256sum <"$f" | cut -c1-16)"
    done
    if [ -f out.pdf ]; then
        echo "$name pdf-text $(pdftotext out.pdf - | sha256sum | cut -c1-16)"
        pdftoppm -r 150 -png out.pdf page
        echo "$name pdf-page $(cat page*.png | sha256sum | cut -c1-16)"
        rm -f page*.png
    fi
}

extras=(--stitches out.stitches.bmp --effect out.effect.bmp)
for picture in plasma.jpg photo.jpg small.png tall.png; do
    for mode in 16 2 4 8 0; do
        case_sums "$picture-m$mode" "$picture" --mode "$mode" "${extras[@]}"
    done
    case_sums "$picture-c12" "$picture" --colors 12 "${extras[@]}"
    case_sums "$picture-c60-w100" "$picture" --colors 60 --width 100 "${extras[@]}"
    for style in blocks blocks+symbols; do
        case_sums "$picture-m16-$style" "$picture" --mode 16 --style "$style"
    done
    case_sums "$picture-pdf" "$picture" --colors 40 --style blocks+symbols --title 测试 --pdf out.pdf
done
for chart in sparse-backstitch-cloth.oxs part-stitches-kept.oxs; do
    for style in symbols blocks blocks+symbols; do
        case_sums "$chart-$style" "$chart" --style "$style" --pdf out.pdf
    done
done
