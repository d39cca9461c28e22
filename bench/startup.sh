#!/bin/bash
# Start-up time and peak memory of Selvaquin next to a floor: a bare Qt 6
# Widgets window of the same size with a menu bar and one line edit
# (floor-window), both in one X server (Xvfb) of our own, measured the same
# way from outside:
#
# - start-up: startup-watch starts the program and reads one pixel of the
#   window from the X server until the first paint has put it there (a pixel
#   of the splash name for Selvaquin, the inside of the line edit for the
#   floor); the program is then ended;
# - peak memory: VmHWM of the process after the menu has been used as a user
#   would: Selvaquin gets every page chosen once from its menus with mouse
#   clicks (xdotool), each page checked to have appeared; the floor gets its
#   one menu item chosen as many times.
#
# The two programs take turns, each start after a short pause; one unmeasured
# start of each comes first. The medians are printed with their ratios.
#
# With --fonts DIR (may be given more than once) both programs see only the
# fonts in DIR: fontconfig gets the machine's own rules (/etc/fonts/conf.d)
# with DIR as its one font directory, e.g. --fonts /usr/share/fonts/truetype/dejavu
# for a machine with nothing but the DejaVu fonts.
#
# Usage: bench/startup.sh [--fonts DIR]... [BUILD_DIR [STARTS [VISITS]]]
#        (defaults build/default, 15 starts and 3 runs through the pages each)
set -u
cd "$(dirname "$0")/.."
# shellcheck source=x_server.sh source-path=SCRIPTDIR
source bench/x_server.sh
font_dirs=()
while [ $# -gt 0 ]; do
    case $1 in
        --fonts) font_dirs+=("${2:?--fonts needs a directory}"); shift 2 ;;
        --) shift; break ;;
        -*) echo "usage: $0 [--fonts DIR]... [BUILD_DIR [STARTS [VISITS]]]" >&2; exit 2 ;;
        *) break ;;
    esac
done
build=${1:-build/default}
starts=${2:-15}
visits=${3:-3}
app=$build/selvaquin
drive=$build/selvaquin-drive
floor=$build/bench/floor-window
watch=$build/bench/startup-watch
work=$(mktemp -d)
xvfb_pid=""
prog_pid=""

cleanup() {
    [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for f in "$app" "$drive" "$floor" "$watch"; do
    [ -x "$f" ] || fail "$f is missing: build with cmake --build --preset default"
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (tools/install-deps installs it)"
done

if [ "${#font_dirs[@]}" -gt 0 ]; then
    {
        echo '<?xml version="1.0"?>'
        echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
        echo '<fontconfig>'
        for dir in "${font_dirs[@]}"; do
            [ -d "$dir" ] || fail "no font directory $dir"
            echo "  <dir>$(realpath "$dir")</dir>"
        done
        echo '  <include ignore_missing="yes">/etc/fonts/conf.d</include>'
        echo '  <cachedir>/var/cache/fontconfig</cachedir>'
        echo '  <cachedir prefix="xdg">fontconfig</cachedir>'
        echo '</fontconfig>'
    } >"$work/fonts.conf"
    export FONTCONFIG_FILE=$work/fonts.conf
fi
echo "fonts: $(fc-list | wc -l) faces${font_dirs[*]:+ (only ${font_dirs[*]})}"

# The pixels that tell that the first paint is on the screen: for Selvaquin
# in its canvas, which shows under the menu bar (the driver says where in the
# window), for the floor in its client, the lowest 600 rows of its window.
app_pixel=(390 265 009696)     # the middle stroke of the S of the splash name
floor_pixel=(330 $((52 - 600)) FFFFFF)    # inside the line edit, from the window's bottom
got=$(printf 'pixel %s %s\nwindow\n' "${app_pixel[0]}" "${app_pixel[1]}" |
    QT_QPA_PLATFORM=offscreen "$drive" 2>/dev/null)
[ "$(head -n1 <<<"$got")" = "pixel ${app_pixel[0]} ${app_pixel[1]} 0x969600" ] ||
    fail "the splash has moved: the driver says '$(head -n1 <<<"$got")'"
read -r _ _ _ _ client_x client_y _ <<<"$(tail -n1 <<<"$got")"
[[ "$client_x" =~ ^[0-9]+$ && "$client_y" =~ ^[0-9]+$ ]] ||
    fail "the driver gave no window layout: '$(tail -n1 <<<"$got")'"
app_pixel=($((client_x + app_pixel[0])) $((client_y + app_pixel[1])) "${app_pixel[2]}")

start_xvfb
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Where to click for each Selvaquin page: the centres of the menu title and of
# the item, relative to the menu bar (the driver lays the menus out with the
# same fonts and style).
menus=(Högtalare Högtalare Högtalare Högtalare Högtalare Högtalare Högtalare
    Elektronik Elektronik Elektronik Elektronik Elektronik Elektronik Elektronik
    Elektronik Elektronik Elektronik Elektronik)
items=("Konjugatlänk (Zobel)" "Delningsfilter 2v 6dB" "Delningsfilter 2v 12dB"
    "Delningsfilter 2v 18dB" "Baffelsteg" "Baffelsteg kompensation" "NotchFilter"
    "Effekt ur Förstärkare" "Trådmotstånd diam x längd" "Motstånd parallellkopplat"
    "Kondensator seriekopplat" "Filter Lågpass RC" "Filter Högpass RC" "Filter Bandpass RC"
    "Filter Notch" "Filter Zobel" "Filter Thiele" "Linda luftspole, ett lager")
script=""
for i in "${!items[@]}"; do
    script+="titlerect ${menus[$i]}"$'\n'"itemrect ${items[$i]}"$'\n'
done
mapfile -t geometry < <(printf '%s' "$script" | QT_QPA_PLATFORM=offscreen "$drive" 2>/dev/null |
    sed 's/"[^"]*"/X/' | awk '{print $3, $4, $5, $6}')
[ "${#geometry[@]}" -eq $((2 * ${#items[@]})) ] || fail "the driver gave no menu geometry"
app_clicks=()
for i in "${!items[@]}"; do
    read -r tx ty tw th <<<"${geometry[$((2 * i))]}"
    read -r ix iy iw ih <<<"${geometry[$((2 * i + 1))]}"
    app_clicks+=("$((tx + tw / 2)) $((ty + th / 2)) $((tx + ix + iw / 2)) $((ty + th + iy + ih / 2))")
done
# The floor's one menu: its title at the left end of the bar, its item the
# first line of the popup under it.
floor_clicks=()
for _ in "${!items[@]}"; do floor_clicks+=("20 12 30 -12"); done

# The window's image, for telling whether a page has changed.
window_sum() {
    timeout 10 "$watch" --sum "$1"
}

# measure NAME PIXEL-X PIXEL-Y RRGGBB CHECK-PAGES CLICKS... -- PROGRAM
# Starts the program, plays the clicks and ends it; appends "MS KB" to
# $work/NAME.
measure() {
    local name=$1 px=$2 py=$3 rgb=$4 check=$5 line mapped painted pid wid bar before now
    shift 5
    local clicks=()
    while [ "$1" != "--" ]; do
        clicks+=("$1")
        shift
    done
    shift
    sleep 0.5   # what the program before left to do settles first
    rm -f "$work/watch.out"   # so that no line of the program before is taken for this one
    "$watch" "$px" "$py" "$rgb" "$@" >"$work/watch.out" 2>"$work/watch.err" &
    local watch_pid=$!
    for _ in $(seq 600); do
        [ -s "$work/watch.out" ] && break
        kill -0 "$watch_pid" 2>/dev/null || break
        sleep 0.05
    done
    read -r line <"$work/watch.out" || fail "$name did not start: $(cat "$work/watch.err")"
    read -r _ mapped _ painted _ pid _ wid <<<"$line"
    prog_pid=$pid
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    bar=$((HEIGHT - 600))
    before=$(window_sum "$wid")
    local seen=" $before "
    for click in "${clicks[@]}"; do
        read -r tx ty ix iy <<<"$click"
        [ "$iy" -lt 0 ] && iy=$((bar - iy))
        timeout 10 xdotool mousemove --sync $((X + tx)) $((Y + ty)) click 1
        sleep 0.25
        timeout 10 xdotool mousemove --sync $((X + ix)) $((Y + iy)) click 1
        if [ "$check" = yes ]; then
            # The page must appear, and differ from every page before it.
            for _ in $(seq 50); do
                now=$(window_sum "$wid")
                [ "$now" != "$before" ] && break
                sleep 0.1
            done
            case $seen in *" $now "*) fail "$name: no new page after clicking $click" ;; esac
            seen+="$now "
            before=$now
        else
            sleep 0.25
        fi
    done
    local kb
    kb=$(awk '/^VmHWM:/{print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$watch_pid" 2>/dev/null
    prog_pid=""
    echo "$painted $kb" >>"$work/$name"
    printf '  %-10s start-up %7.1f ms (window mapped at %6.1f ms)  VmHWM %7d kB\n' \
        "$name" "$painted" "$mapped" "$kb"
}

# both N WITH-CLICKS: one measurement of each, taking turns on who goes first.
both() {
    local floor_args=("${floor_pixel[@]}" no) app_args=("${app_pixel[@]}" yes)
    if [ "$2" = yes ]; then
        floor_args+=("${floor_clicks[@]}")
        app_args+=("${app_clicks[@]}")
    fi
    if [ $(($1 % 2)) -eq 0 ]; then
        measure selvaquin "${app_args[@]}" -- "$app"
        measure floor "${floor_args[@]}" -- "$floor"
    else
        measure floor "${floor_args[@]}" -- "$floor"
        measure selvaquin "${app_args[@]}" -- "$app"
    fi
}

median() {
    sort -n | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

echo "warm-up (not counted):"
both 1 no
rm -f "$work/floor" "$work/selvaquin"
echo "start-up, $starts starts each:"
for r in $(seq "$starts"); do both "$r" no; done
floor_ms=$(cut -d' ' -f1 "$work/floor" | median)
app_ms=$(cut -d' ' -f1 "$work/selvaquin" | median)
rm -f "$work/floor" "$work/selvaquin"
echo "peak memory, $visits runs through the pages each:"
for r in $(seq "$visits"); do both "$r" yes; done
floor_kb=$(cut -d' ' -f2 "$work/floor" | median)
app_kb=$(cut -d' ' -f2 "$work/selvaquin" | median)

echo
echo "medians                       start-up to first paint   peak memory (VmHWM)"
printf 'floor window (bare Qt)        %10.1f ms            %10.0f kB\n' "$floor_ms" "$floor_kb"
printf 'selvaquin                     %10.1f ms            %10.0f kB\n' "$app_ms" "$app_kb"
awk -v a="$app_ms" -v f="$floor_ms" -v ak="$app_kb" -v fk="$floor_kb" 'BEGIN {
    printf "ratio selvaquin / floor       %10.2f               %10.2f\n", a / f, ak / fk }'
