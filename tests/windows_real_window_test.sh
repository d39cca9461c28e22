#!/bin/bash
# The real selvaquin.exe under wine64 in a real X server (Xvfb), Wine
# drawing the frame and title bar itself. Pages are picked from the real menu
# bar, in turn with the mouse and with F10 and the arrow keys; values are
# typed with real key events, TAB and ENTER pressed and filter types clicked;
# after each page the client area shows exactly the canvas the Windows driver
# draws for the same steps (what is drawn under the fields, option buttons
# and the close button aside). Then English is chosen from the menu and a few
# pages are visited again. The close box ends the program with status 0; so
# do Alt+F4 and the close button, each in a program of its own.
#
# Usage: windows_real_window_test.sh selvaquin.exe selvaquin-drive.exe DRIVE_PREFIX X11_PREFIX
#   DRIVE_PREFIX: the Wine prefix the driver runs in (any display);
#   X11_PREFIX: one in which Wine draws on X, made when missing.
set -u
app=$1 drive=$2 drive_prefix=$3 x11_prefix=$4
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
# shellcheck source=wine_x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/wine_x_common.sh"
title='^Selvaquin v2601\.302245$'

# The driver plays the script on standard input.
driver() {
    "$session" run "$drive_prefix" "$drive" 2>&1
}

# The menu bar in each language, as the driver lists it.
menus_sv=$(printf 'menus\n' | driver)
menus_en=$(printf 'command 2102\nmenus\n' | driver)
grep -q '^item 1130 ' <<<"$menus_sv" || fail "the driver lists no menus: $menus_sv"
menus=$menus_sv menu_language=""

# where ID: "TITLE|ITEM|T|I", the popup and the text of the item of command
# ID, the popup's place in the bar and the item's among the popup's items
# (separators not counted), both from 0.
where() {
    awk -F'"' -v id="$1" '
        /^popup / {title = $2; t++; i = 0}
        /^item / {if ($1 == "item " id " ") {print title "|" $2 "|" t - 1 "|" i; exit} i++}' <<<"$menus"
}

start_wine_x11 "$x11_prefix"

# start: the program started afresh, its window found and clicked once
# (Wine gives a window keys only once it has been activated).
start() {
    wine64 "$app" >"$work/app.out" 2>"$work/app.err" &
    app_pid=$!
    wait_for_window "$title"
    xdotool mousemove --sync $((cx + 500)) $((cy + 150)) click 1
    sleep 0.3
}
start
bar_height=$(($(printf 'titlerect Svenska\n' | driver | awk '{print $NF}') + 1))
[ "$bar_height" -gt 10 ] || fail "the driver gives no menu bar height"
caption=$((HEIGHT - 600 - bar_height))
[ "$caption" -gt 10 ] || fail "the window is $HEIGHT high: no room for a title bar above the menu bar"

# by_mouse ID: picks the item of command ID with two clicks, aimed by the
# places the driver gives: the title's in the bar, right above the client
# area, and the item's relative to the popup's first, whose top edge is a
# few pixels below the bar.
by_mouse() {
    local title item geometry tx ty tw th ix iy iw ih
    IFS='|' read -r title item _ _ <<<"$(where "$1")"
    geometry=$(printf '%stitlerect %s\nitemrect %s\n' "$menu_language" "$title" "$item" | driver)
    read -r _ _ tx ty tw th <<<"$(grep '^titlerect' <<<"$geometry" | sed 's/"[^"]*"/X/')"
    read -r _ _ ix iy iw ih <<<"$(grep '^itemrect' <<<"$geometry" | sed 's/"[^"]*"/X/')"
    [ -n "${th:-}" ] && [ -n "${ih:-}" ] || fail "the driver gave no menu geometry: $geometry"
    xdotool mousemove --sync $((cx + tx + tw / 2)) $((cy - bar_height + ty + th / 2)) click 1
    sleep 0.5
    xdotool mousemove --sync $((cx + tx + ix + iw / 2)) $((cy + 3 + iy + ih / 2)) click 1
    sleep 0.5
}

# by_keys ID: F10 selects the first title, Right moves along the bar, Down
# opens the popup on its first item and moves down the items, Return
# chooses.
by_keys() {
    local t i
    IFS='|' read -r _ _ t i <<<"$(where "$1")"
    [ -n "${i:-}" ] || fail "no menu item $1"
    xdotool key F10
    sleep 0.2
    for _ in $(seq "$t"); do xdotool key Right; done
    xdotool key Down
    for _ in $(seq "$i"); do xdotool key Down; done
    xdotool key Return
    sleep 0.5
}

# shows CANVAS WHAT [-draw "rectangle X1,Y1 X2,Y2"]...: the client area shows
# the driver's canvas (as far as the client reaches), with the close button,
# the client's black top edge and the given control rectangles painted over
# in both. The program may still be painting: it gets ten seconds.
shows() {
    local canvas=$1 what=$2 diff=""
    shift 2
    local masks=(-fill black -draw "rectangle 800,530 909,554" -draw "rectangle 0,0 999,0" "$@")
    convert "$canvas" -crop "1000x$client_height+0+0" +repage "${masks[@]}" "PNG24:$work/expected.png"
    for _ in $(seq 20); do
        import -window root -crop "1000x$client_height+$cx+$cy" +repage "$work/raw.png"
        convert "$work/raw.png" "${masks[@]}" "PNG24:$work/real.png"
        diff=$(compare -metric AE "$work/real.png" "$work/expected.png" null: 2>&1)
        [ "$diff" = 0 ] && echo "ok: $what" && return 0
        sleep 0.5
    done
    cp "$work/real.png" "${TMPDIR:-/tmp}/windows_real_window_real.png"
    cp "$work/expected.png" "${TMPDIR:-/tmp}/windows_real_window_expected.png"
    fail "$what: $diff pixels differ (${TMPDIR:-/tmp}/windows_real_window_real.png against windows_real_window_expected.png)"
}

printf 'png %s\n' "$work/canvas.png" | driver >/dev/null
shows "$work/canvas.png" "the start page shows the splash"

# page HOW ID STEP...: picks the item of command ID from the menu bar HOW
# (by_mouse or by_keys), plays the steps ("type:TEXT", "key:NAME",
# "click:BUTTON TEXT") and compares the client area with the canvas the
# driver draws after all the program was given so far (field texts stay
# between pages), its visible fields and option buttons masked.
history=""
page() {
    local how=$1 id=$2 item step kind x y masks=()
    IFS='|' read -r _ item _ _ <<<"$(where "$id")"
    shift 2
    "$how" "$id"
    history+="menu $item"$'\n'
    for step in "$@"; do
        case $step in
        type:*) xdotool type --delay 40 "${step#type:}" ;;
        key:*) xdotool key --delay 40 "${step#key:}" ;;
        click:*)
            read -r _ x y _ < <(printf '%sdump\n' "$history" | driver |
                grep "^button .* \"${step#click:}\"\$" | tail -n1)
            [ -n "${y:-}" ] || fail "$item: no button ${step#click:} to click"
            xdotool mousemove --sync $((cx + x + 7)) $((cy + y + 8)) click 1
            sleep 0.3 ;;
        esac
        history+="${step%%:*} ${step#*:}"$'\n'
    done
    printf '%spng %s\ndump\n' "$history" "$work/canvas.png" | driver >"$work/dump" ||
        fail "the driver could not play the steps for $item: $(tail -n2 "$work/dump")"
    while read -r kind x y _; do
        case $kind in
        field) masks+=(-draw "rectangle $x,$y $((x + 99)),$((y + 24))") ;;
        button) [ "$x" -ne 800 ] && masks+=(-draw "rectangle $x,$y $((x + 159)),$((y + 19))") ;;
        esac
    done <"$work/dump"
    shows "$work/canvas.png" "$item ($how) after: $*" "${masks[@]}"
}

# One scenario per page, typical values typed with TAB and ENTER, a filter
# type chosen on two crossovers; the pages picked in turn with the mouse and
# the keys.
hows=(by_mouse by_keys)
for n in "${!page_scenarios[@]}"; do
    # shellcheck disable=SC2086
    page "${hows[$((n % 2))]}" ${page_scenarios[$n]}
done

# English from the keyboard: the bare page; then a few pages again with
# the values they hold, ENTER pressed, a filter type clicked.
by_keys 2102
history+="menu English"$'\n'
menus=$menus_en menu_language="command 2102"$'\n'
printf '%spng %s\n' "$history" "$work/canvas.png" | driver >/dev/null
shows "$work/canvas.png" "choosing English shows the bare page"
page by_mouse 1035 key:Return
page by_keys 502 key:Return click:Butterworth
page by_mouse 1130 key:Return

close_box "$caption"
xdotool mousemove --sync "$close_box_x" "$close_box_y" click 1
ends_with_zero "the close box"

start
xdotool key alt+F4
ends_with_zero "Alt+F4"

start
xdotool mousemove --sync $((cx + 855)) $((cy + 542)) click 1
ends_with_zero "the close button"
