#!/usr/bin/env bash
# The best-N figures table on eight photographs among Debian's wallpapers (the
# package plasma-workspace-wallpapers, installed by hand for measuring only:
# apt-get install plasma-workspace-wallpapers). Builds the table tool and runs it.
#   bench/colour/best_threads_table.sh [--width W] [--threads N]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$root"
cmake --build build --target colour_bestthreads_table >/dev/null
photos=()
for name in Autumn BytheWater ColdRipple ColorfulCups EveningGlow FallenLeaf OneStandsOut Path; do
    folder=/usr/share/wallpapers/$name/contents/images
    [ -d "$folder" ] || { echo "missing $folder: apt-get install plasma-workspace-wallpapers" >&2; exit 1; }
    if [ -f "$folder/1920x1080.jpg" ]; then photos+=("$folder/1920x1080.jpg"); else photos+=("$(ls "$folder"/*.jpg | tail -1)"); fi
done
build/bench/colour_bestthreads_table "$@" "${photos[@]}"
