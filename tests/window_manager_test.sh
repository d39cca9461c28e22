#!/bin/bash
# The real program under a window manager (Openbox in Xvfb), as on a desktop.
# On Linux the manager draws the title bar and frame round a fixed inside of
# 1000 x 594, menu bar included, that cannot be resized; the page shows from
# its top-left corner under the menu bar; the frame, title bar included, is
# centred on the screen half a title bar up and kept on the work area, at
# scale factors 1 and 2 on two screens; the manager's close (Alt+F4) ends the
# program with status 0. On both platforms (Windows: under Wine, which leaves
# the frame to the manager) the keys typed after the window was minimised and
# activated again, and after another window and Alt+Tab back, go on into the
# field that had the focus.
#
# Usage: window_manager_test.sh linux selvaquin selvaquin-drive
#        window_manager_test.sh windows selvaquin.exe selvaquin-drive.exe DRIVE_PREFIX X11_PREFIX
set -u
platform=$1 app=$2 drive=$3 drive_prefix=${4:-} x11_prefix=${5:-}
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
command -v openbox >/dev/null || fail "openbox is not installed (tools/install-deps installs it)"
title='^Selvaquin v2601\.302245$'

# openbox_on WxH: Openbox on a new Xvfb of that size (on Windows the Wine
# session's), its work area 30 pixels in from the left and 40 from the top.
sed '/<margins>/,/<\/margins>/{s|<top>0<|<top>40<|;s|<left>0<|<left>30<|}' \
    /etc/xdg/openbox/rc.xml >"$work/rc.xml"
wm_pid=""
openbox_on() {
    [ -n "$wm_pid" ] && kill "$wm_pid"
    if [ "$platform" = linux ]; then start_xvfb "$1"; else start_wine_x11 "$x11_prefix" Y; fi
    openbox --sm-disable --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    on_exit+="${on_exit:+; }kill $wm_pid 2>/dev/null"
    for _ in $(seq 50); do xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 30, 40,' && break; sleep 0.1; done
    xprop -root _NET_WORKAREA | grep -q '= 30, 40,' || fail "openbox did not start: $(cat "$work/openbox.log")"
}

# start [SCALE]: the program started, its window found; stop: ended.
start() {
    if [ "$platform" = linux ]; then
        QT_SCALE_FACTOR=${1:-1} "$app" >/dev/null 2>"$work/app.err" &
    else
        wine64 "$app" >/dev/null 2>"$work/app.err" &
    fi
    app_pid=$!
    wait_for_window "$title"
}
stop() { kill "$app_pid" && wait "$app_pid"; app_pid=""; }

# placed SCREEN SCALE: the frame, from the manager's extents, where its size
# centres it on the screen half a title bar up, kept on the work area (to
# within a pixel of the screen's at the scale, in which the program counts).
placed() {
    local s=$2 left right top bottom w h x y dx dy wx wy ww wh
    read -r wx wy ww wh _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //' | tr -d ,)"
    for _ in $(seq 50); do
        read -r left right top bottom <<<"$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)"
        ((w = 1000 * s + left + right, h = 594 * s + top + bottom))
        ((x = (${1%x*} - w) / 2, y = (${1#*x} - h - top) / 2))
        ((x = x > wx + ww - w ? wx + ww - w : x, y = y > wy + wh - h ? wy + wh - h : y))
        ((x = x < wx ? wx : x, y = y < wy ? wy : y))
        read -r dx dy <<<"$(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left [XY]: *//p' | tr '\n' ' ')"
        ((dx -= left + x, dy -= top + y))
        ((top > 10 && dx >= 0 && dx < s && dy >= 0 && dy < s)) && break
        sleep 0.2
    done
    ((top > 10)) || fail "the window manager drew no title bar: $(xprop -id "$wid" _NET_FRAME_EXTENTS)"
    ((dx >= 0 && dx < s && dy >= 0 && dy < s)) ||
        fail "on $1 at a scale of $s the frame is at $((x + dx)) $((y + dy)), not $x $y"
    echo "ok: on $1 at a scale of $s the frame (left $left, right $right, top $top, bottom $bottom) is at $x $y"
}

# focused: the window holds the focus (it can come a moment after it is marked active).
focused() {
    xdotool windowactivate --sync "$wid"
    for _ in $(seq 50); do [ "$(xdotool getwindowfocus)" = "$wid" ] && return; sleep 0.1; done
    fail "the window did not get the focus back"
}

# keys WHAT KEYS...: the keys typed (xdotool's names; digits typed as text),
# then the client area shows what the driver draws for all keys so far.
history="key F10"$'\n'"key Right"$'\n'"key Down"$'\n'"key Return"$'\n'
keys() {
    local what=$1 key
    shift
    for key in "$@"; do
        if [[ $key =~ ^[0-9]+$ ]]; then xdotool type --delay 40 "$key"; history+="type $key"$'\n'
        else xdotool key "$key"; history+="key $key"$'\n'; fi
    done
    printf '%spng %s\ndump\n' "$history" "$work/canvas.png" | driver >"$work/dump" ||
        fail "the driver could not play: $(tail -n2 "$work/dump")"
    mapfile -t rects < <(masks "$work/dump")
    client_at
    shows "$work/canvas.png" "$what" "${rects[@]}"
}

# The second menu's first page from the keyboard, a value typed; the window,
# the only one, minimised and activated again, a digit more; another window
# opened, Alt+Tab back, a digit more.
keeps_focus() {
    focused
    xdotool key --delay 200 F10 Right Down Return
    keys "a value typed into the page chosen from the keyboard" 12 Return
    xdotool windowminimize --sync "$wid"
    focused
    keys "after the window was minimised and activated again, the keys go into its field" 3 Return
    xmessage another window >/dev/null 2>&1 &
    for _ in $(seq 100); do [ "$(xdotool getwindowfocus)" != "$wid" ] && break; sleep 0.1; done
    [ "$(xdotool getwindowfocus)" != "$wid" ] || fail "another window opened did not take the focus"
    xdotool key alt+Tab
    for _ in $(seq 50); do [ "$(xdotool getwindowfocus)" = "$wid" ] && break; sleep 0.1; done
    keys "after another window and Alt+Tab back, the keys go into its field" 4 Return
}

openbox_on 1280x1024
start
# Where the client area shows (the window's place from xwininfo: xdotool
# counts a reparented window's frame offset twice): on Linux the page from
# its top-left corner under the menu bar, the driver's client area; under
# Wine the window's bottom rows, under the menu bar.
client_y=$((HEIGHT - 594)) client_h=594
[ "$platform" = linux ] && read -r _ _ _ _ _ client_y _ client_h <<<"$(printf 'window\n' | driver)"
client_at() {
    cx=$(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left X: *//p')
    cy=$(($(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left Y: *//p') + client_y))
}
[ "$platform" = windows ] && keeps_focus && exit 0
placed 1280x1024 1
size() { eval "$(xdotool getwindowgeometry --shell "$wid")"; echo "${WIDTH}x$HEIGHT"; }
[ "$(size)" = 1000x594 ] || fail "the inside is $(size), not 1000x594"
hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
grep -q 'minimum size: 1000 by 594' <<<"$hints" && grep -q 'maximum size: 1000 by 594' <<<"$hints" ||
    fail "the window can be resized: $hints"
xdotool windowsize "$wid" 1200 800
sleep 0.5
[ "$(size)" = 1000x594 ] || fail "asked to grow, the inside became $(size)"
echo "ok: a fixed inside of 1000x594"

printf 'png %s\n' "$work/canvas.png" | driver >/dev/null
client_at
shows "$work/canvas.png" "the page shows from its top-left corner under the menu bar"
keeps_focus

# The window manager's close, as the title bar's close box does it.
focused
xdotool key --clearmodifiers alt+F4
ends_with_zero "the window manager's close (Alt+F4)"
[ ! -s "$work/app.err" ] || fail "the program complained: $(cat "$work/app.err")"

# At a scale factor of 2 (2000 x 1188) the window is too large for either screen.
start 2
placed 1280x1024 2
stop
openbox_on 1920x1080
for scale_factor in 1 2; do
    start "$scale_factor"
    placed 1920x1080 "$scale_factor"
    stop
done
