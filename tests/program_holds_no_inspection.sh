#!/bin/bash
# The program holds nothing only the driver and the tests use: the linker's list
# of the function sections it dropped (cmake/UnusedSections.cmake; not for
# Windows, whose linker drops none) names none of ours but copies of inline
# functions and templates kept elsewhere, and the standard library's; and it
# defines none of the probe's functions under the same name.
# Usage: program_holds_no_inspection.sh NM PROGRAM PROBE-LIBRARY [UNUSED-SECTIONS]
set -u
nm=$1 program=$2 probe=$3 report=${4:-}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ -s "$program" ] || { fail "no program $program"; exit 1; }
if [ -n "$report" ]; then
    [ -f "$report" ] || { fail "no list of unused sections $report"; exit 1; }
    # "removing unused section '.text.NAME' in file '.../libselvaquin_X.a(file.o)'"; one of a
    # group ('.text.NAME[GROUP]') is a copy of an inline function, .text.unlikely.NAME part of one.
    while read -r object function; do
        fail "$object: $function is not used by the program"
    done < <(sed -n "s/.*unused section '\.text\.\([^'[]*\)' in file '[^']*libselvaquin_[^']*(\([^)]*\))'.*/\2 \1/p" "$report" |
        sed 's/ \(unlikely\|startup\|exit\|hot\)\./ /' | c++filt | grep -v -E '^[^ ]+ (std|__gnu_cxx)::| QtPrivate::' | sort -u)
fi

while read -r symbol; do
    fail "the program defines the probe's $symbol"
done < <(comm -12 <("$nm" -C --defined-only "$probe" | sed -n 's/^[0-9a-f]* T \(tk::[^<]*\)$/\1/p' | sort -u) \
                  <("$nm" -C --defined-only "$program" | sed -n 's/^[0-9a-f]* [Tt] \(tk::.*\)$/\1/p' | sort -u))

[ "$failures" -eq 0 ] || exit 1
echo "ok: the program ${report:+uses every function of its own objects and }defines none of the probe's functions"
