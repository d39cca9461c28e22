#!/bin/bash
# What Orca says (its debug log, a line at a time, holds every line it would speak) while a
# script's keys drive a program, both in Xvfb under Openbox on a session bus of their own.
# Usage: orca_test.sh SCRIPT COMMAND [ARGUMENT...] | orca_test.sh SCRIPT --site DIR (in Chromium)
# SCRIPT, a step a line: key KEY... | type TEXT | click X Y (in the active window) | hear TEXT
# (one utterance whole, a closing '.' aside, after the last key and the last hear, within 30 s)
# | quiet TEXT, once TEXT (said not at all, exactly once in the 2 s after the last key) | voice
# LANG (since the last key Orca asked for voices of LANG only).
set -u
if [ -z "${SELVAQUIN_OWN_BUS:-}" ]; then
    SELVAQUIN_OWN_BUS=1 dbus-run-session -- "$0" "$@" 2>&1 | grep -v '^dbus-daemon\|^SpiRegistry\|^X connection to'
    exit "${PIPESTATUS[0]}"
fi
script=$1
shift
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
needs orca
start_xvfb 1280x1024
start_openbox
# The accessibility bus, started when Orca asks, clicks for Orca on this display.
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR

export HOME=$work XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_DATA_HOME/orca" "$work/bin"
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'EOF'
import orca.debug
import orca.settings
orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.speechFactoryModules = []
orca.settings.speechServerFactory = None
orca.settings.enableBraille = False
EOF
# Orca looks for another of the user's with pgrep: this one has a bus of its own.
printf '#!/bin/sh\n' >"$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
log=$work/orca.log
(PATH=$work/bin:$PATH orca --debug-file="$log" >"$work/orca.out" 2>&1 & echo $! >"$work/orca.pid")
on_exit+="; kill $(cat "$work/orca.pid") 2>/dev/null; cp \"$log\" \"${TMPDIR:-/tmp}/orca_test.log\""
within 30 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$log" 2>/dev/null || fail "Orca did not start: $(cat "$work/orca.out")"
if [ "$1" = --site ]; then
    (node "$(dirname "$0")/../tools/serve-web" "$2" --port 0 >"$work/site.out" 2>&1 & echo $! >"$work/site.pid")
    on_exit+="; kill $(cat "$work/site.pid")"
    within 10 grep -q http "$work/site.out"
    set -- chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/profile" \
        --no-first-run --disable-background-networking --kiosk "$(grep -o 'http[^ ]*' "$work/site.out")"
fi
"$@" >"$work/app.out" 2>&1 &
app_pid=$!

# Each line Orca spoke, in order (an utterance over several lines by its first).
spoken() { sed -nE "s/^.* - SPEECH OUTPUT: '(.*)'( ?\{.*|\[.*)?$/\1/p" "$log"; }
said_since() { echo; spoken | tail -n +$((mark + 1)) | sed 's/^/  /'; }
said() {
    found=$(spoken | awk -v from="$heard" -v want="$text" 'NR > from {
        sub(/ +$/, ""); sub(/\.$/, ""); if ($0 == want) { print NR; exit } }')
    [ -n "$found" ]
}
mark=0 heard=0 number=0 logmark=0
while IFS= read -r line; do
    number=$((number + 1))
    line=${line%%#*}
    read -r verb text <<<"$line"
    text=${text//\$TITLE/$SELVAQUIN_TITLE}
    case ${verb:-} in
    "") continue ;;
    key | type | click)
        mark=$(spoken | wc -l) heard=$mark logmark=$(wc -l <"$log")
        if [ "$verb" = key ]; then
            # shellcheck disable=SC2086 # one key a word
            xdotool key --delay 150 $text
        elif [ "$verb" = type ]; then
            xdotool type --delay 100 "$text"
        else
            read -r x y <<<"$text"
            at=$(xwininfo -id "$(xdotool getactivewindow)" | sed -n 's/.*Absolute upper-left [XY]: *//p')
            xdotool mousemove --sync $((${at%$'\n'*} + x)) $((${at#*$'\n'} + y)) click 1
        fi
        ;;
    hear)
        within 30 said || fail "$script:$number: Orca did not say \"$text\"; it said:$(said_since)"
        heard=$found
        ;;
    quiet)
        sleep 2
        ! said_since | grep -qF -- "$text" || fail "$script:$number: Orca said \"$text\":$(said_since)"
        ;;
    once)
        sleep 2
        [ "$(spoken | tail -n +$((mark + 1)) | sed 's/ *$//; s/\.$//' | grep -cxF -- "$text")" = 1 ] ||
            fail "$script:$number: Orca did not say \"$text\" once:$(said_since)"
        ;;
    voice)
        voices=$(tail -n +$((logmark + 1)) "$log" | sed -nE "s/.*voice requested with language='([a-z]+)'.*/\1/p" | sort -u)
        [ "$voices" = "$text" ] || fail "$script:$number: Orca's voices were for ${voices:-no language}"
        ;;
    *) fail "$script:$number: no such step: $line" ;;
    esac
done <"$script"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended: $(cat "$work/app.out")"
echo "ok: Orca said what $(basename "$script") expects"
