#!/bin/bash
# accessibility_test.sh SELVAQUIN DRIVER: the real program's accessibility tree in Xvfb on a bus
# of its own, read as a screen reader reads it (accessibility_tree.py).
set -u
if [ -z "${SELVAQUIN_OWN_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null && [ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
        { echo "FAIL: dbus and at-spi2-core are not installed (tools/install-deps installs them)"; exit 1; }
    SELVAQUIN_OWN_BUS=1 dbus-run-session -- "$0" "$@" 2>&1 | grep -v '^dbus-daemon\|^SpiRegistry'
    exit "${PIPESTATUS[0]}"
fi
app=$1 drive=$2 scale=1
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
start_xvfb 1280x1024
scenarios "$drive" >"$work/pages"
/usr/bin/python3 "$(dirname "$0")/accessibility_tree.py" "$drive" "$work/pages" "$work/listening" &
reader_pid=$!
for _ in $(seq 100); do [ -e "$work/listening" ] && break; sleep 0.1; done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" >"$work/app.out" 2>&1 &
app_pid=$!
wait "$reader_pid"
