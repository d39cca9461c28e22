#!/bin/bash
# The real program in Xvfb, by xdotool: the menus from the keys with the focus nowhere, the
# middle button's paste of the primary selection, Shift+Insert, a drop from another program
# (which offers a text with a TAB, a character outside Windows-1252 and a line break) and the
# context menu in both languages. After each step the client shows what the driver draws after
# typing what the fields should hold (fields masked).
# Usage: real_input_test.sh selvaquin selvaquin-drive selvaquin-text-source
set -u
app=$1 drive=$2 text_source=$3 scale=1
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
start_xvfb 1280x1024

"$text_source" $'7\t8\u2192\n9' >"$work/source.out" 2>&1 &
source_pid=$!
on_exit="kill $source_pid 2>/dev/null"
swid=$(timeout 20 xdotool search --sync --onlyvisible --name '^text source$' | head -n1)
[ -n "$swid" ] || fail "the text source's window did not appear"

"$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
wait_for_window "$title_pattern"
place_client "$drive"
xdotool windowfocus --sync "$wid"
sleep 0.5

keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
at() { xdotool mousemove --sync $((cx + $2)) $((cy + $3)) click "$1"; sleep 0.3; }
# electronics N: the Nth item (from 1, rules not counted) of the electronics menu, by keys.
# shellcheck disable=SC2046
electronics() { keys F10 Right Right $(times "$1" Down) Return; }
# check WHAT LINE...: the client shows what the driver draws after the lines so far and these.
expected=""
check() {
    local what=$1
    shift
    expected+=$(printf '%s\n' "$@")$'\n'
    shows_after "$what" "$expected"
}

electronics 4
check "F10 with the focus nowhere, Right, Down over a separator and Enter open a page" \
    "menu Kondensator seriekopplat"

xdotool type --delay 60 5
at 2 290 52   # left of the right-aligned text: before the 5
keys Tab shift+Insert Return
check "the middle button and Shift+Insert paste the first line without TAB or the arrow" \
    "type 785" "key Tab" "type 78" "key Return"

electronics 5
eval "$(xdotool getwindowgeometry --shell "$swid")"
xdotool mousemove --sync $((X + 60)) $((Y + 40)) mousedown 1
sleep 0.3
for step in 1 2 3 4 5; do
    xdotool mousemove $((X + 60 + (cx + 290 - X - 60) * step / 5)) $((Y + 40 + (cy + 52 - Y - 40) * step / 5))
    sleep 0.2
done
xdotool mouseup 1
sleep 0.5
xdotool windowfocus --sync "$wid"
keys Return
check "a drop from another program takes the first line without TAB or the arrow" \
    "menu Filter Lågpass RC" "type 78" "key Return"

electronics 6
xdotool type --delay 60 5
at 3 330 52
keys i Return
check "the context menu's Klistra in pastes at the caret" \
    "menu Filter Högpass RC" "type 578" "key Return"

keys F10 Down Down Return
check "the keyboard chooses English" "command 2102"
keys alt Right Down Return
xdotool type --delay 60 6
keys Menu p Return
check "Alt with the focus nowhere opens a page; the Menu key's Paste, in English" \
    "menu Conjugate link (Zobel)" "type 678" "key Return"

ends_with_zero "the close button" $((cx + 855)) $((cy + 542))
