#!/usr/bin/env bash
# scripts/test's quick loops: --quick skips the fuzz pass and the install tests,
# --only FOLDER runs that folder's tests alone, and without options it still runs
# the fuzz pass and every test, as the README and CI expect. The script runs in a
# copy of the tree whose setup, build, fuzz, X server and ctest only record that
# they ran; the labels it selects by are checked against the real build.
#
#   test_options_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$(cd "${1:?source folder}" && pwd)
build=$(cd "${2:?build folder}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "test options test: $*" >&2; exit 1; }

tree=$scratch/tree
mkdir -p "$tree/scripts" "$tree/tests/base" "$tree/tests/settings" "$scratch/bin"
cp "$src/scripts/test" "$tree/scripts/test"
log=$scratch/log
for step in setup build build-clang fuzz; do
    printf '#!/bin/sh\necho %s >>"%s"\n' "$step" "$log" >"$tree/scripts/$step"
    chmod +x "$tree/scripts/$step"
done
printf '#!/bin/sh\necho "ctest $*" >>"%s"\n' "$log" >"$scratch/bin/ctest"
# An X server that only names its display.
printf '#!/bin/sh\necho 99 >&3\nexec sleep 30\n' >"$scratch/bin/Xvfb"
printf '#!/bin/sh\nexec sleep 30\n' >"$scratch/bin/openbox"
printf '#!/bin/sh\necho "window id # 0x1"\n' >"$scratch/bin/xprop"
chmod +x "$scratch/bin/"*

run() { : >"$log"; PATH=$scratch/bin:$PATH "$tree/scripts/test" "$@" >"$scratch/out" 2>&1; }

run || fail "the full run failed: $(cat "$scratch/out")"
[ "$(tr '\n' ' ' <"$log")" = "setup build build-clang fuzz ctest --test-dir build --output-on-failure --timeout 600 " ] ||
    fail "the full run did: $(cat "$log")"

run --quick || fail "--quick failed"
grep -q '^fuzz$' "$log" && fail "--quick ran the fuzz pass"
grep -q '^ctest .* -LE ^install\$' "$log" || fail "--quick ran: $(cat "$log")"

run --only settings -- -R Form3 || fail "--only failed"
grep -q '^fuzz$' "$log" && fail "--only ran the fuzz pass"
grep -q '^ctest .* -L ^settings\$ -R Form3$' "$log" || fail "--only ran: $(cat "$log")"

run --only nosuchfolder && fail "--only accepted a folder that does not exist"
grep -q 'tests/nosuchfolder' "$scratch/out" || fail "no word on the missing folder"
run --help || fail "--help failed"
grep -q -- '--only FOLDER' "$scratch/out" || fail "--help does not show --only"

# The labels are the folders: --only settings selects the settings tests and no other.
listed=$(ctest --test-dir "$build" -N -L '^settings$' | awk '/Test +#/ {print $3}')
[ -n "$listed" ] || fail "no test carries the label settings"
grep -qv '^settings_' <<<"$listed" && fail "--only settings would also run: $(grep -v '^settings_' <<<"$listed")"
# Read whole first: grep -q stopping early would fail the pipe under pipefail.
installs=$(ctest --test-dir "$build" -N -L '^install$')
grep -q 'install_package_test' <<<"$installs" || fail "the install tests carry no label"
echo "test options test: passed"
