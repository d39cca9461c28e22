#!/bin/bash
# A transcript (tests/transcripts/) played by the driver prints the file less its
# comments and blank lines ("-" what the file expects, "+" what came).
# Usage: transcript_test.sh TRANSCRIPT DRIVER [ARGUMENT...]   (for the Windows
#   driver: tools/wine-session run PREFIX selvaquin-drive.exe); it runs in tests/.
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
