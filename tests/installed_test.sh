#!/bin/bash
# The .deb built with cpack and installed with apt: its files where the desktop
# looks for them; the installed program shows its splash in Xvfb.
# Usage (as root): installed_test.sh BUILD_DIR (the package is removed
# afterwards unless it was installed before)
set -u
build=$(realpath "$1")
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
id=org.selvaquin.Selvaquin
desktop=/usr/share/applications/$id.desktop
icons=/usr/share/icons/hicolor
sizes="16 22 24 32 48 64 128 256"

(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || fail "cpack: $(tail -n5 "$work/cpack.log")"
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$work/cpack.log")
[ -f "$deb" ] || fail "cpack named no .deb: $(cat "$work/cpack.log")"
dpkg-query -W -f='${Status}' selvaquin 2>/dev/null | grep -q "install ok installed" ||
    on_exit="apt-get remove -y -qq selvaquin >/dev/null 2>&1"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt-get install: $(tail -n5 "$work/apt.log")"
echo "ok: $(basename "$deb") installed"

{
    printf '%s\n' /usr/bin/selvaquin "$desktop" /usr/share/metainfo/$id.metainfo.xml \
        "$icons/scalable/apps/$id.svg" /usr/share/doc/selvaquin/copyright
    for size in $sizes; do echo "$icons/${size}x$size/apps/$id.png"; done
} | sort >"$work/expected"
dpkg -L selvaquin | while read -r path; do [ -d "$path" ] || echo "$path"; done | sort >"$work/installed"
diff -u "$work/expected" "$work/installed" >&2 || fail "the package installs other files than these"
readelf -d /usr/bin/selvaquin | grep -qE 'RPATH|RUNPATH' && fail "the installed program has a library path of the build"
readelf -S /usr/bin/selvaquin | grep -q '\.debug_info' && fail "the installed program is not stripped"

# The menu entry starts the program with its icon at each size; the metainfo names the entry.
[ "$(command -v "$(sed -n 's/^Exec=//p' "$desktop")")" = /usr/bin/selvaquin ] || fail "Exec= is not the installed program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = $id ] || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" /usr/share/metainfo/$id.metainfo.xml ||
    fail "the metainfo does not name the menu entry"
for size in $sizes; do
    [ "$(identify -format '%wx%h' "$icons/${size}x$size/apps/$id.png")" = "${size}x$size" ] ||
        fail "the ${size}x$size icon has another size"
done
diff=$(compare -metric AE "$icons/32x32/apps/$id.png" "$(dirname "$0")/../app/resources/ZUREREVADO.xpm" null: 2>&1)
[ "$diff" = 0 ] || fail "the 32x32 icon differs from the program's icon in $diff pixels"
# The licence: MIT, in Debian's machine-readable copyright format.
copyright=/usr/share/doc/selvaquin/copyright
head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' &&
    grep -qx 'License: Expat' "$copyright" && grep -q '2026 The Selvaquin developers' "$copyright" ||
    fail "the copyright file is not the MIT licence in Debian's format"
grep -q '<project_license>MIT</project_license>' /usr/share/metainfo/$id.metainfo.xml ||
    fail "the metainfo names another licence"
echo "ok: files in place, menu entry and icons consistent, MIT licence"

# The installed program shows its splash (#009696, which nothing else on the start
# page is), its window class the menu entry's.
start_xvfb 1280x1024
(cd / && exec /usr/bin/selvaquin) >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
splash() {
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended: $(cat "$work/app.err")"
    import -window root "$work/screen.png" 2>/dev/null &&
        [ "$(convert "$work/screen.png" -fill black +opaque '#009696' -fill white -opaque '#009696' \
            -format '%[fx:round(mean*w*h)]' info:)" -gt 100 ]
}
within 20 splash || fail "no splash on the screen after 20 s: $(cat "$work/app.err")"
echo "ok: the installed program painted its splash"
wid=$(xdotool search --name "$title_pattern" | head -n1)
[ -n "$wid" ] || fail "no window titled $SELVAQUIN_TITLE"
xprop -id "$wid" WM_CLASS | grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$desktop")\"" ||
    fail "the window's class does not match the menu entry: $(xprop -id "$wid" WM_CLASS)"
[ ! -s "$work/app.err" ] || fail "the installed program complained: $(cat "$work/app.err")"
