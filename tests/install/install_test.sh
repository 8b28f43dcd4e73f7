#!/usr/bin/env bash
# Installs the build into a scratch prefix, or makes the .deb and unpacks it into
# a scratch root, and uses what was installed from elsewhere: every installed
# file is where a desktop looks for it, the desktop entry and the AppStream
# metadata validate, the manual page covers every option, pavlenta-cli charts
# an installed gallery picture from another folder, and pavlenta starts from
# the home folder as the menu starts it (on $DISPLAY when there is one) and
# shows its main window with the start picture.
#
#   install_test.sh prefix|package BUILD_DIR
set -euo pipefail
mode=${1:?prefix or package}
build=$(cd "${2:?build folder}" && pwd)
scratch=$(mktemp -d)
trap 'if [ -n "${pid:-}" ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$scratch"' EXIT
fail() { echo "install test ($mode): $*" >&2; exit 1; }

case "$mode" in
prefix)
    prefix=$scratch/prefix
    cmake --install "$build" --prefix "$prefix" >"$scratch/install.log"
    ;;
package)
    cpack --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 ||
        { cat "$scratch/cpack.log"; fail "cpack failed"; }
    deb=$(ls "$scratch"/deb/pavlenta_*.deb)
    info=$(dpkg-deb -I "$deb")
    grep -q '^ Package: pavlenta$' <<<"$info" || fail "dpkg-deb -I does not name the package"
    for dep in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n fonts-arphic-uming; do
        grep -q "^ Depends:.*\b$dep\b" <<<"$info" || fail "the package does not depend on $dep"
    done
    dpkg-deb -x "$deb" "$scratch/root"
    prefix=$scratch/root/usr
    ;;
*) fail "unknown mode" ;;
esac

id=org.pavlenta.Pavlenta
for file in bin/pavlenta bin/pavlenta-cli share/pavlenta/logo.dll share/pavlenta/动物/parrot.jpg \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/pavlenta.svg share/icons/hicolor/48x48/apps/pavlenta.png \
    share/icons/hicolor/256x256/apps/pavlenta.png share/man/man1/pavlenta-cli.1.gz share/man/man1/pavlenta.1.gz \
    share/doc/pavlenta/copyright; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for category in 动漫 美女 汽车 星座 动物 风景 艺术; do
    [ -d "$prefix/share/pavlenta/$category" ] || fail "gallery category $category is not installed"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" ||
    { cat "$scratch/appstream.log"; fail "AppStream metadata"; }
grep -q "^Exec=pavlenta$" "$prefix/share/applications/$id.desktop" || fail "desktop entry does not start pavlenta"

# Every option the command line's help names is in its manual page.
manual=$(zcat "$prefix/share/man/man1/pavlenta-cli.1.gz" | sed 's/\\-/-/g')
for option in $(QT_QPA_PLATFORM=offscreen "$prefix/bin/pavlenta-cli" --help | grep -o -- '-[-a-z0-9]*' | sort -u); do
    grep -q -- "$option" <<<"$manual" || fail "the manual page does not document $option"
done

# From an unrelated folder, with a home of its own: nothing is read from or
# written to the build.
home=$scratch/home
elsewhere=$scratch/elsewhere
mkdir -p "$home" "$elsewhere"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache
cd "$elsewhere"
QT_QPA_PLATFORM=offscreen "$prefix/bin/pavlenta-cli" chart "$prefix/share/pavlenta/动物/parrot.jpg" \
    --width 60 --colors 8 -o parrot.bmp --json >parrot.json || fail "pavlenta-cli chart failed"
[ "$(head -c 2 parrot.bmp)" = BM ] || fail "the chart is not a BMP file"
grep -q '"fabric":{"width":60' parrot.json || fail "the chart's description: $(head -c 200 parrot.json)"

# The program, started from the home folder as the menu starts it.
cd "$home"
if [ -n "${DISPLAY:-}" ]; then platform=xcb; else platform=offscreen; fi
QT_QPA_PLATFORM=$platform "$prefix/bin/pavlenta" >"$scratch/pavlenta.log" 2>&1 &
pid=$!
window=
for _ in $(seq 50); do
    sleep 0.2
    kill -0 "$pid" 2>/dev/null || { cat "$scratch/pavlenta.log"; fail "pavlenta stopped at start"; }
    [ "$platform" = xcb ] || continue
    # The tree is read whole: awk stopping early would fail the pipe under pipefail.
    tree=$(xwininfo -root -tree)
    window=$(awk '/"Pavlenta"/ {print $1; exit}' <<<"$tree")
    [ -n "$window" ] && break
done
if [ "$platform" = xcb ]; then
    [ -n "$window" ] || { kill "$pid"; fail "no main window appeared"; }
    sleep 1
    # The start picture from share/pavlenta fills the picture box and the
    # preview with its sky blue; without it both stay plain.
    import -window "$window" "$scratch/main.png"
    blue=$(convert "$scratch/main.png" -fill black +opaque 'rgb(95,160,225)' -fill white -opaque 'rgb(95,160,225)' \
        -format '%[fx:mean*w*h]' info:)
    if ! awk -v n="$blue" 'BEGIN { exit !(n > 1000) }'; then
        kill "$pid"
        fail "the main window does not show the start picture ($blue sky pixels)"
    fi
else
    sleep 2
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
[ -z "$(ls "$prefix/bin" | grep -v '^pavlenta\(-cli\)\?$')" ] || fail "files were written beside the programs"
echo "install test ($mode): passed"
