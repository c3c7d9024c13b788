#!/usr/bin/env bash
# Runs every libFuzzer target of the native tree for a bounded time each, from
# the seed corpus in fuzz/corpus/<target> and the dictionary fuzz/dict/<target>.dict
# when there is one. Usage: fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
secs="${1:-60}"
shopt -s nullglob
targets=(build/native/fuzz/fuzz_*)
if ((${#targets[@]} == 0)); then echo "no fuzz targets built"; exit 0; fi
for t in "${targets[@]}"; do
  name="$(basename "$t")"
  work="fuzz/corpus-work/$name"
  mkdir -p "$work"
  seeds="fuzz/corpus/${name#fuzz_}"
  dict="fuzz/dict/${name#fuzz_}.dict"
  echo "-- $name for ${secs}s"
  "$t" -max_total_time="$secs" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
       $( [ -f "$dict" ] && echo "-dict=$dict" ) \
       -print_final_stats=0 "$work" $( [ -d "$seeds" ] && echo "$seeds" ) 2>"$work.log" \
    || { tail -50 "$work.log"; echo "fuzz target $name failed"; exit 1; }
  grep -E "^(#[0-9]+ +DONE|Done)" "$work.log" | tail -1 || true
done
