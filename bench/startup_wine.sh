#!/bin/bash
# Start-up time of the Windows selvaquin.exe under wine64, next to a floor:
# a bare Win32 window of the same size with a 1000 x 600 memory canvas, a
# menu and an edit field (bench/floor_win32.cpp, floor-window.exe), both in
# one X server (Xvfb) of our own, Wine drawing the frames itself, measured
# the same way from outside by startup-watch (bench/startup_watch.cpp, from
# the Linux build):
#
# - mapped: the program's window is mapped on the X server;
# - painted: one pixel of the client area has the colour of the first paint
#   (a pixel of the splash name for Selvaquin, the canvas for the floor).
#
# Both run in one Wine session that stays up throughout, with a hidden floor
# window keeping Wine's desktop process up (as it is on Windows, where the
# system and the desktop are running before any program starts), so neither
# pays for starting Wine itself. The two programs take turns, each
# start after a short pause; one unmeasured start of each comes first. The
# medians are printed with the quartiles, and the ratios of the medians and
# of each pair of starts.
#
# Usage: bench/startup_wine.sh [WINDOWS_BUILD [LINUX_BUILD [STARTS]]]
#        (defaults build/windows-x64, build/default and 21 starts each)
set -u
cd "$(dirname "$0")/.."
# shellcheck source=x_server.sh source-path=SCRIPTDIR
source bench/x_server.sh
windows=${1:-build/windows-x64}
linux=${2:-build/default}
starts=${3:-21}
app=$(realpath -m "$windows/selvaquin.exe")
drive=$(realpath -m "$windows/selvaquin-drive.exe")
floor=$(realpath -m "$windows/bench/floor-window.exe")
watch=$(realpath -m "$linux/bench/startup-watch")
session=tools/wine-session
prefix=$(realpath -m "$windows/wine-prefix-x11")
work=$(mktemp -d)
xvfb_pid=""
prog_pid=""
keeper_pid=""

cleanup() {
    [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null
    [ -n "$keeper_pid" ] && kill "$keeper_pid" 2>/dev/null
    "$session" stop "$prefix"
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for f in "$app" "$drive" "$floor"; do
    [ -f "$f" ] || fail "$f is missing: build with cmake --build --preset windows-x64"
done
[ -x "$watch" ] || fail "$watch is missing: build with cmake --build --preset default"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps installs it)"
done

# The pixel that tells that Selvaquin's first paint is on the screen: the
# first pixel of the splash name's colour along a row through it, as the
# Windows driver draws it.
script=""
for x in $(seq 380 440); do script+="pixel $x 262"$'\n'; done
app_x=$(printf '%s' "$script" | "$session" run "$windows/wine-prefix" "$drive" 2>/dev/null |
    awk '$4 == "0x969600" {print $2; exit}')
[ -n "$app_x" ] || fail "the driver shows no splash name on row 262"

start_xvfb
"$session" stop "$prefix"
WINE_SESSION_DISPLAY=x11 "$session" start "$prefix" || fail "no Wine session"
grep -q '"Graphics"="x11"' "$prefix/user.reg" || fail "Wine draws on no X server in $prefix: remove it"
eval "$("$session" env "$prefix")"
wine64 "$floor" hidden >/dev/null 2>&1 &
keeper_pid=$!

# startup-watch counts a negative y from the window's bottom row (-1). Under
# Wine the window is 1006 wide and its client area 1000 x 594, inside a
# 3-pixel frame: client (x, y) is (x + 3, y - 597) there.
app_pixel=($((app_x + 3)) $((262 - 597)) 009696)
floor_pixel=($((500 + 3)) $((300 - 597)) 009696)

# measure NAME PIXEL-X PIXEL-Y RRGGBB PROGRAM: starts the program under
# wine64, ends it once its first paint shows; appends "MAPPED PAINTED" (ms)
# to $work/NAME.
measure() {
    local name=$1 px=$2 py=$3 rgb=$4 program=$5 line mapped painted pid
    sleep 0.5   # what the program before left to do settles first
    rm -f "$work/watch.out"
    "$watch" --unmanaged "$px" "$py" "$rgb" wine64 "$program" >"$work/watch.out" 2>"$work/watch.err" &
    local watch_pid=$!
    for _ in $(seq 600); do
        [ -s "$work/watch.out" ] && break
        kill -0 "$watch_pid" 2>/dev/null || break
        sleep 0.05
    done
    read -r line <"$work/watch.out" || fail "$name did not start: $(cat "$work/watch.err")"
    read -r _ mapped _ painted _ pid _ <<<"$line"
    prog_pid=$pid
    kill "$pid"
    wait "$watch_pid" 2>/dev/null
    prog_pid=""
    echo "$mapped $painted" >>"$work/$name"
    printf '  %-10s window mapped %7.1f ms, first paint %7.1f ms\n' "$name" "$mapped" "$painted"
}

both() {
    if [ $(($1 % 2)) -eq 0 ]; then
        measure selvaquin "${app_pixel[@]}" "$app"
        measure floor "${floor_pixel[@]}" "$floor"
    else
        measure floor "${floor_pixel[@]}" "$floor"
        measure selvaquin "${app_pixel[@]}" "$app"
    fi
}

# quartiles [DECIMALS]: "median (lower quartile-upper quartile), fastest
# least" of the numbers on standard input.
quartiles() {
    sort -g | awk -v d="${1:-1}" '{v[NR] = $1}
        function at(q,   i, f) { i = 1 + (NR - 1) * q; f = int(i); return v[f] + (i - f) * (v[f + 1] - v[f]) }
        END { f = "%." d "f"; printf f " (" f "-" f "), least " f, at(0.5), at(0.25), at(0.75), v[1] }'
}
# statistic COLUMN NAME: median or least (first or second column of the
# quartiles' output) of a program's starts, mapped (1) or painted (2).
statistic() {
    cut -d' ' -f"$1" "$work/$2" | quartiles | awk -v which="$3" '{print which == "median" ? $1 : $NF}'
}

echo "warm-up (not counted):"
both 1
rm -f "$work/floor" "$work/selvaquin"
echo "$starts starts each:"
for r in $(seq "$starts"); do both "$r"; done

echo
echo "ms: median (quartiles), least"
for column in 1 2; do
    [ "$column" = 1 ] && echo "window mapped" || echo "first paint"
    printf '  %-24s %s\n' "floor (bare Win32)" "$(cut -d' ' -f"$column" "$work/floor" | quartiles)"
    printf '  %-24s %s\n' selvaquin.exe "$(cut -d' ' -f"$column" "$work/selvaquin" | quartiles)"
    printf '  %-24s %.2f of the medians, %.2f of the least\n' "ratio" \
        "$(echo "$(statistic "$column" selvaquin median) $(statistic "$column" floor median)" | awk '{print $1 / $2}')" \
        "$(echo "$(statistic "$column" selvaquin least) $(statistic "$column" floor least)" | awk '{print $1 / $2}')"
    # Each start of Selvaquin against the floor's start next to it.
    printf '  %-24s %s\n' "ratio start by start" \
        "$(paste -d' ' "$work/selvaquin" "$work/floor" | awk -v c="$column" '{print $c / $(c + 2)}' | quartiles 2)"
done
