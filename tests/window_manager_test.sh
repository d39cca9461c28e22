#!/bin/bash
# The real program under a window manager (Openbox in Xvfb), as on a desktop:
# the manager draws the title bar and frame round a fixed inside of
# 1000 x 594, menu bar included, that cannot be resized; the page shows from
# its top-left corner under the menu bar; the manager's close (Alt+F4) ends
# the program with status 0.
#
# Usage: window_manager_test.sh PATH/TO/selvaquin PATH/TO/selvaquin-drive
set -u
app=$1 drive=$2
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
command -v openbox >/dev/null || fail "openbox is not installed (tools/install-deps installs it)"

start_xvfb 1280x1024
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
on_exit="kill $wm_pid 2>/dev/null"
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start: $(cat "$work/openbox.log")"

"$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
wait_for_window "$title_pattern"
sleep 0.5

# A frame with a title bar round an inside of 1000 x 594 that stays so.
read -r left right top bottom <<<"$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)"
[ "${top:-0}" -gt 10 ] && [ "${left:-0}" -ge 0 ] ||
    fail "the window manager drew no title bar: $(xprop -id "$wid" _NET_FRAME_EXTENTS)"
size() { eval "$(xdotool getwindowgeometry --shell "$wid")"; echo "${WIDTH}x$HEIGHT"; }
[ "$(size)" = 1000x594 ] || fail "the inside is $(size), not 1000x594"
hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
grep -q 'minimum size: 1000 by 594' <<<"$hints" && grep -q 'maximum size: 1000 by 594' <<<"$hints" ||
    fail "the window can be resized: $hints"
xdotool windowsize "$wid" 1200 800
sleep 0.5
[ "$(size)" = 1000x594 ] || fail "asked to grow, the inside became $(size)"
echo "ok: a title bar and frame (left $left, right $right, top $top, bottom $bottom) round a fixed 1000x594"

# The start page from the canvas's top-left corner, under the menu bar (the
# inside's place from xwininfo: xdotool counts a reparented window's frame
# offset twice).
read -r _ _ _ _ _ client_y _ client_h <<<"$(printf 'window\n' | "$drive" 2>/dev/null)"
cx=$(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left X: *//p')
cy=$(($(xwininfo -id "$wid" | sed -n 's/.*Absolute upper-left Y: *//p') + client_y))
printf 'png %s\n' "$work/canvas.png" | "$drive" >/dev/null 2>&1
shows "$work/canvas.png" "the page shows from its top-left corner under the menu bar"

# The window manager's close, as the title bar's close box does it. The manager closes the window
# that has the focus, which on a busy machine can come a moment after the window is marked active.
xdotool windowactivate --sync "$wid"
for _ in $(seq 50); do [ "$(xdotool getwindowfocus)" = "$wid" ] && break; sleep 0.1; done
xdotool key --clearmodifiers alt+F4
ends_with_zero "the window manager's close (Alt+F4)"
[ ! -s "$work/app.err" ] || fail "the program complained: $(cat "$work/app.err")"
# At a scale factor of 2 (2000 x 1188) it is too large for the screen: its frame stays at the top left.
QT_SCALE_FACTOR=2 "$app" >/dev/null 2>&1 & app_pid=$!
wait_for_window "$title_pattern"
[ "$(xwininfo -id "$wid" -frame | grep -c 'upper-left [XY]: *0$')" -eq 2 ] || fail "at a scale factor of 2 the frame is at $(xwininfo -id "$wid" -frame | grep upper-left | tr -s ' ')"
