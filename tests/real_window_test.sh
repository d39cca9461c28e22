#!/bin/bash
# The real program in a real X server (Xvfb): started without a display it
# says so and exits 1; started with one it shows the splash; picked from the
# menu bar with the mouse and typed into with real key events, its client
# area shows exactly the canvas the scenario driver draws for the same steps,
# on every page in both languages;
# the close button ends it with status 0.
# With a whole SCALE (QT_SCALE_FACTOR) above 1 it checks a few pages instead:
# the client shows the canvas enlarged pixel for pixel (each canvas pixel a
# SCALE x SCALE block) with the fields and buttons at their enlarged places.
#
# Usage: real_window_test.sh PATH/TO/selvaquin PATH/TO/selvaquin-drive [SCALE]
set -u
app=$1
drive=$2
scale=${3:-1}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
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

# ---- No display: one line, status 1 ------------------------------------------
if [ "$scale" -eq 1 ]; then
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "without a display the program exited with $status, not 1"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "without a display it said: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "without a display it wrote to standard output"
    echo "ok: without a display: $(cat "$work/err")"

    # A display that cannot be reached is no better.
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$app" >/dev/null 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "with an unreachable display the program exited with $status"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "with an unreachable display it said: $(cat "$work/err")"
    echo "ok: unreachable display: $(cat "$work/err")"
fi

# ---- An X server of our own ----------------------------------------------------
exec 3>"$work/display"
screen_size=1280x1024
[ "$scale" -gt 1 ] && screen_size="$((1300 * scale))x$((800 * scale))"
Xvfb -displayfd 3 -screen 0 "${screen_size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
exec 3>&-
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

# The driver command that gives its menu bar the program's language.
menu_language=""

# Menu geometry as the program lays it out (the driver uses the same fonts
# and style offscreen), in the program's units: screen pixels / scale.
# Prints "x y" of the centre of a menu-bar title and of an item in its
# popup (which opens under the title), relative to the window.
menu_points() {
    local geometry tx ty tw th ix iy iw ih
    geometry=$(printf '%stitlerect %s\nitemrect %s\n' "$menu_language" "$1" "$2" | "$drive" 2>/dev/null)
    read -r _ _ tx ty tw th <<<"$(grep '^titlerect' <<<"$geometry" | sed 's/"[^"]*"/X/')"
    read -r _ _ ix iy iw ih <<<"$(grep '^itemrect' <<<"$geometry" | sed 's/"[^"]*"/X/')"
    [ -n "${th:-}" ] && [ -n "${ih:-}" ] || fail "the driver gave no menu geometry: $geometry"
    echo "$((tx + tw / 2)) $((ty + th / 2)) $((tx + ix + iw / 2)) $((ty + th + iy + ih / 2))"
}
# Picks a menu item with the mouse.
choose() {
    local title_x title_y item_x item_y
    read -r title_x title_y item_x item_y <<<"$(menu_points "$1" "$2")"
    xdotool mousemove --sync $((X + scale * title_x)) $((Y + scale * title_y)) click 1
    sleep 0.7
    xdotool mousemove --sync $((X + scale * item_x)) $((Y + scale * item_y)) click 1
    sleep 0.7
}

QT_SCALE_FACTOR=$scale "$app" >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Selvaquin v2601\.302245$' | head -n1)
[ -n "$wid" ] || fail "no window titled Selvaquin v2601.302245 appeared"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "$WIDTH" -eq $((1000 * scale)) ] || fail "the window is $WIDTH wide, not $((1000 * scale))"
bar=$((HEIGHT - 600 * scale))
[ "$bar" -gt 10 ] || fail "the window is $HEIGHT tall: no room for a menu bar above 600"
cx=$X
cy=$((Y + bar))

# Screenshots of the client area are compared with an expected image: the
# driver's canvas enlarged by the scale (nearest pixel), with the places of
# the given controls (canvas rectangles, enlarged alike) painted over in
# both, so that only what the canvas shows is compared. The program may
# still be painting: try again for a few seconds before giving up.
scaled_rects() {
    local arg x1 y1 x2 y2
    for arg in "$@"; do
        if [[ $arg =~ ^rectangle\ ([0-9]+),([0-9]+)\ ([0-9]+),([0-9]+)$ ]]; then
            x1=${BASH_REMATCH[1]} y1=${BASH_REMATCH[2]} x2=${BASH_REMATCH[3]} y2=${BASH_REMATCH[4]}
            arg="rectangle $((x1 * scale)),$((y1 * scale)) $(((x2 + 1) * scale - 1)),$(((y2 + 1) * scale - 1))"
        fi
        printf '%s\n' "$arg"
    done
}
mask() {
    local rects=()
    mapfile -t rects < <(scaled_rects "${@:3}")
    convert "$1" -fill black "${rects[@]}" "PNG24:$2"
}
# The expected client for a canvas image.
expect() {
    convert "$1" -scale "$((100 * scale))%" "PNG24:$work/scaled.png"
    mask "$work/scaled.png" "$2" "${@:3}"
}
matches() {
    local expected=$1 what=$2 diff=""
    shift 2
    for _ in $(seq 20); do
        import -window root -crop "$((1000 * scale))x$((600 * scale))+$cx+$cy" +repage "$work/raw.png"
        mask "$work/raw.png" "$work/real.png" "$@"
        diff=$(compare -metric AE "$work/real.png" "$expected" "$work/diff.png" 2>&1 >/dev/null)
        [ "$diff" = "0" ] && return 0
        sleep 0.5
    done
    cp "$work/real.png" "${TMPDIR:-/tmp}/real_window_real.png"
    cp "$expected" "${TMPDIR:-/tmp}/real_window_expected.png"
    fail "$what: $diff pixels differ (${TMPDIR:-/tmp}/real_window_real.png against real_window_expected.png)"
}

# The paint handler also draws a black line along the client's top edge.
close_button=(-draw "rectangle 800,530 909,554" -draw "rectangle 0,0 999,0")

# ---- The splash, as a user first sees it ------------------------------------------
printf 'png %s\n' "$work/splash_canvas.png" | "$drive" >/dev/null 2>&1
expect "$work/splash_canvas.png" "$work/splash_expected.png" "${close_button[@]}"
matches "$work/splash_expected.png" "the start page" "${close_button[@]}"
echo "ok: the start page shows the splash"

# ---- Every page, picked with the mouse and typed into with real keys ---------------
# The driver replays everything the real program has been given so far (field
# texts stay between pages), so its canvas is what the real client must show.
history=""

# Masks for the visible fields and option buttons of a driver dump.
control_masks() {
    local kind x y
    while read -r kind x y _; do
        case $kind in
        field) printf -- '-draw\nrectangle %d,%d %d,%d\n' "$x" "$y" $((x + 99)) $((y + 24)) ;;
        button) [ "$x" -ne 800 ] &&
            printf -- '-draw\nrectangle %d,%d %d,%d\n' "$x" "$y" $((x + 159)) $((y + 19)) ;;
        esac
    done <"$1"
}

# page TITLE ITEM STEP...: picks ITEM from the menu TITLE, then plays the
# steps: "type:TEXT", "key:NAME" or "click:BUTTON TEXT", and compares.
page() {
    local title=$1 item=$2 step masks=() x y
    shift 2
    choose "$title" "$item"
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
    history+="menu $item"$'\n'
    for step in "$@"; do
        case $step in
        type:*) xdotool type --delay 40 "${step#type:}"; history+="type ${step#type:}"$'\n' ;;
        key:*) xdotool key --delay 40 "${step#key:}"; history+="key ${step#key:}"$'\n' ;;
        click:*)
            printf '%sdump\n' "$history" | "$drive" 2>/dev/null |
                grep "^button .* \"${step#click:}\"\$" | tail -n1 >"$work/button"
            read -r _ x y _ <"$work/button"
            [ -n "${y:-}" ] || fail "$item: no button ${step#click:} to click"
            xdotool mousemove --sync $((cx + scale * (x + 7))) $((cy + scale * (y + 8))) click 1
            sleep 0.3
            history+="click ${step#click:}"$'\n'
            ;;
        esac
    done
    printf '%spng %s\ndump\n' "$history" "$work/page_canvas.png" | "$drive" >"$work/page_dump.txt" 2>&1 ||
        fail "the driver could not play the steps for $item: $(tail -n2 "$work/page_dump.txt")"
    awk '/^dump/{n=NR} {line[NR]=$0} END{for(i=n;i<=NR;i++) print line[i]}' "$work/page_dump.txt" |
        grep -E '^(field|button) ' >"$work/controls"
    mapfile -t masks < <(control_masks "$work/controls")
    expect "$work/page_canvas.png" "$work/page_expected.png" "${close_button[@]}" "${masks[@]}"
    matches "$work/page_expected.png" "$item after: $*" "${close_button[@]}" "${masks[@]}"
    echo "ok: $item"
}

close_ends_program() {
    xdotool mousemove --sync $((cx + scale * 855)) $((cy + scale * 542)) click 1
    for _ in $(seq 50); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app_pid" 2>/dev/null; then fail "the close button did not end the program"; fi
    wait "$app_pid"
    status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the close button ended the program with status $status"
    echo "ok: the close button ends the program with status 0"
}

# Enlarged: a page with a graph and a crossover with its filter-type buttons.
if [ "$scale" -gt 1 ]; then
    page Elektronik "Filter Lågpass RC" type:1000 key:Tab type:0,1 key:Return
    page Högtalare "Delningsfilter 2v 12dB" type:8 key:Tab type:6 key:Tab type:3000 key:Return \
        click:Linkwitz-Riley
    close_ends_program
    exit 0
fi

# One scenario per page: in Swedish typical values are typed, with TAB and
# ENTER, and a filter type chosen on two crossovers; in English each page is
# opened again with the values it holds and ENTER is pressed.
swedish_pages=("Delningsfilter 2v 6dB" "NotchFilter" "Baffelsteg" "Baffelsteg kompensation"
    "Delningsfilter 2v 12dB" "Delningsfilter 2v 18dB" "Konjugatlänk (Zobel)"
    "Effekt ur Förstärkare" "Trådmotstånd diam x längd" "Motstånd parallellkopplat"
    "Kondensator seriekopplat" "Filter Lågpass RC" "Filter Högpass RC" "Filter Bandpass RC"
    "Filter Notch" "Filter Zobel" "Filter Thiele" "Linda luftspole, ett lager")
english_pages=("Crossover filter 2w 6dB" "NotchFilter" "Baffelsteg" "Baffelsteg kompensation"
    "Crossover filter 2w 12dB" "Crossover filter 2w 18dB" "Conjugate link (Zobel)"
    "Power out of Amplifier" "Wire resistance diam x length" "Resistance connected in parallel"
    "Capacitor connected in series" "Filter Lowpass RC" "Filter Highpass RC" "Filter Bandpass RC"
    "Filter Notch" "Filter Zobel" "Filter Thiele" "Wind Air coil, one layer")
steps=("type:8 key:Tab type:6 key:Tab type:2500,5 key:Return"
    "type:2500 key:Tab type:4 key:Return"
    "type:300 key:Return"
    "type:250 key:Tab type:8 key:Return"
    "type:8 key:Tab type:6 key:Tab type:3000 key:Return click:Linkwitz-Riley"
    "type:8 key:Tab type:6 key:Tab type:2000 key:Return click:Bessel"
    "type:6,4 key:Tab type:0.5 key:Return"
    "type:8 key:Tab type:20 key:Return"
    "type:0,5 key:Tab type:10000 key:Return"
    "type:4,7 key:Tab type:2.2 key:Return"
    "type:10 key:Tab type:10 key:Return"
    "type:1000 key:Tab type:0,1 key:Return"
    "type:4700 key:Tab type:0.047 key:Return"
    "type:1000 key:Tab type:1 key:Tab type:1000 key:Tab type:0,01 key:Return"
    "type:1000 key:Tab type:0.1 key:Return"
    "type:10 key:Tab type:1 key:Return"
    "type:8 key:Tab type:1 key:Return"
    "type:100 key:Tab type:20 key:Tab type:0,8 key:Return")
for i in "${!swedish_pages[@]}"; do
    menu=Elektronik
    [ "$i" -lt 7 ] && menu=Högtalare
    # shellcheck disable=SC2086
    page "$menu" "${swedish_pages[$i]}" ${steps[$i]}
done

# ---- English from the menu: the bare page, no fields -------------------------------------
choose Svenska English
history+="menu English"$'\n'
menu_language="command 2102"$'\n'
printf '%spng %s\n' "$history" "$work/english_canvas.png" | "$drive" >/dev/null 2>&1
expect "$work/english_canvas.png" "$work/english_expected.png" "${close_button[@]}"
matches "$work/english_expected.png" "the page after choosing English" "${close_button[@]}"
echo "ok: choosing English shows the bare page"

for i in "${!english_pages[@]}"; do
    menu=Electronics
    [ "$i" -lt 7 ] && menu=Loudspeaker
    page "$menu" "${english_pages[$i]}" key:Return
done

# ---- The close button ends the program with status 0 -----------------------------------
close_ends_program
