#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands where;
# then builds the .deb and reads its control data and contents.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/msweight \
         share/applications/org.msweight.msweight.desktop \
         share/icons/hicolor/scalable/apps/org.msweight.msweight.svg \
         share/metainfo/org.msweight.msweight.metainfo.xml; do
    [ -s "$work/prefix/$f" ] || fail "not installed: $f"
done
[ -x "$work/prefix/bin/msweight" ] || fail "msweight is not executable"
# Printing is a module the job sheet loads when first asked; Qt's print
# support must not load with the program.
module=$(ls "$work"/prefix/lib*/msweight/libmsweight_print.so 2>/dev/null | head -n1)
[ -n "$module" ] || fail "the print module is not installed under lib/msweight"
readelf -d "$module" | grep -q 'NEEDED.*libQt6PrintSupport' || fail "the print module does not link Qt's print support"
if readelf -d "$work/prefix/bin/msweight" | grep -q 'NEEDED.*libQt6PrintSupport'; then
    fail "msweight links Qt's print support at start-up"
fi
desktop=$work/prefix/share/applications/org.msweight.msweight.desktop
grep -qx 'Name=M.S(weight)-TKW' "$desktop" || fail "desktop entry name"
grep -qx 'Exec=msweight' "$desktop" || fail "desktop entry command"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "desktop entry categories"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/org.msweight.msweight.metainfo.xml" >/dev/null \
        || appstreamcli validate --no-net "$work/prefix/share/metainfo/org.msweight.msweight.metainfo.xml"
fi

(cd "$work" && cpack -G DEB --config "$(realpath "$build")/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/msweight_*.deb)
info=$(dpkg-deb --info "$deb")
echo "$info" | grep -q '^ Package: msweight$' || fail "package name"
echo "$info" | grep -E '^ Depends:' | grep -q 'libqt6widgets6' || fail "no dependency on the Qt 6 widgets runtime: $info"
echo "$info" | grep -E '^ Depends:' | grep -q 'fonts-wine' || fail "no dependency on fonts-wine"
echo "$info" | grep -E '^ Depends:' | grep -q 'libqt6printsupport6' || fail "no dependency on Qt's print support: $info"
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/msweight ./usr/share/applications/org.msweight.msweight.desktop \
         ./usr/share/icons/hicolor/scalable/apps/org.msweight.msweight.svg \
         ./usr/share/metainfo/org.msweight.msweight.metainfo.xml; do
    echo "$contents" | grep -q " $f\$" || fail "not in the package: $f"
done
echo "$contents" | grep -Eq ' \./usr/lib/([^/]+/)?msweight/libmsweight_print\.so$' || fail "the print module is not in the package"
echo "install and package: ok"
