#!/usr/bin/env bash
# Help where people type: tarvo-run --doc NAME and HELP NAME at the prompt
# print the name's reference entry (an alias its main name's, an unknown
# name gets the nearest ones); --list has a header, the result type and the summary;
# --help goes to standard output, --version names the version.
#   help.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" "$build"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-help.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
run() {  # run ARGS... [< input]: sets rc, out, err
  (cd "$work" && "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" "$@" >out 2>err)
  rc=$?
  out=$(tr -d '\r' <"$work/out")
  err=$(tr -d '\r' <"$work/err")
}
fail() { echo "FAIL: $1"; printf '%s\n' "$out" "$err" | head -20 | sed 's/^/  /'; failed=1; }
has() { grep -qF -- "$2" <<<"$1"; }

run --doc str_left </dev/null
{ [ "$rc" -eq 0 ] && has "$out" "STR_LEFT(cText, nCount) -> text" && has "$out" "Parameters:" &&
  has "$out" "Example:" && has "$out" "Family: Strings"; } || fail "--doc STR_LEFT"

run --doc STR_REVERS </dev/null
{ [ "$rc" -eq 0 ] && has "$out" "STR_REVERS(" && has "$out" "(another name of STR_MIRROR)"; } ||
  fail "--doc of an alias"

run --doc STR_REVRS </dev/null
{ [ "$rc" -eq 1 ] && [ -z "$out" ] && has "$err" "No function is called STR_REVRS. Did you mean STR_REVERS?"; } ||
  fail "--doc of an unknown name"

run --doc LEFT </dev/null
{ [ "$rc" -eq 0 ] && has "$out" "LEFT is a built-in function"; } || fail "--doc of a built-in function"

printf 'HELP str_mirror\n? "after"\n' >"$work/in"
run <"$work/in"
{ [ "$rc" -eq 0 ] && has "$out" "STR_MIRROR(cText) -> text" && has "$out" "after"; } ||
  fail "HELP NAME from the input"

run --list </dev/null
first=$(head -1 <<<"$out")
{ [ "$rc" -eq 0 ] && [ "$(echo $first)" = "NAME PARAMETERS RESULT SUMMARY" ] &&
  grep -qE '^STR_LEFT +C,I +text +The first' <<<"$out" &&
  grep -qE '^STR_REVERS +C +text +another name of STR_MIRROR' <<<"$out" &&
  grep -qE '^TARVOIN +\(hook\) +- ' <<<"$out"; } || fail "--list"

run --help </dev/null
{ [ "$rc" -eq 0 ] && [ -z "$err" ] && has "$out" "--check PROGRAM.prg" && has "$out" "--doc NAME"; } ||
  fail "--help"

run --version </dev/null
{ [ "$rc" -eq 0 ] && [ "$out" = "tarvo-run $("$build/tools/reference/tarvo-reference" --version)" ]; } ||
  fail "--version"

run --version extra </dev/null
[ "$rc" -eq 2 ] || fail "--version with an argument is a usage error"

[ "$failed" -eq 0 ] && echo "help, --doc, --list, --help and --version answer"
exit "$failed"
