#!/bin/bash
# Every page the driver lists ("pages") with its typical values: those of its
# Swedish snapshot, the block [NAME.sv] of tests/snapshots/cases.txt that is the
# one line "page ID A | B"; a page with no such block fails.
# Usage: pages.sh block NAME        the block [NAME]'s script (NAME.en: in English)
#        pages.sh typical           "ID NAME A | B" for each such block
#        pages.sh values DRIVER...  the same for each page the driver lists
#        pages.sh round DRIVER...   the transcript of the round: each page given its
#                                   values, then every page after every other once,
#                                   each compared with its Swedish snapshot
#        pages.sh play DRIVER...    that round played (transcript_test.sh)
set -u
mode=$1
shift
here=$(dirname "$0")
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
typical() {
    awk '/^\[/ { name = $0 ~ /\.sv\]$/ ? substr($0, 2, length($0) - 5) : ""; n = 0; next }
        /^#/ || !NF || name == "" { next }
        ++n == 1 && $1 == "page" { id = $2; sub(/^page [0-9]+ ?/, ""); row[name] = id " " name " " $0; order[++k] = name; next }
        { delete row[name] }
        END { for (i = 1; i <= k; i++) if (order[i] in row) print row[order[i]] }' "$here/snapshots/cases.txt"
}
[ "$mode" = typical ] && { typical; exit; }
if [ "$mode" = block ]; then
    [[ $1 == *.en ]] && echo "command 2102"
    exec awk -v name="[$1]" '$0 == name {on = 1; next} /^\[/ {on = 0} on' "$here/snapshots/cases.txt"
fi
read -ra ids <<<"$(printf 'pages\n' | "$@" 2>/dev/null)"
[ "${#ids[@]}" -gt 0 ] || { echo "the driver lists no pages" >&2; exit 1; }
declare -A typical
while read -r id row; do typical[$id]=$row; done < <(typical)
values() {
    local id
    for id in "${ids[@]}"; do
        [ -n "${typical[$id]:-}" ] || { echo "page $id has no Swedish snapshot of one \"page\" line" >&2; return 1; }
        echo "$id ${typical[$id]}"
    done
}
# An order of the pages in which each follows each other once: the order for
# the first k pages, with "k, v" put in after the first visit of each v.
round() {
    local rows order=(0) next seen k v id name texts
    rows=$(values) || return 1
    while read -r id name texts; do echo "page $id $texts"; done <<<"$rows"
    mapfile -t rows <<<"$rows"
    for ((k = 1; k < ${#rows[@]}; k++)); do
        next=() seen=()
        for v in "${order[@]}"; do
            next+=("$v")
            [ -z "${seen[v]:-}" ] && seen[v]=1 && next+=("$k" "$v")
        done
        order=("${next[@]}")
    done
    for v in "${order[@]}"; do
        read -r id name _ <<<"${rows[v]}"
        printf 'command %s\nsame snapshots/%s.sv.png\n= same\n' "$id" "$name"
    done
}
case $mode in
values) values ;;
round) round ;;
play)
    transcript=$(mktemp)
    trap 'rm -f "$transcript"' EXIT
    round >"$transcript" && bash "$here/transcript_test.sh" "$transcript" "$@" ;;
esac
