#!/bin/bash
# Plays a transcript (tests/transcripts/) with the scenario driver and
# compares what it printed with the file less its comments and blank lines;
# a difference shows as a diff, "-" what the file expects, "+" what came.
#
# Usage: transcript_test.sh TRANSCRIPT DRIVER [ARGUMENT...]
#   DRIVER with its arguments starts the driver (for the Windows one:
#   tools/wine-session run PREFIX selvaquin-drive.exe). It runs in tests/,
#   where the transcripts find the page snapshots.
set -u
file=$(realpath "$1")
shift
cd "$(dirname "$0")" || exit 1
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$@" --transcript <"$file" 2>"$err" | tr -d '\r' >"$out"
status=${PIPESTATUS[0]}
grep -v -e '^#' -e '^[[:space:]]*$' "$file" | diff -u --label "$file" --label printed - "$out" &&
    [ "$status" -eq 0 ] && exit 0
echo "the driver ended with status $status: $(cat "$err")" >&2
exit 1
