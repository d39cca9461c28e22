# shellcheck shell=bash
# Sourced by the tests of the real programs in Xvfb (Windows: under wine64): Xvfb, Openbox,
# the Wine session, the client area against the driver's canvas, the program's end.
work=$(mktemp -d)
xvfb_pid="" app_pid="" on_exit=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    eval "$on_exit"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
needs() {
    for tool in "$@"; do command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps installs it)"; done
}
needs Xvfb xdotool import convert compare
session=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../tools/wine-session")
# The title: the name and the project's version; title_pattern matches it whole.
SELVAQUIN_TITLE="Selvaquin v$(sed -n 's/^project(selvaquin VERSION \([0-9.]*\) .*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt")"
export SELVAQUIN_TITLE
title_pattern="^${SELVAQUIN_TITLE//./\\.}\$"
scale=${scale:-1}
times() { for ((k = 0; k < $1; k++)); do echo "$2"; done; }
# within SECONDS COMMAND...: COMMAND succeeds within SECONDS, tried every 0.1 s.
within() { local end=$((SECONDS + $1)); shift; until "$@"; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.1; done; }

# start_xvfb WxH: Xvfb as DISPLAY (in place of an earlier one), a private runtime directory.
start_xvfb() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" && wait "$xvfb_pid"
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    within 10 test -s "$work/display"
    exec 3>&-
    DISPLAY=":$(head -n1 "$work/display")"
    mkdir -p -m 700 "$work/runtime"
    export DISPLAY XDG_RUNTIME_DIR=$work/runtime
    # A new server has refused clients started at once.
    within 10 eval 'xprop -root >/dev/null 2>&1' || fail "Xvfb on $DISPLAY answers no client: $(cat "$work/xvfb.log")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
}

# start_openbox [RC_XML]: Openbox on DISPLAY (pid in wm_pid) until the test ends.
start_openbox() {
    needs openbox
    for _ in 1 2 3; do
        openbox --sm-disable ${1:+--config-file "$1"} >"$work/openbox.log" 2>&1 &
        wm_pid=$!
        on_exit+="${on_exit:+; }kill $wm_pid 2>/dev/null"
        for _ in $(seq 50); do
            kill -0 "$wm_pid" 2>/dev/null || break
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
            sleep 0.1
        done
    done
    fail "openbox did not start: $(cat "$work/openbox.log")"
}

# start_wine_x11 PREFIX [MANAGED]: Xvfb and a Wine session of PREFIX drawing on it, its
# frames its own (MANAGED Y: a window manager's), its environment exported.
start_wine_x11() {
    start_xvfb 1280x1024
    "$session" stop "$1" # one left by an earlier test belongs to another display
    WINE_SESSION_DISPLAY=x11 "$session" start "$1" >"$work/session.log" 2>&1 ||
        fail "no Wine session: $(cat "$work/session.log")"
    grep -q '"Graphics"="x11"' "$1/user.reg" || fail "Wine draws on no X server in $1: remove it, it is made again"
    on_exit+="${on_exit:+; }\"$session\" stop \"$1\""
    eval "$("$session" env "$1")"
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "${2:-N}" /f >/dev/null 2>&1 ||
        fail "could not tell Wine whether a window manager frames its windows"
}

driver() {
    if [ "${platform:-linux}" = linux ]; then "$drive" 2>/dev/null; else "$session" run "$drive_prefix" "$drive" 2>&1; fi
}

# wait_for_window TITLE [FRAMED]: wid, X Y WIDTH HEIGHT of $app_pid's window once its place
# holds for a second. FRAMED (Wine's, 1006 wide): frame, its width; cx cy client_h, the client.
wait_for_window() {
    wid=""
    for _ in $(seq 150); do
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window showed"
        wid=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$wid" ] && break
        sleep 0.2
    done
    [ -n "$wid" ] || fail "no window titled $1 within 30 s"
    local place="" last="" same=0
    for _ in $(seq 60); do
        place=$(timeout 5 xdotool getwindowgeometry --shell "$wid")
        [ "$place" = "$last" ] && same=$((same + 1)) || same=0
        last=$place
        [ "$same" -ge 4 ] && break
        sleep 0.25
    done
    eval "$place"
    [ -z "${2:-}" ] && return
    [ "$WIDTH" -eq 1006 ] || fail "the window is $WIDTH wide, not 1006"
    frame=$(((WIDTH - 1000) / 2)) client_h=$((600 - 2 * frame))
    cx=$((X + frame)) cy=$((Y + HEIGHT - frame - client_h))
}

# place_client DRIVER...: the inside, menu bar included, is 1000 x 594 times the scale;
# cx cy client_h: the client area under the bar, as the driver lays it out.
place_client() {
    local client_x client_y
    [ "$WIDTH" -eq $((1000 * scale)) ] && [ "$HEIGHT" -eq $((594 * scale)) ] ||
        fail "the window's inside is ${WIDTH}x$HEIGHT, not $((1000 * scale))x$((594 * scale))"
    read -r _ _ _ _ client_x client_y _ client_h <<<"$(printf 'window\n' | "$@" 2>/dev/null)"
    [ "${client_x:-}" = 0 ] && [ "${client_y:-0}" -gt 10 ] && [ $((client_y + client_h)) -eq 594 ] ||
        fail "the driver's client area is not under a menu bar: $client_x $client_y $client_h"
    cx=$X cy=$((Y + scale * client_y))
}

# scenarios DRIVER...: "ID type:A key:Tab type:B key:Return" for each page, its typical values (pages.sh).
scenarios() {
    bash "$(dirname "${BASH_SOURCE[0]}")/pages.sh" values "$@" | awk '{
        n = split(substr($0, length($1 " " $2 " ") + 1), v, / \| /); s = $1
        for (i = 1; i <= n; i++) s = s " type:" v[i] " key:" (i < n ? "Tab" : "Return"); print s }'
}

# shows WHAT: within 30 s the client at cx cy shows $work/canvas.png's first client_h rows
# times the scale, the close button, the top edge and the fields and option buttons of
# $work/dump (canvas pixels) painted over in both.
shows() {
    local kind x y rects=() diff=""
    mask() { rects+=(-draw "rectangle $(($1 * scale)),$(($2 * scale)) $((($1 + $3) * scale - 1)),$((($2 + $4) * scale - 1))"); }
    mask 800 530 110 25
    mask 0 0 1000 1
    while read -r kind x y _; do
        case $kind in
        field) mask "$x" "$y" 100 25 ;;
        button) [ "$x" -eq 800 ] || mask "$x" "$y" 160 20 ;;
        esac
    done <"$work/dump"
    convert "$work/canvas.png" -crop "1000x$client_h+0+0" +repage -scale "$((100 * scale))%" -fill black \
        "${rects[@]}" "PNG24:$work/expected.png"
    for _ in $(seq 60); do
        import -window root -crop "$((1000 * scale))x$((client_h * scale))+$cx+$cy" +repage "$work/raw.png"
        convert "$work/raw.png" -fill black "${rects[@]}" "PNG24:$work/real.png"
        diff=$(compare -metric AE "$work/real.png" "$work/expected.png" null: 2>&1)
        [ "$diff" = 0 ] && echo "ok: $1" && return 0
        sleep 0.5
    done
    cp "$work/real.png" "$work/expected.png" "${TMPDIR:-/tmp}/"
    fail "$1: $diff pixels differ (${TMPDIR:-/tmp}/real.png against expected.png)"
}

# shows_after WHAT SCRIPT: the client shows what the driver draws after SCRIPT, controls masked.
shows_after() {
    printf '%spng %s\ndump\n' "$2" "$work/canvas.png" | driver >"$work/dump" ||
        fail "the driver could not play: $(tail -n2 "$work/dump")"
    shows "$1"
}

# ends_with_zero HOW [X Y]: after a click at X Y, $app_pid ends within 20 s with status 0.
ends_with_zero() {
    [ $# -eq 3 ] && xdotool mousemove --sync "$2" "$3" click 1
    within 20 eval "! kill -0 $app_pid 2>/dev/null" || fail "$1 did not end the program"
    wait "$app_pid"
    local status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "$1 ended the program with status $status$(tail -n 20 "$work/app.err" 2>/dev/null | sed "s/^/\n  /")"
    echo "ok: $1 ends the program with status 0"
}
