# shellcheck shell=bash
# Sourced by the start-up benchmarks. start_xvfb: an X server of their own
# (Xvfb, 1280 x 1024) as DISPLAY; the caller has $work, xvfb_pid and fail.
start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    exec 3>&-
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}
