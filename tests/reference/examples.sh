#!/usr/bin/env bash
# Runs every example of the reference through tarvo-run under Wine and
# compares what it prints with the output its declaration states.
#   examples.sh BUILD_DIR
#
# The examples are BUILD_DIR/reference/examples/NAME.prg with NAME.out, as the
# reference generator writes them. Each runs in an empty scratch folder of its
# own and must end with exit code 0 and nothing on standard error. Outputs are
# compared with line ends as LF and without the line breaks at their start
# and end (? begins with one, the program's end adds one).
set -uo pipefail
. "$(dirname "$0")/../../scripts/wine-env.sh" "$1"
examples=$tarvo_build/reference/examples

normal() {  # CR LF to LF, no empty lines at the start or the end
  sed -e 's/\r$//' "$1" | sed -e '/./,$!d' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'
}

shopt -s nullglob
programs=("$examples"/*.prg)
if [ "${#programs[@]}" -eq 0 ]; then
  echo "no examples in $examples"
  exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-examples.XXXXXX")
trap 'rm -rf "$work"' EXIT

# run_example PRG: runs it in a fresh scratch folder; $work/got is what it
# printed, $work/stderr its errors; the exit code is tarvo-run's.
run_example() {
  rm -rf "$work/run" && mkdir "$work/run"
  (cd "$work/run" && tarvo_run_once_more "$work/stdout" "$work/stderr" \
     timeout --kill-after=10 60 "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" "Z:$1")
  local rc=$?
  normal "$work/stdout" >"$work/got"
  return $rc
}

failed=0
for prg in "${programs[@]}"; do
  name=$(basename "$prg" .prg)
  normal "${prg%.prg}.out" >"$work/want"
  run_example "$prg"
  rc=$?
  if [ "$rc" -ne 0 ] || [ -s "$work/stderr" ] || ! cmp -s "$work/want" "$work/got"; then
    echo "$name: exit code $rc"
    sed -e 's/\r$//' -e 's/^/  stderr: /' "$work/stderr"
    diff -u --label "$name (declared)" --label "$name (printed)" "$work/want" "$work/got" |
      sed -e 's/\r/\\r/g'
    failed=$((failed + 1))
  fi
done
echo "${#programs[@]} examples, $failed failed"
[ "$failed" -eq 0 ]
