#!/usr/bin/env bash
# The budget of 10 s and 256 MB for every damaged or hostile picture fixture, and
# for the sound ones that come closest to the limits: the command line's
# `chart FILE` (peak resident memory from /usr/bin/time) and, where Xvfb is
# there, the program starting with the file as its start picture
# (PAVLENTA_FIRST_PAINT=quit ends it at its first paint). Prints one row per
# file and exits non-zero when any run is over the budget.
# Usage: bench/image/decode_budget.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
limit_s=10
limit_mb=256
work="$(mktemp -d)"
xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

files=("$root"/tests/image/picture-fixtures/*.{bmp,jpg,gif,xbm,png})
# Sound pictures at the edge: a valid XBM and PNG just within the full-decode
# size, a 24-bit BMP of 40 million pixels (shrunk while read).
printf '#define a_width 5600\n#define a_height 5600\nstatic char a_bits[] = {\n' >"$work/xbm-5600x5600-sound.xbm"
head -c $((700 * 5600)) /dev/zero | od -An -v -tx1 | sed 's/ \([0-9a-f][0-9a-f]\)/0x\1,/g' >>"$work/xbm-5600x5600-sound.xbm"
echo '};' >>"$work/xbm-5600x5600-sound.xbm"
convert -size 5600x5600 xc:gray50 -type Grayscale "$work/png-5600x5600-grey-sound.png"
convert -size 7300x5480 xc:'#336699' -type TrueColor BMP3:"$work/bmp-7300x5480-24bit-sound.bmp"
files+=("$work"/*-sound.*)

display=""
if command -v Xvfb >/dev/null; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display.txt" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display.txt" ] && break; sleep 0.05; done
    [ -s "$work/display.txt" ] && display=":$(head -n1 "$work/display.txt")"
fi
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

over=0
# measure STDERR COMMAND...: "seconds peak_MB exit" of one run, its stderr kept in STDERR.
measure() {
    local status=0 err="$1"
    shift
    /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>"$err" || status=$?
    tail -n1 "$work/time.txt" | awk -v s="$status" '{ printf "%.2f %.0f %d", $1, $2 / 1024, s }'
}
verdict() {
    awk -v t="$1" -v m="$2" -v lt="$limit_s" -v lm="$limit_mb" 'BEGIN { print (t <= lt && m <= lm) ? "ok" : "OVER" }'
}
printf '%-40s %6s %6s %4s  %-4s | %6s %6s  %-4s | %s\n' file cli_s cli_MB exit ok win_s win_MB ok "cli stderr"
for file in "${files[@]}"; do
    read -r s mb code <<<"$(measure "$work/stderr.txt" env QT_QPA_PLATFORM=offscreen "$build/pavlenta-cli" chart "$file" -o "$work/out.bmp")"
    ok=$(verdict "$s" "$mb")
    [ "$ok" = ok ] || over=1
    ws="-" wmb="-" wok="-"
    if [ -n "$display" ]; then
        folder="$work/run"
        rm -rf "$folder" && mkdir "$folder"
        cp "$build/pavlenta" "$folder/" && cp "$file" "$folder/logo.dll"
        read -r ws wmb _ <<<"$(cd "$folder" && DISPLAY="$display" PAVLENTA_FIRST_PAINT=quit measure "$work/window.txt" timeout 30 ./pavlenta)"
        wok=$(verdict "$ws" "$wmb")
        [ "$wok" = ok ] || over=1
    fi
    printf '%-40s %6s %6s %4s  %-4s | %6s %6s  %-4s | %s\n' "$(basename "$file")" "$s" "$mb" "$code" "$ok" "$ws" "$wmb" \
        "$wok" "$(head -c 90 "$work/stderr.txt" | tr '\n' '~' | sed "s|$root/||g; s|$work/||g")"
    rm -f "$work/out.bmp"
done
exit "$over"
