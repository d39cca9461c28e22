#!/bin/bash
# The real program in Xvfb (the Windows one under wine64): every page, picked
# from the menu bar by mouse and by F10 and arrows, typed into, a filter type
# clicked, shows the canvas the driver draws for the same steps (controls
# masked); so do English and the pages again. The close button (on Windows
# also the close box and Alt+F4) ends it with status 0. On Linux a missing
# display is said in one line, exit 1; at SCALE 2 a canvas pixel is a block.
# Usage: real_window_test.sh linux selvaquin selvaquin-drive [SCALE]
#        real_window_test.sh windows selvaquin.exe selvaquin-drive.exe DRIVE_PREFIX X11_PREFIX
#   DRIVE_PREFIX: the Wine prefix the driver runs in (any display);
#   X11_PREFIX: one in which Wine draws on X, made when missing.
set -u
platform=$1 app=$2 drive=$3 drive_prefix=${4:-} x11_prefix=${5:-} scale=1
[ "$platform" = linux ] && scale=${4:-1}
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"

if [ "$platform" = linux ]; then
    mapfile -t page_scenarios < <(scenarios "$drive")
else
    mapfile -t page_scenarios < <(scenarios "$session" run "$drive_prefix" "$drive")
fi
[ "${#page_scenarios[@]}" -gt 0 ] || fail "no page scenarios"

if [ "$platform" = linux ] && [ "$scale" -eq 1 ]; then
    for display in "-u DISPLAY" DISPLAY=:987; do
        # shellcheck disable=SC2086
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$app" >"$work/out" 2>"$work/err"
        status=$?
        [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && [ ! -s "$work/out" ] ||
            fail "with env $display the program ended with $status, saying: $(cat "$work/out" "$work/err")"
        echo "ok: env $display: $(cat "$work/err")"
    done
fi

# The menu bar in each language, as the driver lists it.
menus_sv=$(printf 'menus\n' | driver)
menus_en=$(printf 'command 2102\nmenus\n' | driver)
grep -q '^item 1130 ' <<<"$menus_sv" || fail "the driver lists no menus: $menus_sv"
menus=$menus_sv

# where ID: "TITLE|ITEM|T|I", the popup and the text of the item of command
# ID, the popup's place in the bar and the item's among the popup's items
# (rules not counted), both from 0.
where() {
    awk -F'"' -v id="$1" '
        /^popup / {title = $2; t++; i = 0}
        /^item / {if ($1 == "item " id " ") {print title "|" $2 "|" t - 1 "|" i; exit} i++}' <<<"$menus"
}

# The follower: one driver for the whole run, given each step as the real
# program is given it (on Windows in the driver's prefix, whose display is
# its own). ask LINE [END]: what it prints for LINE, one line or up to END.
trap '' PIPE
if [ "$platform" = linux ]; then
    coproc follower { exec "$drive" 2>"$work/follower.err"; }
else
    coproc follower {
        eval "$("$session" env "$drive_prefix")"
        "$session" start "$drive_prefix" >/dev/null 2>&1
        exec wine64 "$drive" 2>"$work/follower.err"
    }
fi
trap 'kill "$follower_PID" 2>/dev/null; cleanup' EXIT
exec {to_follower}>&"${follower[1]}" {from_follower}<&"${follower[0]}"
follow() { printf '%s\n' "$1" >&"$to_follower"; }
ask() {
    local line
    follow "$1"
    while IFS= read -r -t 120 line <&"$from_follower"; do
        line=${line%$'\r'}
        printf '%s\n' "$line"
        [ -z "${2:-}" ] || [ "$line" = "$2" ] && return 0
    done
    fail "the driver gave nothing for: $1 ($(cat "$work/follower.err"))"
}

# start: the program started afresh and its window found; on Windows clicked
# once (Wine gives a window keys only once it has been activated).
start() {
    if [ "$platform" = linux ]; then
        QT_SCALE_FACTOR=$scale "$app" >"$work/app.out" 2>"$work/app.err" &
        app_pid=$!
        wait_for_window "$title_pattern"
        place_client driver
        bar_x=$X bar_y=$Y
    else
        wine64 "$app" >"$work/app.out" 2>"$work/app.err" &
        app_pid=$!
        wait_for_window "$title_pattern" framed
        xdotool mousemove --sync $((cx + 500)) $((cy + 150)) click 1
        [ -n "${bar_height:-}" ] || bar_height=$(($(ask 'titlerect Svenska' | awk '{print $NF}') + 1))
        bar_x=$cx bar_y=$((cy - bar_height))
    fi
}
if [ "$platform" = linux ]; then
    screen_size=1280x1024
    [ "$scale" -gt 1 ] && screen_size="$((1300 * scale))x$((800 * scale))"
    start_xvfb "$screen_size"
else
    start_wine_x11 "$x11_prefix"
fi
start

# popup WHAT OPEN|CLOSED: waits until the menu WHAT shows (a window more on
# the screen than $shown, as the popup is a window of its own) or has gone.
popup() {
    local want=$shown
    [ "$2" = open ] && want=$((shown + 1))
    for _ in $(seq 200); do
        [ "$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)" -eq "$want" ] && return 0
        sleep 0.1
    done
    fail "the menu $1 is not $2 after 20 s"
}

# by_mouse ID: picks the item of command ID with two clicks at the places the
# driver gives (on Windows the click opens the platform's popup, which takes
# the arrow keys).
by_mouse() {
    local title item i tx ty tw th ix iy iw ih keys=()
    IFS='|' read -r title item _ i <<<"$(where "$1")"
    read -r _ _ tx ty tw th <<<"$(ask "titlerect $title" | sed 's/"[^"]*"/X/')"
    [ -n "${th:-}" ] || fail "the driver gave no place for the title $title"
    shown=$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)
    xdotool mousemove --sync $((bar_x + scale * (tx + tw / 2))) $((bar_y + scale * (ty + th / 2))) click 1
    popup "$title" open
    if [ "$platform" = windows ]; then
        for _ in $(seq 0 "$i"); do keys+=(Down); done
        xdotool key "${keys[@]}" Return
    else
        read -r _ _ ix iy iw ih <<<"$(ask "itemrect $item" | sed 's/"[^"]*"/X/')"
        [ -n "${ih:-}" ] || fail "the driver gave no place for the item $item"
        xdotool mousemove --sync $((bar_x + scale * (tx + ix + iw / 2))) $((bar_y + scale * (ty + th + iy + ih / 2))) click 1
    fi
    popup "$title" closed
}

# by_keys ID: F10 selects the first title, Right moves along the bar, Down
# opens the menu on its first item and moves down the items, Return chooses.
by_keys() {
    local title t i keys=(F10)
    IFS='|' read -r title _ t i <<<"$(where "$1")"
    [ -n "${i:-}" ] || fail "no menu item $1"
    shown=$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)
    for _ in $(seq "$t"); do keys+=(Right); done
    xdotool key "${keys[@]}" Down
    popup "$title" open
    keys=()
    for _ in $(seq "$i"); do keys+=(Down); done
    xdotool key "${keys[@]}" Return
    popup "$title" closed
}

follow "png $work/canvas.png"
ask dump end >/dev/null
shows "$work/canvas.png" "the start page shows the splash"

# page HOW ID STEP...: picks command ID's item HOW (by_mouse, by_keys), plays
# the steps (type:TEXT key:NAME click:BUTTON) and compares the client area
# with the driver's canvas after the same steps, fields and options masked.
page() {
    local how=$1 id=$2 item step x y
    IFS='|' read -r _ item _ _ <<<"$(where "$id")"
    shift 2
    "$how" "$id"
    [ "$platform" = linux ] && { xdotool windowfocus --sync "$wid" 2>/dev/null || true; }
    follow "menu $item"
    for step in "$@"; do
        case $step in
        type:*) xdotool type --delay 40 "${step#type:}" ;;
        key:*) xdotool key --delay 40 "${step#key:}" ;;
        click:*)
            read -r _ x y _ < <(ask dump end | grep "^button .* \"${step#click:}\"\$" | tail -n1)
            [ -n "${y:-}" ] || fail "$item: no button ${step#click:} to click"
            xdotool mousemove --sync $((cx + scale * (x + 7))) $((cy + scale * (y + 8))) click 1 ;;
        esac
        follow "${step%%:*} ${step#*:}"
    done
    follow "png $work/canvas.png"
    ask dump end >"$work/dump"
    mapfile -t rects < <(masks "$work/dump")
    shows "$work/canvas.png" "$item ($how) after: $*" "${rects[@]}"
}

hows=(by_mouse by_keys)
if [ "$scale" -gt 1 ]; then
    page by_mouse 1017 type:1000 key:Tab type:0,1 key:Return
    page by_keys 502 type:8 key:Tab type:6 key:Tab type:3000 key:Return click:Linkwitz-Riley
    ends_with_zero "the close button" $((cx + scale * 855)) $((cy + scale * 542))
    exit 0
fi
for n in "${!page_scenarios[@]}"; do
    # shellcheck disable=SC2086
    page "${hows[$((n % 2))]}" ${page_scenarios[$n]}
done
page by_mouse 502 click:Linkwitz-Riley
page by_keys 503 click:Bessel

# English from the keyboard: the bare page; then the pages again with the
# values they hold, ENTER pressed (on Windows, where Wine is slow, three of
# them, a filter type clicked).
by_keys 2102
follow "menu English"
menus=$menus_en
follow "png $work/canvas.png"
ask dump end >/dev/null
shows "$work/canvas.png" "choosing English shows the bare page"
if [ "$platform" = linux ]; then
    for n in "${!page_scenarios[@]}"; do page "${hows[$((n % 2))]}" "${page_scenarios[$n]%% *}" key:Return; done
    ends_with_zero "the close button" $((cx + 855)) $((cy + 542))
    exit 0
fi
page by_mouse 1035 key:Return
page by_keys 502 key:Return click:Butterworth
page by_mouse 1130 key:Return

caption=$((HEIGHT - 600 - bar_height))
ends_with_zero "the close box" $((X + WIDTH - frame - caption / 2 - 2)) $((Y + frame + caption / 2))
start
xdotool key alt+F4
ends_with_zero "Alt+F4"
start
ends_with_zero "the close button" $((cx + 855)) $((cy + 542))
