#!/bin/sh
# run_fuzzer.sh FUZZER CORPUS WORKDIR SECONDS [OPTION...]: a libFuzzer target for a bounded time
# from a scratch copy of its corpus; a failing input lands in WORKDIR/crashes/.
set -e
fuzzer=$1 corpus=$2 work=$3 seconds=$4
shift 4
rm -rf "$work/corpus"
mkdir -p "$work/corpus" "$work/crashes"
cp "$corpus"/* "$work/corpus/"
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/crashes/" "$@" "$work/corpus"
