#!/bin/bash
# The real program in a real X server (Xvfb). Without a display, or with one
# it cannot reach, it says so in one line and exits 1. With one it shows the
# splash; every page, picked from the menu bar with the mouse and typed into
# with real key events, in both languages, shows in its client area exactly
# the canvas the scenario driver draws for the same steps; the close button
# ends it with status 0. With a whole SCALE (QT_SCALE_FACTOR) above 1 it
# checks two pages instead: the client shows the canvas enlarged pixel for
# pixel (each a SCALE x SCALE block), the controls at their enlarged places.
#
# Usage: real_window_test.sh PATH/TO/selvaquin PATH/TO/selvaquin-drive [SCALE]
set -u
app=$1 drive=$2 scale=${3:-1}
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"

if [ "$scale" -eq 1 ]; then
    for display in "-u DISPLAY" DISPLAY=:987; do
        # shellcheck disable=SC2086
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$app" >"$work/out" 2>"$work/err"
        status=$?
        [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && [ ! -s "$work/out" ] ||
            fail "with env $display the program ended with $status, saying: $(cat "$work/out" "$work/err")"
        echo "ok: env $display: $(cat "$work/err")"
    done
fi

screen_size=1280x1024
[ "$scale" -gt 1 ] && screen_size="$((1300 * scale))x$((800 * scale))"
start_xvfb "$screen_size"

# The driver command that gives its menu bar the program's language.
menu_language=""
# menu_of ID: "TITLE|ITEM", the popup and the text of the item of command ID.
menu_of() {
    printf '%smenus\n' "$menu_language" | "$drive" 2>/dev/null |
        awk -F'"' -v id="$1" '/^popup / {title = $2} $1 == "item " id " " {print title "|" $2; exit}'
}
# choose TITLE ITEM: picks a menu item with the mouse, aimed by the geometry
# the driver gives (the same fonts and style offscreen), in units of the
# program: screen pixels / scale.
choose() {
    local geometry tx ty tw th ix iy iw ih
    geometry=$(printf '%stitlerect %s\nitemrect %s\n' "$menu_language" "$1" "$2" | "$drive" 2>/dev/null)
    read -r _ _ tx ty tw th <<<"$(grep '^titlerect' <<<"$geometry" | sed 's/"[^"]*"/X/')"
    read -r _ _ ix iy iw ih <<<"$(grep '^itemrect' <<<"$geometry" | sed 's/"[^"]*"/X/')"
    [ -n "${th:-}" ] && [ -n "${ih:-}" ] || fail "the driver gave no menu geometry: $geometry"
    xdotool mousemove --sync $((X + scale * (tx + tw / 2))) $((Y + scale * (ty + th / 2))) click 1
    sleep 0.7
    xdotool mousemove --sync $((X + scale * (tx + ix + iw / 2))) $((Y + scale * (ty + th + iy + ih / 2))) click 1
    sleep 0.7
}

QT_SCALE_FACTOR=$scale "$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Selvaquin v2601\.302245$' | head -n1)
[ -n "$wid" ] || fail "no window titled Selvaquin v2601.302245 appeared"
place_client "$wid" "$drive"

printf 'png %s\n' "$work/canvas.png" | "$drive" >/dev/null 2>&1
shows "$work/canvas.png" "the start page shows the splash"

# page ID STEP...: picks the item of command ID from the menu bar, plays the
# steps ("type:TEXT", "key:NAME", "click:BUTTON TEXT") and compares the client
# with the canvas the driver draws after all the program was given so far
# (field texts stay between pages), its visible fields and options masked.
history=""
page() {
    local title item step kind x y masks=()
    IFS='|' read -r title item <<<"$(menu_of "$1")"
    shift
    choose "$title" "$item"
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    history+="menu $item"$'\n'
    for step in "$@"; do
        case $step in
        type:*) xdotool type --delay 40 "${step#type:}" ;;
        key:*) xdotool key --delay 40 "${step#key:}" ;;
        click:*)
            read -r _ x y _ < <(printf '%sdump\n' "$history" | "$drive" 2>/dev/null |
                grep "^button .* \"${step#click:}\"\$" | tail -n1)
            [ -n "${y:-}" ] || fail "$item: no button ${step#click:} to click"
            xdotool mousemove --sync $((cx + scale * (x + 7))) $((cy + scale * (y + 8))) click 1
            sleep 0.3 ;;
        esac
        history+="${step%%:*} ${step#*:}"$'\n'
    done
    printf '%spng %s\ndump\n' "$history" "$work/canvas.png" | "$drive" >"$work/dump" 2>&1 ||
        fail "the driver could not play the steps for $item: $(tail -n2 "$work/dump")"
    while read -r kind x y _; do
        case $kind in
        field) masks+=(-draw "rectangle $x,$y $((x + 99)),$((y + 24))") ;;
        button) [ "$x" -ne 800 ] && masks+=(-draw "rectangle $x,$y $((x + 159)),$((y + 19))") ;;
        esac
    done <"$work/dump"
    shows "$work/canvas.png" "$item after: $*" "${masks[@]}"
}

# Enlarged: a page with a graph and a crossover with its filter-type buttons.
if [ "$scale" -gt 1 ]; then
    page 1017 type:1000 key:Tab type:0,1 key:Return
    page 502 type:8 key:Tab type:6 key:Tab type:3000 key:Return click:Linkwitz-Riley
    close_ends_program $((cx + scale * 855)) $((cy + scale * 542))
    exit 0
fi

# One scenario per page: in Swedish typical values are typed, with TAB and
# ENTER, and a filter type chosen on two crossovers; in English each page is
# opened again with the values it holds and ENTER is pressed.
# shellcheck disable=SC2086
for scenario in "${page_scenarios[@]}"; do page $scenario; done

# English from the menu: the bare page, no fields; then every page again.
choose Svenska English
history+="menu English"$'\n'
menu_language="command 2102"$'\n'
printf '%spng %s\n' "$history" "$work/canvas.png" | "$drive" >/dev/null 2>&1
shows "$work/canvas.png" "choosing English shows the bare page"
for scenario in "${page_scenarios[@]}"; do page "${scenario%% *}" key:Return; done

close_ends_program $((cx + scale * 855)) $((cy + scale * 542))
