#!/usr/bin/env bash
# The licence is stated everywhere a user or a distribution looks for it: the
# full GPL text in LICENSE, the AppStream metadata, the README, and a licence in
# packaging/copyright for every bundled picture and data file (a file matched
# by the catch-all "Files: *" alone has no licence of its own recorded).
#
#   licence_test.sh SOURCE_DIR
set -euo pipefail
src=$(cd "${1:?source folder}" && pwd)
fail() { echo "licence test: $*" >&2; exit 1; }

[ -f "$src/LICENSE" ] || fail "no LICENSE file"
if [ -f /usr/share/common-licenses/GPL-3 ]; then
    cmp -s "$src/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the full GPL-3.0 text"
fi
for words in "GNU GENERAL PUBLIC LICENSE" "Version 3, 29 June 2007" "END OF TERMS AND CONDITIONS"; do
    grep -q "$words" "$src/LICENSE" || fail "LICENSE lacks \"$words\""
done
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$src/packaging/org.pavlenta.Pavlenta.metainfo.xml.in" ||
    fail "the AppStream metadata names no project_license"
grep -q 'GPL-3.0-or-later' "$src/README.md" || fail "the README does not name the licence"

copyright=$src/packaging/copyright
[ -f "$copyright" ] || fail "no packaging/copyright"
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "packaging/copyright is not in the machine-readable format"
# Every paragraph's licence has its text in a stand-alone License paragraph.
for licence in $(awk '/^Files:/ {f=1; next} f && /^License:/ {print $2; f=0}' "$copyright" | sort -u); do
    grep -q "^License: $licence\$" "$copyright" || fail "$licence has no licence text"
    [ "$(grep -c "^License: $licence\$" "$copyright")" -ge 2 ] || fail "$licence has no licence text"
done

patterns=()
set -f # the patterns are words here, not to be expanded
# A Files field goes on over the lines that start with a blank.
while read -r line; do
    for p in ${line#Files:}; do
        [ "$p" = "*" ] || patterns+=("$p")
    done
done < <(awk '/^Files:/ {f=1; print; next} f && /^ / {print; next} {f=0}' "$copyright")
set +f
cd "$src"
unrecorded=()
while IFS= read -r -d '' file; do
    file=${file#./}
    found=
    for p in "${patterns[@]}"; do
        # shellcheck disable=SC2053
        [[ $file == $p ]] && { found=1; break; }
    done
    [ -n "$found" ] || unrecorded+=("$file")
done < <(find ./assets ./docs ./tests/chart/oxs-fixtures ./tests/image/bmp-layouts ./tests/image/picture-fixtures \
    -type f ! -name '*.sh' ! -name '*.py' -print0)
[ ${#unrecorded[@]} -eq 0 ] || fail "no licence recorded for: ${unrecorded[*]}"
echo "licence test: passed"
