#!/usr/bin/env bash
# tarvo-run --call: several calls with the library loaded once, texts
# escaped, dates as the host writes them, bad arguments named.
#   call.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" "$build"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-call.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
check() {  # check NAME EXPECTED-RC EXPECTED-STDOUT EXPECTED-STDERR -- ARGS...
  local name=$1 rc=$2 out=$3 err=$4
  shift 5
  (cd "$work" && "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" "$@" >out 2>err </dev/null)
  local got=$?
  if [ "$got" != "$rc" ] || [ "$(cat "$work/out")" != "$out" ] || [ "$(cat "$work/err")" != "$err" ]; then
    echo "FAIL: $name: exit code $got (expected $rc)"
    diff <(printf '%s' "$out") "$work/out" | sed 's/^/  stdout /'
    diff <(printf '%s' "$err") "$work/err" | sed 's/^/  stderr /'
    failed=1
  fi
}
forms="C:text N:1.25 I:42 L:.T. D:2024-01-31 T:2024-01-31T10:20:30 Y:12.50 0: (D and T also take a day number)"

check "separators set by one call serve the next" 0 \
  "I width=10 length=0 value=1
H width=0 length=0 value=
I width=10 length=0 value=3" "" -- \
  --call STR_NUMTOK 'C:a;b;c' --call STR_SETSEP 'C:;' --call STR_NUMTOK 'C:a;b;c'
check "a text result with control bytes and a backslash" 0 \
  'H width=0 length=6 value=\\\t\x01\x7Fba' "" -- --call STR_REVERS "C:$(printf 'ab\177\001\t\\')"
check "a date as the host writes it, or a day number" 0 \
  "H width=0 length=20 value=Should return a date
H width=0 length=20 value=Should return a date
H width=0 length=24 value=Should return a datetime" "" -- \
  --call STR_MAKE D:2024-01-31 --call STR_MAKE D:2460341 --call STR_MAKE 'T:2024-01-31 10:20:30'
check "a date that does not exist" 2 "" \
  "tarvo-run: bad argument 'D:2024-02-30' to STR_MAKE; arguments are $forms" -- --call STR_MAKE D:2024-02-30
check "a number that is none" 2 "" \
  "tarvo-run: bad argument 'N:1,5' to STR_MAKE; arguments are $forms" -- --call STR_MAKE N:1,5
check "an unknown name fails alone" 1 "H width=0 length=1 value=5" \
  "Error 1 in NOSUCH: File 'NOSUCH' does not exist." -- --call NOSUCH I:1 --call STR_MAKE I:5

[ "$failed" = 0 ] && echo "call: ok"
exit "$failed"
