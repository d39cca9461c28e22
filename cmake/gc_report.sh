#!/bin/sh
# Linker launcher: runs the link command that follows REPORT and writes the
# linker's list of the sections it removed as unused (--print-gc-sections)
# to REPORT; everything else the linker says goes to stderr as usual.
#
# Usage: gc_report.sh REPORT LINK-COMMAND...
report=$1
shift
"$@" 2>"$report.all"
status=$?
grep -v "removing unused section" "$report.all" >&2
grep "removing unused section" "$report.all" >"$report"
rm -f "$report.all"
exit $status
