# shellcheck shell=bash
# Sourced by the tests that run the program in an X server of their own: a
# work directory and clean-up, fail, Xvfb, and the close button.
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
for tool in Xvfb xdotool import convert compare; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps installs it)"
done

# start_xvfb WxH: Xvfb as DISPLAY, with a private runtime directory as a
# desktop session has (without one Qt warns).
start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    exec 3>&-
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n1 "$work/display")"
    mkdir -m 700 "$work/runtime"
    export DISPLAY XDG_RUNTIME_DIR=$work/runtime
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
}

# close_ends_program X Y: a click at screen X Y, where the close button is,
# ends the program $app_pid with status 0.
close_ends_program() {
    xdotool mousemove --sync "$1" "$2" click 1
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "the close button did not end the program"
    wait "$app_pid"
    status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the close button ended the program with status $status"
    echo "ok: the close button ends the program with status 0"
}
