#!/bin/bash
# The real program in Xvfb (Windows: under wine64): every page, picked from the bar by mouse
# and by F10 and arrows, typed into, a filter type clicked, shows the canvas the driver draws
# after the same steps (controls masked); so do English and the pages again. The close button
# (Windows: also Alt+F4) ends it with status 0; on Linux no display is said in one line.
# Usage: real_window_test.sh linux selvaquin selvaquin-drive [SCALE]
#        real_window_test.sh windows selvaquin.exe selvaquin-drive.exe DRIVE_PREFIX X11_PREFIX
set -u
platform=$1 app=$2 drive=$3 drive_prefix=${4:-} x11_prefix=${5:-} scale=1
[ "$platform" = linux ] && scale=${4:-1}
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
run_drive=("$drive")
[ "$platform" = windows ] && run_drive=("$session" run "$drive_prefix" "$drive")
mapfile -t page_scenarios < <(scenarios "${run_drive[@]}")
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

menus=$(printf 'menus\n' | driver)
grep -q '^item 1130 ' <<<"$menus" || fail "the driver lists no menus: $menus"
# where ID: "TITLE|ITEM|T|I": command ID's popup and item, their places in the bar and the popup
# (rules not counted), from 0.
where() {
    awk -F'"' -v id="$1" '
        /^popup / {title = $2; t++; i = 0}
        /^item / {if ($1 == "item " id " ") {print title "|" $2 "|" t - 1 "|" i; exit} i++}' <<<"$menus"
}

# The follower: one driver given each step the program is given (a replay per check would be
# quadratic). ask LINE [END]: what it prints for LINE, one line or up to END.
trap '' PIPE
coproc follower {
    if [ "$platform" = windows ]; then
        eval "$("$session" env "$drive_prefix")"
        "$session" start "$drive_prefix" >/dev/null 2>&1
        wine=wine64
    fi
    exec ${wine:-} "$drive" 2>"$work/follower.err"
}
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

# start: the program started, its window found; on Windows clicked (Wine gives keys only then).
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
    start_xvfb "$([ "$scale" -gt 1 ] && echo "$((1300 * scale))x$((800 * scale))" || echo 1280x1024)"
else
    start_wine_x11 "$x11_prefix"
fi
start

# popup OPEN|CLOSED: within 20 s the popup shows, one window more than $shown, or has gone.
windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
popup() {
    local want=$shown
    [ "$1" = open ] && want=$((shown + 1))
    within 20 eval "[ \$(windows) -eq $want ]" || fail "the menu is not $1 after 20 s"
}

# by_mouse ID: command ID's item picked with two clicks where the driver places them (Windows:
# the platform's popup, opened by the click, takes the arrows).
by_mouse() {
    local title item i tx ty tw th ix iy iw ih
    IFS='|' read -r title item _ i <<<"$(where "$1")"
    read -r _ _ tx ty tw th <<<"$(ask "titlerect $title" | sed 's/"[^"]*"/X/')"
    [ -n "${th:-}" ] || fail "the driver gave no place for the title $title"
    shown=$(windows)
    xdotool mousemove --sync $((bar_x + scale * (tx + tw / 2))) $((bar_y + scale * (ty + th / 2))) click 1
    popup open
    if [ "$platform" = windows ]; then
        # shellcheck disable=SC2046
        xdotool key $(times $((i + 1)) Down) Return
    else
        read -r _ _ ix iy iw ih <<<"$(ask "itemrect $item" | sed 's/"[^"]*"/X/')"
        [ -n "${ih:-}" ] || fail "the driver gave no place for the item $item"
        xdotool mousemove --sync $((bar_x + scale * (tx + ix + iw / 2))) $((bar_y + scale * (ty + th + iy + ih / 2))) click 1
    fi
    popup closed
}

# by_keys ID: F10 selects the first title, Right moves along, Down opens and moves, Return chooses.
by_keys() {
    local t i
    IFS='|' read -r _ _ t i <<<"$(where "$1")"
    [ -n "${i:-}" ] || fail "no menu item $1"
    shown=$(windows)
    # shellcheck disable=SC2046
    xdotool key F10 $(times "$t" Right) Down
    popup open
    # shellcheck disable=SC2046
    xdotool key $(times "$i" Down) Return
    popup closed
}

# page HOW ID STEP...: command ID's item picked HOW, the steps (type:TEXT key:NAME click:BUTTON)
# played; the client shows the driver's canvas after the same steps. With no ID the page as it is.
page() {
    local how=$1 id=${2:-} item="" what=$1 step x y
    shift
    if [ -n "$id" ]; then
        IFS='|' read -r _ item _ _ <<<"$(where "$id")"
        shift
        what="$item ($how) after: $*"
        "$how" "$id"
        [ "$platform" = linux ] && { xdotool windowfocus --sync "$wid" 2>/dev/null || true; }
        follow "menu $item"
    fi
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
    shows "$what"
}
page "the start page shows the splash"

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

# English from the keyboard: the bare page; then the pages again, ENTER pressed (Windows, where
# Wine is slow: three, a filter type clicked).
by_keys 2102
follow "menu English"
menus=$(printf 'command 2102\nmenus\n' | driver)
page "choosing English shows the bare page"
if [ "$platform" = linux ]; then
    for n in "${!page_scenarios[@]}"; do page "${hows[$((n % 2))]}" "${page_scenarios[$n]%% *}" key:Return; done
    ends_with_zero "the close button" $((cx + 855)) $((cy + 542))
    exit 0
fi
page by_mouse 1035 key:Return
page by_keys 502 key:Return click:Butterworth
page by_mouse 1130 key:Return

xdotool key alt+F4
ends_with_zero "Alt+F4"
start
ends_with_zero "the close button" $((cx + 855)) $((cy + 542))
