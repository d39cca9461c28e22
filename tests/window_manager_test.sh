#!/bin/bash
# The real program under Openbox in Xvfb. Linux: a frame round a fixed inside of 1000 x 594
# centred half a title bar up and kept on the work area, at scale 1 and 2 on two screens; Alt+F4
# ends it with status 0. Both (Windows: Wine leaving the frame to the manager): keys typed after
# minimise and restore, and after Alt+Tab back from another window, go into the field.
# Usage: as real_window_test.sh (no SCALE)
set -u
platform=$1 app=$2 drive=$3 drive_prefix=${4:-} x11_prefix=${5:-}
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"

# openbox_on WxH: Openbox on a new X server of that size (Windows: the Wine session's), its
# work area 30 pixels in from the left and 40 from the top.
sed '/<margins>/,/<\/margins>/{s|<top>0<|<top>40<|;s|<left>0<|<left>30<|}' \
    /etc/xdg/openbox/rc.xml >"$work/rc.xml"
wm_pid=""
openbox_on() {
    [ -n "$wm_pid" ] && kill "$wm_pid" && wait "$wm_pid"
    if [ "$platform" = linux ]; then start_xvfb "$1"; else start_wine_x11 "$x11_prefix" Y; fi
    start_openbox "$work/rc.xml"
    within 5 eval "xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 30, 40,'" || fail "openbox did not take the margins"
}
start() {
    if [ "$platform" = linux ]; then QT_SCALE_FACTOR=${1:-1} "$app" >/dev/null 2>"$work/app.err" &
    else wine64 "$app" >/dev/null 2>"$work/app.err" & fi
    app_pid=$!
    wait_for_window "$title_pattern"
}

# placed SCREEN SCALE: the frame (the manager's extents) centred, kept on the work area.
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
        ((top > 10 && dx >= 0 && dx < s && dy >= 0 && dy < s)) &&
            echo "ok: on $1 at scale $s the frame (left $left, right $right, top $top, bottom $bottom) is at $x $y" && return
        sleep 0.2
    done
    fail "on $1 at scale $s the frame is at $((x + dx)) $((y + dy)), not $x $y ($(xprop -id "$wid" _NET_FRAME_EXTENTS))"
}

focus_is() {
    within 10 eval "[ \"\$(xdotool getwindowfocus)\" ${1:-=} $wid ]" || fail "the focus is at $(xdotool getwindowfocus), the window $wid"
}
focused() { xdotool windowactivate --sync "$wid" && focus_is; }

# keys WHAT KEY...: the keys typed (digits as text); the client shows the driver's canvas after
# all keys so far (placed by xwininfo: xdotool counts a reparented window's frame twice).
history=""
keys() {
    local what=$1 key
    shift
    for key in "$@"; do
        if [[ $key =~ ^[0-9]+$ ]]; then xdotool type "$key"; history+="type $key"$'\n'
        else xdotool key --delay 200 "$key"; history+="key $key"$'\n'; fi
    done
    read -r cx cy <<<"$(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left [XY]: *//p' | tr '\n' ' ')"
    cy=$((cy + client_y))
    shows_after "$what" "$history"
}

openbox_on 1280x1024
start
# The client area: under the menu bar on Linux (as the driver has it), under Wine the bottom rows.
client_y=$((HEIGHT - 594)) client_h=594
if [ "$platform" = linux ]; then
    read -r _ _ _ _ _ client_y _ client_h <<<"$(printf 'window\n' | driver)"
    placed 1280x1024 1
    xdotool windowsize "$wid" 1200 800
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "${WIDTH}x$HEIGHT" = 1000x594 ] || fail "asked to grow, the inside became ${WIDTH}x$HEIGHT"
    echo "ok: a fixed inside of 1000x594"
fi

# A page from the keyboard, a value typed; minimised and activated again, a digit more;
# another window, Alt+Tab back, a digit more.
focused
keys "a value typed into the page chosen from the keyboard" F10 Right Down Return 12 Return
xdotool windowminimize --sync "$wid"
focused
keys "after minimise and restore the page shows again"
keys "after minimise and restore the keys go into the field" 3 Return
xmessage another window >/dev/null 2>&1 &
focus_is !=
xdotool key alt+Tab
focus_is
keys "after another window and Alt+Tab back the keys go into the field" 4 Return
[ "$platform" = windows ] && exit 0

xdotool key --clearmodifiers alt+F4
ends_with_zero "the window manager's close (Alt+F4)"
[ ! -s "$work/app.err" ] || fail "the program complained: $(cat "$work/app.err")"

# At a scale factor of 2 (2000 x 1188) the window is too large for either screen.
start 2
placed 1280x1024 2
openbox_on 1920x1080
for s in 1 2; do
    start "$s"
    placed 1920x1080 "$s"
    kill "$app_pid"; wait "$app_pid"; app_pid=""
done
