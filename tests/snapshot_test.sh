#!/bin/bash
# A page snapshot: the block [NAME] of tests/snapshots/cases.txt, played by the
# driver, leaves the canvas (for "window.NAME" the whole window) as the reviewed
# image tests/snapshots/NAME.png, and a screen reader is given exactly the texts
# the canvas shows; SELVAQUIN_UPDATE_SNAPSHOTS=1 draws the image again.
# Usage: snapshot_test.sh DRIVER NAME OUT   (status 77, skipped, where the faces
# are not those the images were drawn with: Debian 12's DejaVu Sans 2.37)
set -u
drive=$1 name=$2 out=$3 dir=$(dirname "$0")/snapshots
faces=$(printf 'faces\n' | "$drive" 2>/dev/null | tr '\n' ' ')
[ "$faces" = "DejaVu Sans Book 2.37 0xBAB402EB DejaVu Sans Bold 2.37 0x290AD7D3 " ] ||
    { echo "SKIP: the images were drawn with DejaVu Sans 2.37 of Debian 12, here with: $faces"; exit 77; }
mkdir -p "$out"
result=$({ bash "$(dirname "$0")/pages.sh" block "$name"
    case $name in
    window.*) printf 'shot %s\n' "$out/$name.png" ;;
    *) printf 'png %s\nsame %s\nread\ndump\n' "$out/$name.png" "$dir/$name.png" ;;
    esac; } | "$drive" 2>"$out/$name.err")
case $name in
window.*)
    result=$(compare -metric AE "$out/$name.png" "$dir/$name.png" null: 2>&1)
    [ "$result" = 0 ] && result=same || result="$result pixels differ" ;;
*)
    read=$(sed -n 2p <<<"$result" | sed 's/ | /\n/g' | sort -u)
    shown=$(sed -n 's/^text [-0-9]* [-0-9]* [^ ]* [^ ]* "\(.*\)"$/\1/p' <<<"$result" | grep . | sort -u)
    [ "$read" = "$shown" ] || { echo "FAIL: $name: a screen reader is given other texts than the canvas shows:"
        diff <(echo "$shown") <(echo "$read"); exit 1; }
    result=$(head -1 <<<"$result") ;;
esac
if [ "${SELVAQUIN_UPDATE_SNAPSHOTS:-}" = 1 ]; then
    if [ "$result" != same ]; then cp "$out/$name.png" "$dir/$name.png" && echo "drawn again: $name"; fi
elif [ "$result" != same ]; then
    compare "$dir/$name.png" "$out/$name.png" "$out/$name.diff.png" 2>/dev/null
    echo "FAIL: $name: $result $(cat "$out/$name.err"); this run drew $out/$name.png, the differing pixels" \
        "in red in $out/$name.diff.png"
    exit 1
fi
rm -f "$out/$name.png" "$out/$name.err"
