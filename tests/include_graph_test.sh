#!/bin/bash
# The layers, from the bottom: toolkit/, calc/common/, calc/electronics/ and
# calc/loudspeaker/ (neither using the other), app/. A file of app/ or calc/
# includes headers of its own folder or a lower layer, of the toolkit only the
# public ones (not "Inside the toolkit"), else only standard ones; the parts (a
# header and its source) include no cycle. In the objects (nm), a symbol one
# folder uses is defined in that folder or a lower layer: a function declared
# below but defined above fails though every include is in order.
# Usage: include_graph_test.sh SOURCE_DIR [OBJECT...]  (the program's objects,
#   .../<target>.dir/<source path>.o, also several in one argument split by ';')
set -u
cd "$1" || exit 1
shift

layer() {
    case $1 in toolkit/*) echo 0 ;; calc/common/*) echo 1 ;; calc/electronics/* | calc/loudspeaker/*) echo 2 ;;
    app/*) echo 3 ;; *) echo 9 ;; esac
}

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

edges=""
for file in app/*.h app/*.cpp calc/*/*.h calc/*/*.cpp; do
    part=${file%.*}
    while read -r included; do
        [ -n "$included" ] || continue
        if [[ $included == \<* ]]; then
            [[ $included =~ ^\<[a-z_]+\>$ ]] || fail "$file includes $included, not a standard header"
            continue
        fi
        [[ $included == */* ]] || included=$(dirname "$file")/$included
        if [[ $included == toolkit/* ]]; then
            if [[ $included == toolkit/*/* ]] || head -n 1 "$included" | grep -q '^// Inside the toolkit'; then
                fail "$file includes $included, which is inside the toolkit"
            fi
            continue
        fi
        if [ "$(dirname "$included")" != "$(dirname "$file")" ] &&
            [ "$(layer "$included")" -ge "$(layer "$file")" ]; then
            fail "$file includes $included, which is not in a lower layer"
        fi
        [ "${included%.h}" = "$part" ] || edges+="$part ${included%.h}"$'\n'
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p; s/^#include \(<[^>]*>\).*/\1/p' "$file")
done

if ! loops=$(tsort <<<"$edges" 2>&1 >/dev/null) || [ -n "$loops" ]; then
    fail "the parts of app/ and calc/ include each other in a cycle:"$'\n'"$loops"
fi

# What each object defines strongly (inline functions and templates are weak
# wherever used) and uses, with its folder and layer; toolkit/ is one folder,
# generated sources none.
symbols=$(for object in $(tr ';' ' ' <<<"$*"); do
    source=${object#*.dir/}
    source=${source#./}
    case $source in
        toolkit/*) folder=toolkit ;;
        app/* | calc/*/*) folder=$(dirname "$source") ;;
        *) continue ;;
    esac
    nm "$object" | awk -v f="$folder" -v l="$(layer "$source")" -v o="$source" '
        $(NF - 1) ~ /^[TDBR]$/ { print "def", f, l, $NF }
        $(NF - 1) == "U" { print "use", f, l, $NF, o }'
done)
while read -r object folder symbol; do
    fail "$object uses $(c++filt "$symbol"), which $folder defines: not its folder, not a lower layer"
done < <(awk '$1 == "def" { folder[$4] = $2; layer[$4] = $3 } $1 == "use" { use[++n] = $0 }
    END {
        for (i = 1; i <= n; ++i) {
            split(use[i], u, " ")
            if ((u[4] in folder) && folder[u[4]] != u[2] && layer[u[4]] >= u[3])
                print u[5], folder[u[4]], u[4]
        }
    }' <<<"$symbols")
[ "$failures" -eq 0 ] || exit 1
echo "ok: $(grep -c . <<<"$edges") includes between parts, each one layer down or within a folder," \
    "no cycle; $(grep -c '^use' <<<"$symbols") symbols used by the objects, each defined in its folder or below"
