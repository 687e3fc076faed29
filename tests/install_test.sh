#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands where;
# then builds the .deb and reads its control data and contents.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
icon_sizes="16 22 24 32 48 64 128 256"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/msweight \
         share/applications/org.msweight.msweight.desktop \
         share/icons/hicolor/scalable/apps/org.msweight.msweight.svg \
         share/metainfo/org.msweight.msweight.metainfo.xml; do
    [ -s "$work/prefix/$f" ] || fail "not installed: $f"
done
# Each rendering of the icon where its size says, and of that size (the
# width and height in the PNG header).
for n in $icon_sizes; do
    png=$work/prefix/share/icons/hicolor/${n}x${n}/apps/org.msweight.msweight.png
    [ -s "$png" ] || fail "not installed: the ${n}x${n} icon"
    [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "$(printf '%08x%08x' "$n" "$n")" ] \
        || fail "the ${n}x${n} icon is not ${n}x${n}"
done
[ -x "$work/prefix/bin/msweight" ] || fail "msweight is not executable"
# The cutting planner, loaded on first use from <libdir>/msweight.
plan_module=$(cd "$work/prefix" && find . -path '*/msweight/libmsweight_plan.so')
[ -n "$plan_module" ] || fail "not installed: libmsweight_plan.so"
nm -D --defined-only "$work/prefix/$plan_module" | grep -q ' T msweight_plan_cuts$' \
    || fail "libmsweight_plan.so has no msweight_plan_cuts"
desktop=$work/prefix/share/applications/org.msweight.msweight.desktop
grep -qx 'Name=M.S(weight)-TKW' "$desktop" || fail "desktop entry name"
grep -qx 'Exec=msweight %f' "$desktop" || fail "desktop entry command"
grep -qx 'MimeType=text/csv;' "$desktop" || fail "desktop entry file type"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "desktop entry categories"
grep -qx 'StartupWMClass=msweight' "$desktop" || fail "desktop entry window class"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/org.msweight.msweight.metainfo.xml" >/dev/null \
        || appstreamcli validate --no-net "$work/prefix/share/metainfo/org.msweight.msweight.metainfo.xml"
fi

# The installed program's window on a real X server (Xvfb): its class is the one the desktop entry names, its frame offers no
# maximise button, and it carries its icon.
if command -v Xvfb >/dev/null && command -v xprop >/dev/null && command -v xwininfo >/dev/null; then
    Xvfb -displayfd 3 -noreset -screen 0 640x480x24 3>"$work/display" 2>/dev/null &
    xvfb=$!
    program=
    trap 'kill $program "$xvfb" 2>/dev/null; wait; rm -rf "$work"' EXIT
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    export DISPLAY=:$(cat "$work/display")
    for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
    xwininfo -root >/dev/null || fail "Xvfb did not start on $DISPLAY"
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work "$work/prefix/bin/msweight" 2>"$work/stderr" &
    program=$!
    window=
    for _ in $(seq 200); do
        window=$(xwininfo -root -tree | awk '/"M\.S\(weight\)-TKW"/ { print $1; exit }')
        [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable' && break
        sleep 0.05
    done
    [ -n "$window" ] || fail "no window under Xvfb: $(cat "$work/stderr")"
    # The icon comes once the window has painted. Read whole, and into a
    # file: grep -q would cut a long listing short.
    for _ in $(seq 100); do
        xprop -len 1000000 -id "$window" >"$work/xprop"
        grep -q '^_NET_WM_ICON' "$work/xprop" && break
        sleep 0.05
    done
    class=$(grep '^WM_CLASS' "$work/xprop")
    wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
    echo "$class" | grep -q ", \"$wmclass\"\$" || fail "StartupWMClass=$wmclass, but the window has $class"
    # Functions and decorations, each without its maximise bit (0x10, 0x40).
    motif=$(sed -n 's/^_MOTIF_WM_HINTS.* = //p' "$work/xprop")
    IFS=', ' read -r flags functions decorations _ <<<"$motif"
    [ $((flags & 3)) = 3 ] && [ $((functions & 0x10)) = 0 ] && [ $((decorations & 0x40)) = 0 ] \
        || fail "the window offers to maximise: _MOTIF_WM_HINTS $motif"
    # The pages' 325 x 344 below the menu bar, and no other size.
    least=$(sed -n 's/.*program specified minimum size: \(.*\)/\1/p' "$work/xprop")
    most=$(sed -n 's/.*program specified maximum size: \(.*\)/\1/p' "$work/xprop")
    [ -n "$least" ] && [ "$least" = "$most" ] || fail "no fixed size: minimum $least, maximum $most"
    case "$least" in "325 by "*) ;; *) fail "the window is $least, not 325 wide" ;; esac
    [ "${least#325 by }" -gt 344 ] || fail "the window is $least: no room for the menu bar above the pages"
    # Up to 128: Qt leaves out a size that would take the property past what
    # one X request carries.
    for n in 16 22 24 32 48 64 128; do
        grep -q "Icon ($n x $n)" "$work/xprop" || fail "the window's icon has no ${n}x${n}"
    done
else
    fail "no Xvfb, xprop or xwininfo for the window checks (make test installs them)"
fi

(cd "$work" && cpack -G DEB --config "$(realpath "$build")/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/msweight_*.deb)
info=$(dpkg-deb --info "$deb")
echo "$info" | grep -q '^ Package: msweight$' || fail "package name"
echo "$info" | grep -E '^ Depends:' | grep -q 'libqt6widgets6' || fail "no dependency on the Qt 6 widgets runtime: $info"
echo "$info" | grep -E '^ Depends:' | grep -q 'fonts-wine' || fail "no dependency on fonts-wine"
echo "$info" | grep -E '^ Depends:' | grep -q 'libxlsxwriter4' || fail "no dependency on libxlsxwriter, loaded on the first export"
echo "$info" | grep -E '^ Depends:' | grep -q 'libqt6printsupport6' || fail "no dependency on Qt's print support: $info"
echo "$info" | grep -E '^ Depends:' | grep -q 'libclp' || fail "no dependency on CLP, which the planner loads: $info"
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/msweight ./usr/share/applications/org.msweight.msweight.desktop \
         ./usr/share/icons/hicolor/scalable/apps/org.msweight.msweight.svg \
         ./usr/share/metainfo/org.msweight.msweight.metainfo.xml \
         $(for n in $icon_sizes; do echo "./usr/share/icons/hicolor/${n}x${n}/apps/org.msweight.msweight.png"; done); do
    echo "$contents" | grep -q " $f\$" || fail "not in the package: $f"
done
echo "$contents" | grep -q " ./usr/${plan_module#./}\$" || fail "not in the package: ${plan_module#./}"
echo "install and package: ok"
