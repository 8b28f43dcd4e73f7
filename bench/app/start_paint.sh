#!/usr/bin/env bash
# The time from process start to the first paint of the main window with its
# start picture shown, for a 4000 x 3000 photo-like JPEG, a 4000 x 3000 plasma
# fractal JPEG and the bundled logo.dll, alternating, on a private Xvfb server.
# Each picture goes, as logo.dll, beside a copy of the built program in a
# folder of its own (the data folder of a program outside an installation is
# its own folder). The program reports the paint through its opt-in trace
# PAVLENTA_FIRST_PAINT=quit (program/FirstPaintTrace.h); the start is the
# script's clock just before it starts the program.
# Usage: bench/app/start_paint.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
rounds="${2:-9}"
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
cd "$work"

convert -size 4000x3000 -seed 11 gradient:'#3060c0-#e0a040' -attenuate 0.6 +noise Gaussian -quality 88 photo.jpg
convert -size 4000x3000 -seed 7 plasma:fractal -quality 88 plasma.jpg
cp "$build/logo.dll" bundled.dll
pictures=(photo.jpg plasma.jpg bundled.dll)
for picture in "${pictures[@]}"; do
    mkdir "run.$picture"
    cp "$build/pavlenta" "run.$picture/pavlenta"
    cp "$picture" "run.$picture/logo.dll"
done

# A display of its own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>display.txt >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s display.txt ] && break; sleep 0.05; done
[ -s display.txt ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 display.txt)" PAVLENTA_FIRST_PAINT=quit
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# One start: the milliseconds from just before exec to the paint the program reports.
start_once() {
    local folder="$1"
    (
        cd "$folder"
        echo "$EPOCHREALTIME" >../start.txt
        exec timeout 30 ./pavlenta
    ) 2>trace.txt || true
    local painted
    painted=$(sed -n 's/.*first paint .*(clock \([0-9]*\) us).*/\1/p' trace.txt)
    if [ -z "$painted" ]; then
        echo "no first paint reported for $folder: $(cat trace.txt)" >&2
        return 1
    fi
    echo "$painted $(cat start.txt)" | awk '{ printf "%.1f\n", ($1 - $2 * 1e6) / 1000 }'
}
# One start of each, not timed, so that the fonts and libraries are cached alike.
for picture in "${pictures[@]}"; do start_once "run.$picture" >/dev/null; done
for round in $(seq "$rounds"); do
    for picture in "${pictures[@]}"; do start_once "run.$picture" >>"$picture.ms"; done
done
for picture in "${pictures[@]}"; do
    printf '%-12s first paint after process start: median %6.1f ms (min %s, max %s, %d rounds)\n' "$picture" \
        "$(median <"$picture.ms")" "$(sort -n "$picture.ms" | head -n1)" "$(sort -n "$picture.ms" | tail -n1)" "$rounds"
done
