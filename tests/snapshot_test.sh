#!/bin/bash
# A page snapshot: the block [NAME] of tests/snapshots/cases.txt, played by the
# driver, leaves the canvas (for "window.NAME" the whole window) pixel for pixel
# as tests/snapshots/NAME.png, a reviewed image; with SELVAQUIN_UPDATE_SNAPSHOTS=1
# it draws the image again (tools/update-snapshots).
#
# Usage: snapshot_test.sh DRIVER NAME OUT
# Exit status 77 (skipped) where the fonts are not the faces the images were
# drawn with: DejaVu Sans 2.37 from Debian 12's fonts-dejavu-core.
set -u
drive=$1 name=$2 out=$3
dir=$(dirname "$0")/snapshots
faces=$(printf 'faces\n' | "$drive" 2>/dev/null | tr '\n' ' ')
if [ "$faces" != "DejaVu Sans Book 2.37 0xBAB402EB DejaVu Sans Bold 2.37 0x290AD7D3 " ]; then
    echo "SKIP: the images were drawn with DejaVu Sans 2.37 (fonts-dejavu-core of Debian 12)," \
        "standing in for Verdana; here the pages are drawn with: $faces"
    exit 77
fi
mkdir -p "$out"
result=$({ awk -v name="[$name]" '$0 == name {on = 1; next} /^\[/ {on = 0} on' "$dir/cases.txt"
    case $name in
    window.*) printf 'shot %s\n' "$out/$name.png" ;;
    *) printf 'png %s\nsame %s\nread\ndump\n' "$out/$name.png" "$dir/$name.png" ;;
    esac; } | "$drive" 2>"$out/$name.err")
# A screen reader is given the texts the canvas shows, each of them and no other.
case $name in window.*) ;; *)
    read=$(sed -n 2p <<<"$result" | sed 's/ | /\n/g' | sort -u)
    shown=$(sed -n 's/^text [-0-9]* [-0-9]* [^ ]* [^ ]* "\(.*\)"$/\1/p' <<<"$result" | grep . | sort -u)
    [ "$read" = "$shown" ] || { echo "FAIL: $name: a screen reader is given other texts than the canvas shows:"
        diff <(echo "$shown") <(echo "$read"); exit 1; }
    result=$(head -1 <<<"$result") ;;
esac
case $name in window.*)
    result=$(compare -metric AE "$out/$name.png" "$dir/$name.png" null: 2>&1)
    [ "$result" = 0 ] && result=same || result="$result pixels differ" ;;
esac
if [ "${SELVAQUIN_UPDATE_SNAPSHOTS:-}" = 1 ]; then
    if [ "$result" != same ]; then cp "$out/$name.png" "$dir/$name.png" && echo "drawn again: $name"; fi
elif [ "$result" != same ]; then
    compare "$dir/$name.png" "$out/$name.png" "$out/$name.diff.png" 2>/dev/null
    echo "FAIL: $name: $result $(cat "$out/$name.err"); this run drew $out/$name.png, the differing pixels in red in" \
        "$out/$name.diff.png"
    exit 1
fi
rm -f "$out/$name.png" "$out/$name.err"
