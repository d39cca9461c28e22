#!/bin/bash
# What Orca, the screen reader a blind user has, says while the keys of a
# script drive a program: both in Xvfb under Openbox, on a session bus with
# an accessibility bus of their own. Orca speaks to no speech server (there
# is nothing to hear it); its debug log, written a line at a time, holds
# every line it would speak.
#
# Usage: orca_test.sh SCRIPT COMMAND [ARGUMENT...]   (COMMAND starts the program)
#        orca_test.sh SCRIPT --site DIR   the browser program: the site in DIR served
#                                         here, in Debian's Chromium with a fresh profile
#
# SCRIPT holds one step a line ('#' starts a comment):
#   key KEY...  presses the keys one after another (xdotool's names)
#   type TEXT   types TEXT
#   click X Y   clicks X, Y pixels from the top left of the active window's inside
#   hear TEXT   Orca says TEXT, one utterance whole (its closing '.' aside),
#               after the last key or text and after what the last hear heard,
#               within 10 seconds
#   quiet TEXT  in the two seconds after the last key or text Orca says nothing
#               that holds TEXT
#   once TEXT   in the two seconds after the last key or text Orca says TEXT,
#               whole, exactly once
#   voice LANG  since the last key or text Orca asked for voices of LANG only
set -u
if [ -z "${SELVAQUIN_OWN_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null && [ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
        { echo "FAIL: dbus and at-spi2-core are not installed (tools/install-deps installs them)"; exit 1; }
    SELVAQUIN_OWN_BUS=1 dbus-run-session -- "$0" "$@" 2>&1 | grep -v '^dbus-daemon\|^SpiRegistry\|^X connection to'
    exit "${PIPESTATUS[0]}"
fi
script=$1
shift
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
command -v orca >/dev/null || fail "orca is not installed (tools/install-deps installs it)"
start_xvfb 1280x1024
start_openbox
# The accessibility bus and its registry, started when Orca first asks,
# synthesise Orca's mouse clicks on this display.
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR

# Orca's settings in a home of its own: the log a line at a time, no speech
# server (and none to hang on a machine without sound), no braille display.
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
# Orca will not start beside another Orca of the same user, which it looks
# for with pgrep: this one has a bus of its own, whatever else runs.
printf '#!/bin/sh\n' >"$work/bin/pgrep"
chmod +x "$work/bin/pgrep"
log=$work/orca.log
# Not a child of this shell, which waits for its children at the end.
(PATH=$work/bin:$PATH orca --debug-file="$log" >"$work/orca.out" 2>&1 & echo $! >"$work/orca.pid")
# Its log stays for a look after the test: ${TMPDIR:-/tmp}/orca_test.log.
on_exit+="; kill $(cat "$work/orca.pid") 2>/dev/null; cp \"$log\" \"${TMPDIR:-/tmp}/orca_test.log\""
for _ in $(seq 150); do grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$log" 2>/dev/null && break; sleep 0.2; done
grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$log" 2>/dev/null || fail "Orca did not start: $(cat "$work/orca.out")"
if [ "$1" = --site ]; then
    (node "$(dirname "$0")/../tools/serve-web" "$2" --port 0 >"$work/site.out" 2>&1 & echo $! >"$work/site.pid")
    on_exit+="; kill $(cat "$work/site.pid")"
    for _ in $(seq 50); do grep -q http "$work/site.out" && break; sleep 0.2; done
    set -- chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/profile" \
        --no-first-run --disable-background-networking --kiosk "$(grep -o 'http[^ ]*' "$work/site.out")"
fi
"$@" >"$work/app.out" 2>&1 &
app_pid=$!

# Each line Orca spoke, in order (an utterance over several lines by its first).
spoken() { sed -nE "s/^.* - SPEECH OUTPUT: '(.*)'( ?\{.*|\[.*)?$/\1/p" "$log"; }
said_since() { echo; spoken | tail -n +$((mark + 1)) | sed 's/^/  /'; }
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
        found=""
        for _ in $(seq 50); do
            found=$(spoken | awk -v from="$heard" -v want="$text" 'NR > from {
                sub(/ +$/, ""); sub(/\.$/, ""); if ($0 == want) { print NR; exit } }')
            [ -n "$found" ] && break
            sleep 0.2
        done
        [ -n "$found" ] || fail "$script:$number: Orca did not say \"$text\"; it said:$(said_since)"
        heard=$found
        ;;
    quiet)
        sleep 2
        ! said_since | grep -qF -- "$text" ||
            fail "$script:$number: Orca said \"$text\":$(said_since)"
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
