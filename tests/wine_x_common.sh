# shellcheck shell=bash
# Sourced, after x_common.sh, by the tests that run the Windows programs
# under wine64 in an X server of their own: the Wine session on that server,
# finding the program's window, its frame, client area and close box.
session=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../tools/wine-session")

# start_wine_x11 PREFIX: Xvfb, and a Wine session of PREFIX (a prefix in
# which Wine draws on X, made on first use) on it for the rest of the test;
# the environment of the prefix is exported for wine64.
start_wine_x11() {
    local prefix=$1
    start_xvfb 1280x1024
    # A session left by an earlier test belongs to another display.
    "$session" stop "$prefix"
    WINE_SESSION_DISPLAY=x11 "$session" start "$prefix" >"$work/session.log" 2>&1 ||
        fail "no Wine session: $(cat "$work/session.log")"
    grep -q '"Graphics"="x11"' "$prefix/user.reg" ||
        fail "Wine draws on no X server in $prefix: remove it, it is made again"
    on_exit+="${on_exit:+; }\"$session\" stop \"$prefix\""
    eval "$("$session" env "$prefix")"
}

# wait_for_window TITLE: sets wid to the visible window of that title once
# the program $app_pid has mapped it (30 s at most), and X Y WIDTH HEIGHT to
# its place and size, the frame included; frame to the width of the frame,
# cx cy to the top-left corner of the client area and client_height.
wait_for_window() {
    wid=""
    for _ in $(seq 150); do
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window showed"
        wid=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$wid" ] && break
        sleep 0.2
    done
    [ -n "$wid" ] || fail "no window titled $1 within 30 s"
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$wid")"
    # 1006 wide, the frame included; the client is 1000 wide, and the frame
    # takes its share of the 600 too (the title and menu bars are added).
    [ "$WIDTH" -eq 1006 ] || fail "the window is $WIDTH wide, not 1006"
    frame=$(((WIDTH - 1000) / 2))
    client_height=$((600 - 2 * frame))
    cx=$((X + frame)) cy=$((Y + HEIGHT - frame - client_height))
}

# close_box_x, close_box_y: the middle of the close box at the right end of
# the title bar, which is TITLE_HEIGHT high.
close_box() {
    close_box_x=$((X + WIDTH - frame - $1 / 2 - 2))
    close_box_y=$((Y + frame + $1 / 2))
}

# ends_with_zero HOW: the program $app_pid ends within 5 s with status 0.
ends_with_zero() {
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "$1 did not end the program"
    wait "$app_pid"
    local status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "$1 ended the program with status $status"
    echo "ok: $1 ends the program with status 0"
}
