#!/usr/bin/env bash
# tarvo-run --check on a small application (tests/runner/check_app): every
# misspelt name, every wrong argument
# count or literal type and every command the runner does not support is
# reported at its file and line, and the exit status says that something
# would fail; a clean program passes.
#   check.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" "$build"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$root"/tests/runner/check_app/*.prg "$work/"
failed=0
run() {  # run ARGS...: tarvo-run in the scratch folder; sets rc, out
  (cd "$work" && tarvo_run_once_more out err "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" "$@")
  rc=$?
  out=$(tr -d '\r' <"$work/out")
}

run --check app.prg tools.prg
expected="app.prg:8: STR_REVRS is no function of TARVO.fll, no built-in function of tarvo-run and no procedure of these programs (error 1 when it runs); did you mean STR_REVERS?
app.prg:9: STR_LEFT takes 2 arguments, here 1 (error 11 when it runs).
app.prg:10: STR_LEFT: argument 2 is a text where an integer is declared (error 11 when it runs).
app.prg:11: STR_LEFT takes 2 arguments, here 3 (error 11 when it runs).
app.prg:17: DO NOWHERE: no procedure or program of that name (error 1 when it runs).
app.prg:18: DO HELPERR: no procedure or program of that name (error 1 when it runs); did you mean HELPER?
app.prg:19: BROWSE LAST: tarvo-run does not support this command (error 16: Unrecognized command verb.)
tools.prg:7: STR_PROPR is no function of TARVO.fll, no built-in function of tarvo-run and no procedure of these programs (error 1 when it runs); did you mean STR_PROPER?
2 programs checked: 8 things would fail, in 2 of them."
if [ "$rc" -ne 1 ] || [ "$out" != "$expected" ]; then
  echo "FAIL: the application: exit code $rc (expected 1)"
  sed 's/^/  stderr: /' "$work/err"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$out") | sed 's/^/  /'
  failed=1
fi

# A program with nothing to report passes; so does a file listed once only.
printf '? STR_MIRROR("abc")\n' >"$work/clean.prg"
run --check clean.prg
if [ "$rc" -ne 0 ] || [ "$out" != "1 program checked: nothing here would fail for want of a name or a command." ]; then
  echo "FAIL: a clean program: exit code $rc, output: $out"
  failed=1
fi

# A file that cannot be read is reported as such.
run --check missing.prg
if [ "$rc" -ne 1 ] || [ "${out%%$'\n'*}" != "missing.prg:0: cannot be read" ]; then
  echo "FAIL: a missing file: exit code $rc, output: $out"
  failed=1
fi

[ "$failed" -eq 0 ] && echo "--check reports what would fail"
exit "$failed"
