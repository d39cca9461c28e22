#!/bin/bash
# The application's parts depend on each other one way only: taking each
# header and its source as one part, the includes between the parts in app/
# and calc/ form no cycle (tsort reports one as a loop).
#
# Usage: include_graph_test.sh SOURCE_DIR
set -u
cd "$1" || exit 1
edges=$(for file in app/*.h app/*.cpp calc/*/*.h calc/*/*.cpp; do
    part=${file%.*}
    sed -n 's/^#include "\([^"]*\)\.h".*/\1/p' "$file" | while read -r included; do
        # A bare name is a header beside the file.
        [[ $included == */* ]] || included=$(dirname "$file")/$included
        [[ $included == app/* || $included == calc/* ]] || continue
        [ "$included" = "$part" ] || echo "$part $included"
    done
done)
if ! loops=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$loops" ]; then
    echo "FAIL: the parts of app/ and calc/ include each other in a cycle:" >&2
    echo "$loops" >&2
    exit 1
fi
echo "ok: $(wc -l <<<"$edges") includes between $(tr ' ' '\n' <<<"$edges" | sort -u | wc -l) parts, no cycle"
