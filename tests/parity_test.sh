#!/bin/bash
# The Windows program does what the Linux one does. Every scenario of
# tests/snapshots/cases.txt (every page in both languages, typing, TAB,
# ENTER, the filter-type buttons, language switches, bad input) is played by
# the Linux driver and by the Windows driver under Wine, with a dump after
# every line and the menu bar at the end:
#   - the transcripts must be the same line for line (fields, focus,
#     buttons, the texts on the canvas, the menus);
#   - the canvases must be the same pixel for pixel outside the cells of
#     the texts on either platform: there the faces differ, Wine having no
#     Verdana.
# A differing scenario leaves both transcripts, both canvases and the
# differing pixels (magenta, masked cells black) in OUT.
#
# Usage: parity_test.sh LINUX_DRIVE WINDOWS_DRIVE.exe WINE_PREFIX CASES OUT
# Exit status 77 (skipped) when the Linux driver has not been built.
set -u
linux=$1 windows=$2 prefix=$3 cases=$4 out=$5
session="$(dirname "$0")/../tools/wine-session"
if [ ! -x "$linux" ]; then
    echo "SKIP: no Linux driver at $linux; build it first: cmake --build --preset default"
    exit 77
fi
mkdir -p "$out"
rm -f "$out"/*
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The scenarios, one file each: name, then the script lines.
awk -v dir="$work" '
    /^\[.*\]$/ { name = substr($0, 2, length($0) - 2); file = dir "/" name ".case"; printf "" > file; next }
    /^#/ || /^[[:space:]]*$/ { next }
    file != "" { print >> file }' "$cases"

# play SCRIPT PLATFORM: the transcript of SCRIPT (with a dump after each
# line, the menus, the text cells and the canvas at the end) on PLATFORM.
play() {
    local case=$1 platform=$2 script="$work/$(basename "$1" .case).$2.in"
    { while IFS= read -r line; do printf '%s\ndump\n' "$line"; done <"$case"
      printf 'menus\ncells\npng %s\n' "$work/$(basename "$case" .case).$platform.png"; } >"$script"
    if [ "$platform" = linux ]; then
        QT_QPA_PLATFORM=offscreen "$linux" <"$script" 2>"$script.err"
    else
        "$session" run "$prefix" "$windows" <"$script" 2>"$script.err"
    fi
}

# mask_args TRANSCRIPT...: ImageMagick drawing arguments that blacken the
# cell of every text the transcripts' "cells" blocks list.
mask_args() {
    awk '/^cell / { printf "-draw\nrectangle %d,%d %d,%d\n", $2, $3, $2 + $4 - 1, $3 + $5 - 1 }' "$@"
}

failed=0 played=0
for case in "$work"/*.case; do
    name=$(basename "$case" .case)
    played=$((played + 1))
    play "$case" linux >"$work/$name.linux.out" || { echo "FAIL: $name: the Linux driver stopped: $(cat "$work/$name.linux.in.err")"; failed=$((failed + 1)); continue; }
    play "$case" windows >"$work/$name.windows.out" || { echo "FAIL: $name: the Windows driver stopped: $(cat "$work/$name.windows.in.err")"; failed=$((failed + 1)); continue; }
    # Everything but the cells, which each platform measures in its own face.
    for platform in linux windows; do
        sed '/^cell /d' "$work/$name.$platform.out" >"$work/$name.$platform.text"
    done
    if ! diff -q "$work/$name.linux.text" "$work/$name.windows.text" >/dev/null; then
        echo "FAIL: $name: the transcripts differ:"
        diff "$work/$name.linux.text" "$work/$name.windows.text" | head -n 20
        cp "$work/$name.linux.text" "$work/$name.windows.text" "$out/"
        failed=$((failed + 1))
        continue
    fi
    mapfile -t masks < <(mask_args "$work/$name.linux.out" "$work/$name.windows.out")
    for platform in linux windows; do
        convert "$work/$name.$platform.png" -fill black "${masks[@]}" "PNG24:$work/$name.$platform.masked.png"
    done
    differing=$(compare -metric AE "$work/$name.linux.masked.png" "$work/$name.windows.masked.png" \
                "$work/$name.diff.png" 2>&1)
    if [ "$differing" != 0 ]; then
        echo "FAIL: $name: $differing pixels differ outside the text cells (images in $out)"
        cp "$work/$name.linux.png" "$work/$name.windows.png" "$work/$name.linux.masked.png" \
           "$work/$name.windows.masked.png" "$work/$name.diff.png" "$out/"
        failed=$((failed + 1))
        continue
    fi
    echo "ok: $name ($(grep -c '^end$' "$work/$name.linux.text") blocks the same; canvases the same outside $((${#masks[@]} / 2)) text cells)"
done
[ "$played" -gt 0 ] || { echo "FAIL: no scenarios in $cases"; exit 1; }
echo "$((played - failed)) of $played scenarios the same on both platforms"
[ "$failed" -eq 0 ]
