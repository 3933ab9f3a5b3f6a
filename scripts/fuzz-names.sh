#!/usr/bin/env bash
# Runs the signature fuzzer long: every name of the table, COUNT calls each,
# with the given seed, in normal and then in hostile mode.
#   scripts/fuzz-names.sh [SEED] [COUNT] [tarvo-fuzz options...]
# SEED defaults to the current time, COUNT to 2000. A failure prints the call
# and the tarvo-fuzz command that replays it (same seed, count and mode, --only NAME).
# TARVO_FLAVOUR=win32|win64 picks the Windows build, as for scripts/wine-run.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seed=${1:-$(date +%s)}
count=${2:-2000}
shift $(( $# > 2 ? 2 : $# ))
"$root/scripts/build.sh"
"$root/scripts/wine-prefix.sh" "$root/build" >/dev/null
status=0
for mode in "" --hostile; do
  "$root/scripts/wine-run.sh" "$root/build" 36000 tarvo-fuzz.exe --seed "$seed" --count "$count" \
    $mode "$@" | grep -v '^ *[0-9]*\r\?$' || status=1
done
exit $status
