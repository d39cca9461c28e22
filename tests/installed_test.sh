#!/bin/bash
# The .deb as a user gets it: built with cpack from a build directory,
# installed with apt (which brings in what it depends on), its files where
# the desktop looks for them, and the installed program showing its start
# page in an X server (Xvfb) and ending with its close button.
#
# Usage (as root): installed_test.sh BUILD_DIR
# The package is removed again afterwards unless it was installed before.
set -u
build=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
remove_package=""
id=org.selvaquin.Selvaquin
sizes="16 22 24 32 48 64 128 256"

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    [ -n "$remove_package" ] && apt-get remove -y -qq selvaquin >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# ---- Build and install ---------------------------------------------------------
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || fail "cpack: $(tail -n5 "$work/cpack.log")"
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$work/cpack.log")
[ -f "$deb" ] || fail "cpack named no .deb: $(cat "$work/cpack.log")"
echo "ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "    Depends: $(dpkg-deb -f "$deb" Depends)"

dpkg-query -W -f='${Status}' selvaquin 2>/dev/null | grep -q "install ok installed" || remove_package=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt-get install: $(tail -n5 "$work/apt.log")"

# ---- The files, where they belong ------------------------------------------------
{
    echo /usr/bin/selvaquin
    echo /usr/share/applications/$id.desktop
    echo /usr/share/metainfo/$id.metainfo.xml
    echo /usr/share/icons/hicolor/scalable/apps/$id.svg
    for size in $sizes; do echo "/usr/share/icons/hicolor/${size}x$size/apps/$id.png"; done
} | sort >"$work/expected"
dpkg -L selvaquin | while read -r path; do [ -d "$path" ] || echo "$path"; done | sort >"$work/installed"
diff -u "$work/expected" "$work/installed" >&2 || fail "the package installs other files than these"

ldd /usr/bin/selvaquin | grep -q 'not found' && fail "libraries missing: $(ldd /usr/bin/selvaquin | grep 'not found')"
readelf -d /usr/bin/selvaquin | grep -qE 'RPATH|RUNPATH' && fail "the installed program has a library path of the build"
readelf -S /usr/bin/selvaquin | grep -q '\.debug_info' && fail "the installed program is not stripped"

# The menu entry starts the installed program with an installed icon, and the
# metainfo names that entry.
desktop=/usr/share/applications/$id.desktop
exec_name=$(sed -n 's/^Exec=//p' "$desktop")
[ "$(command -v "$exec_name")" = /usr/bin/selvaquin ] || fail "Exec=$exec_name is not the installed program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = $id ] || fail "the menu entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" /usr/share/metainfo/$id.metainfo.xml ||
    fail "the metainfo does not name the menu entry"
for size in $sizes; do
    [ "$(identify -format '%wx%h' "/usr/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ] ||
        fail "the ${size}x$size icon has another size"
done
# At its own size the icon is the program's icon, pixel for pixel.
diff=$(compare -metric AE "/usr/share/icons/hicolor/32x32/apps/$id.png" \
    "$(dirname "$0")/../app/resources/ZUREREVADO.xpm" null: 2>&1)
[ "$diff" = 0 ] || fail "the 32x32 icon differs from the program's icon in $diff pixels"
echo "ok: files in place, libraries found, menu entry and icons consistent"

# ---- The installed program shows its start page ---------------------------------------
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
exec 3>&-
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# A desktop session has a private runtime directory; without one Qt warns.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

started=$(date +%s%N)
(cd / && exec /usr/bin/selvaquin) >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
# The splash name is drawn in #009696, a colour nothing else on the start page
# has; it is on the screen once the first paint is done.
painted=""
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended: $(cat "$work/app.err")"
    if import -window root "$work/screen.png" 2>/dev/null; then
        pixels=$(convert "$work/screen.png" -fill black +opaque '#009696' -fill white -opaque '#009696' \
            -format '%[fx:round(mean*w*h)]' info:)
        [ "${pixels:-0}" -gt 100 ] && painted=yes && break
    fi
    sleep 0.2
done
[ -n "$painted" ] || fail "no splash on the screen after 20 s: $(cat "$work/app.err")"
echo "ok: the installed program painted its splash after $((($(date +%s%N) - started) / 1000000)) ms"

wid=$(xdotool search --name '^Selvaquin v2601\.302245$' | head -n1)
[ -n "$wid" ] || fail "no window titled Selvaquin v2601.302245"
xprop -id "$wid" WM_CLASS | grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$desktop")\"" ||
    fail "the window's class does not match the menu entry: $(xprop -id "$wid" WM_CLASS)"
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove --sync $((X + 855)) $((Y + HEIGHT - 600 + 542)) click 1
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the close button did not end the installed program"
wait "$app_pid"
status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the installed program ended with status $status"
[ ! -s "$work/app.err" ] || fail "the installed program complained: $(cat "$work/app.err")"
echo "ok: the close button ends the installed program with status 0"
