#!/bin/sh
# Runs one libFuzzer target for a bounded time, starting from a scratch copy of
# its checked-in corpus so that new inputs never land in the source tree.
# usage: run_fuzzer.sh FUZZER CORPUS WORKDIR SECONDS [libFuzzer options...]
# A failing input is written to WORKDIR/crashes/ (the log names the file) and
# the run fails.
set -e
fuzzer=$1 corpus=$2 work=$3 seconds=$4
shift 4
rm -rf "$work/corpus"
mkdir -p "$work/corpus" "$work/crashes"
cp "$corpus"/* "$work/corpus/"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/crashes/" "$@" "$work/corpus"
