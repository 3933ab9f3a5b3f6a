#!/usr/bin/env bash
# Runs one script test: tarvo-run on tests/scripts/NAME.prg under Wine.
#   script-test.sh BUILD_DIR tests/scripts/NAME.prg [EXPECTED]
#
# NAME.out holds the exact standard output expected (EXPECTED.out when
# EXPECTED is given: the examples keep theirs in tests/examples/).
# NAME.err, when present, holds the exact standard error expected, and the
# program must then end with exit code 1 (an error no TRY or ON ERROR caught);
# without it the program must end with exit code 0.
# Output is compared byte for byte: every line tarvo-run writes ends in LF
# alone, the library's own console lines included.
# The program runs in an empty scratch folder of its own, so it may create
# files; the folder is removed afterwards.
set -uo pipefail
. "$(dirname "$0")/wine-env.sh" "$1"
prg=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
base=${3:-${prg%.prg}}
name=$(basename "$base")

if [ ! -f "$base.out" ]; then
  echo "$name: missing expected output $base.out"
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-script.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir run
cd run
tarvo_run_once_more "$work/stdout.raw" "$work/stderr.raw" \
  timeout --kill-after=10 100 "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" "Z:$prg"
rc=$?
mv "$work/stdout.raw" "$work/stdout"
mv "$work/stderr.raw" "$work/stderr"

status=0
if ! diff -u "$base.out" "$work/stdout" >"$work/diff"; then
  echo "$name: standard output differs from $name.out:"
  cat "$work/diff"
  status=1
fi
if [ -f "$base.err" ]; then
  expected_rc=1
  if ! diff -u "$base.err" "$work/stderr" >"$work/diff"; then
    echo "$name: standard error differs from $name.err:"
    cat "$work/diff"
    status=1
  fi
else
  expected_rc=0
fi
if [ "$rc" -ne "$expected_rc" ]; then
  echo "$name: exit code $rc, expected $expected_rc"
  if [ -s "$work/stderr" ]; then
    echo "standard error:"
    cat "$work/stderr"
  fi
  status=1
fi
[ "$status" -eq 0 ] && echo "$name: ok"
exit "$status"
