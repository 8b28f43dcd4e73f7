#!/usr/bin/env bash
# Time and memory of pavlenta-cli chart for every hostile chart file: the ones a tester
# made to exhaust the reader (generated here, as they are megabytes each) and every
# fixture of tests/chart/oxs-fixtures. Each file is charted with every output at once
# (sheet, one-page PDF, multi-page pattern) under /usr/bin/time -v and must finish,
# accepted or refused, within 10 s and 256 MB.
# Usage: bench/chart/hostile_chart_budget.sh [BUILD_DIR]   (exit 1 when a file is over)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
cli="$build/pavlenta-cli"
limit_s=10
limit_mb=256
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

head_xml='<?xml version="1.0" encoding="UTF-8"?>'
# palette N: the cloth and N threads, each with a number of the given length.
palette() {
    awk -v n="$1" -v len="${2:-0}" 'BEGIN {
        pad = ""; for (i = 0; i < len; ++i) pad = pad "9";
        print "<palette><palette_item index=\"0\" number=\"cloth\" color=\"FFFFFF\"/>";
        for (i = 1; i <= n; ++i)
            printf "<palette_item index=\"%d\" number=\"T%d%s\" color=\"%06X\" symbol=\"\"/>\n", i, i, pad, (i * 40503) % 16777216;
        print "</palette>" }'
}
properties() { # width height [extra attributes]
    echo "<properties oxsversion=\"1.0\" chartwidth=\"$1\" chartheight=\"$2\" charttitle=\"Hostile\" ${3:-}/>"
}

gen_attributes() { # one element with N attributes
    { echo "$head_xml<chart>"; properties 10 10; palette 1
      awk -v n="$1" 'BEGIN { printf "<extras"; for (i = 0; i < n; ++i) printf " a%d=\"%d\"", i, i; print "/>" }'
      echo "</chart>"; } >"$2"
}
gen_long_numbers() { # 500 threads, numbers of N bytes
    { echo "$head_xml<chart>"; properties 30 30; palette 500 "$1"
      echo "<fullstitches>"; awk 'BEGIN { for (i = 0; i < 900; ++i) printf "<stitch x=\"%d\" y=\"%d\" palindex=\"%d\"/>\n", i % 30, int(i / 30), i % 500 + 1 }'
      echo "</fullstitches></chart>"; } >"$2"
}
gen_long_title() { # a title of N bytes
    { echo "$head_xml<chart>"
      awk -v n="$1" 'BEGIN { printf "<properties chartwidth=\"40\" chartheight=\"40\" charttitle=\""; s = "Title "; while (length(s) < n) s = s s; printf "%s", substr(s, 1, n); print "\"/>" }'
      palette 2; echo "<fullstitches><stitch x=\"1\" y=\"1\" palindex=\"1\"/></fullstitches></chart>"; } >"$2"
}
gen_kept() { # N kept part stitches on a W x W chart
    { echo "$head_xml<chart>"; properties "$2" "$2"; palette 2
      awk -v n="$1" -v w="$2" 'BEGIN { print "<partstitches>"; for (i = 0; i < n; ++i) printf "<partstitch x=\"%d\" y=\"%d\" palindex1=\"1\" palindex2=\"2\" direction=\"%d\"/>\n", i % w, int(i / w) % w, i % 4 + 1; print "</partstitches>" }'
      echo "</chart>"; } >"$3"
}
gen_back_stitches() { # N back stitches across a 321 x 321 chart
    { echo "$head_xml<chart>"; properties 321 321; palette 20
      awk -v n="$1" 'BEGIN { print "<backstitches>"; for (i = 0; i < n; ++i) printf "<backstitch x1=\"0\" y1=\"%d\" x2=\"321\" y2=\"%d\" palindex=\"%d\"/>\n", i % 322, (i * 7) % 322, i % 20 + 1; print "</backstitches>" }'
      echo "</chart>"; } >"$2"
}
gen_short_back_stitches() { # N back stitches of one to two cells on a 321 x 321 chart
    { echo "$head_xml<chart>"; properties 321 321; palette 20
      awk -v n="$1" 'BEGIN { print "<backstitches>"; for (i = 0; i < n; ++i) { x = i % 320; y = int(i / 320) % 320; printf "<backstitch x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" palindex=\"%d\"/>\n", x, y, x + 1, y + i % 2, i % 20 + 1 } print "</backstitches>" }'
      echo "</chart>"; } >"$2"
}
gen_worst() { # 321 x 321, 500 threads, every cell stitched and 100k short back stitches
    { echo "$head_xml<chart>"; properties 321 321; palette 500
      awk 'BEGIN { print "<fullstitches>"; for (y = 0; y < 321; ++y) for (x = 0; x < 321; ++x) printf "<stitch x=\"%d\" y=\"%d\" palindex=\"%d\"/>\n", x, y, (x * 7 + y * 13) % 500 + 1; print "</fullstitches><backstitches>";
                   for (i = 0; i < 100000; ++i) printf "<backstitch x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%.1f\" palindex=\"%d\"/>\n", i % 320, i * 7 % 320, i % 320 + 1, (i * 7 % 320) + 1.5, i % 500 + 1; print "</backstitches>" }'
      echo "</chart>"; } >"$1"
}

mkdir -p "$work/in"
gen_attributes 50000 "$work/in/attributes-50k.oxs"
gen_attributes 200000 "$work/in/attributes-200k.oxs"
gen_long_numbers 50000 "$work/in/numbers-500-of-50kB.oxs"
gen_long_numbers 60 "$work/in/numbers-500-of-60B.oxs"
gen_long_title $((4 << 20)) "$work/in/title-4MB.oxs"
gen_long_title $((20 << 20)) "$work/in/title-20MB.oxs"
gen_kept 500000 321 "$work/in/kept-500k-on-321.oxs"
gen_kept 200000 321 "$work/in/kept-200k-on-321.oxs"
gen_kept 160000 321 "$work/in/kept-160k-on-321.oxs"
gen_kept 30000 20 "$work/in/kept-30k-on-20.oxs"
gen_back_stitches 200000 "$work/in/backstitches-200k-long.oxs"
gen_short_back_stitches 200000 "$work/in/backstitches-200k-short.oxs"
gen_worst "$work/in/worst-321-500-threads.oxs"
cp "$root"/tests/chart/oxs-fixtures/*.oxs "$work/in/"
for f in "$root"/tests/chart/oxs-fixtures/refused/*.oxs; do cp "$f" "$work/in/refused-$(basename "$f")"; done

over=0
printf '%-36s %9s %6s %9s %6s  %s\n' file bytes exit seconds MB verdict
for f in "$work"/in/*.oxs; do
    cd "$work"
    rm -f out.*
    /usr/bin/time -v -o time.txt "$cli" chart "$f" -o out.bmp --pdf out.pdf --pattern out.pattern.pdf \
        >/dev/null 2>err.txt && code=0 || code=$?
    # A run killed by a signal leaves "Command terminated by signal" and no exit status of its own.
    seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0; for (i = 1; i <= n; ++i) s = s * 60 + t[i]; print s }' time.txt)
    kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' time.txt)
    mb=$((${kb:-0} / 1024))
    seconds=${seconds:-0}
    verdict=ok
    if awk -v s="$seconds" -v l="$limit_s" 'BEGIN { exit !(s > l) }' || [ "$mb" -gt "$limit_mb" ] || [ "$code" -gt 4 ]; then
        verdict=OVER
        over=1
    fi
    printf '%-36s %9d %6d %9.2f %6d  %s\n' "$(basename "$f")" "$(stat -c %s "$f")" "$code" "$seconds" "$mb" "$verdict"
done
echo "budget: ${limit_s} s and ${limit_mb} MB a file; exit 0 accepted, 3 refused"
exit $over
