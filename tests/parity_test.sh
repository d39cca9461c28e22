#!/bin/bash
# The Windows program draws what the Linux one draws: every scenario of
# tests/snapshots/cases.txt leaves the same canvas with both drivers outside the
# text cells (Wine has no Verdana; the transcripts compare the texts). A
# differing one leaves both canvases and the differing pixels in OUT.
# Usage: parity_test.sh LINUX_DRIVE WINDOWS_DRIVE.exe WINE_PREFIX CASES OUT  (77: no Linux driver)
set -u
linux=$1 windows=$2 prefix=$3 cases=$4 out=$5
session="$(dirname "$0")/../tools/wine-session"
[ -x "$linux" ] || { echo "SKIP: no Linux driver at $linux; build it first: cmake --build --preset default"; exit 77; }
mkdir -p "$out"
rm -f "$out"/*
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0 played=0
for name in $(sed -n 's/^\[\(.*\)\]$/\1/p' "$cases"); do
    played=$((played + 1))
    for platform in linux windows; do
        run=("$session" run "$prefix" "$windows")
        [ "$platform" = linux ] && run=(env QT_QPA_PLATFORM=offscreen "$linux")
        { bash "$(dirname "$0")/pages.sh" block "$name"
          printf 'cells\npng %s\n' "$work/$name.$platform.png"; } | "${run[@]}" >"$work/$name.$platform.cells" 2>"$work/err" ||
            { echo "FAIL: $name: the $platform driver stopped: $(cat "$work/err")"; failed=$((failed + 1)); continue 2; }
    done
    # Each cell of either platform painted black on both canvases.
    mapfile -t masks < <(awk '/^cell / { printf "-draw\nrectangle %d,%d %d,%d\n", $2, $3, $2 + $4 - 1, $3 + $5 - 1 }' \
        "$work/$name".*.cells)
    for platform in linux windows; do
        convert "$work/$name.$platform.png" -fill black "${masks[@]}" "PNG24:$work/$name.$platform.masked.png"
    done
    differing=$(compare -metric AE "$work/$name".{linux,windows}.masked.png "$work/$name.diff.png" 2>&1)
    if [ "$differing" != 0 ]; then
        echo "FAIL: $name: $differing pixels differ outside the text cells (images in $out)"
        cp "$work/$name".* "$out/"
        failed=$((failed + 1))
        continue
    fi
    echo "ok: $name (the canvases the same outside $((${#masks[@]} / 2)) text cells)"
done
[ "$played" -gt 0 ] || { echo "FAIL: no scenarios in $cases"; exit 1; }
echo "$((played - failed)) of $played scenarios the same on both platforms"
[ "$failed" -eq 0 ]
