#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs one of them.
#
#   scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options...]
#
# TARGET is lzh_decode, lzh_roundtrip, bitmap_header, dbf or fpt. The corpus
# grows in fuzz/corpus-TARGET/ (not kept in the repository), starting from the
# seeds in fuzz/seeds/ under the target's first word (lzh/, bitmap/, dbf/,
# fpt/). A crashing input is written to build-fuzz/crash-TARGET-*; keep it as
# a regression test.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: scripts/fuzz.sh lzh_decode|lzh_roundtrip|bitmap_header|dbf|fpt [seconds] [options...]}
seconds=${2:-60}
shift $(( $# >= 2 ? 2 : 1 ))

build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja > /dev/null
fi
ninja -C "$build" "${target}_fuzz" > /dev/null

corpus="$root/fuzz/corpus-$target"
mkdir -p "$corpus"
exec "$build/${target}_fuzz" -max_total_time="$seconds" -max_len=70000 -timeout=20 \
  -artifact_prefix="$build/crash-$target-" -print_final_stats=1 "$@" \
  "$corpus" "$root/fuzz/seeds/${target%%_*}"
