#!/usr/bin/env bash
# The editor tips program runs in tarvo-run against a tips table of the
# host's layout: afterwards the table holds every callable name once, with
# its signature and tip (read back with python3-dbf), also after a second
# run, and the records of its own stay; run again WITH "REMOVE", the names are gone and the rest
# stays.
#   tips.sh BUILD_DIR
set -uo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" "$build"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-tips.XXXXXX")
trap 'rm -rf "$work"' EXIT
sed -e 's/\r$//' "$build/reference/tarvo_tips.prg" >"$work/tarvo_tips.prg"
cat >"$work/make.prg" <<'PRG'
CREATE TABLE foxcode (type C(1), abbrev C(24), expanded C(26), cmd M, tip M, data M, ;
  case C(1), save L, timestamp T, source C(8), uniqueid C(10), user M)
APPEND BLANK
REPLACE type WITH "C", abbrev WITH "MODI", expanded WITH "MODIFY", tip WITH "the host's own"
USE
PRG
printf 'DO tarvo_tips WITH "", "foxcode.dbf"\n' >"$work/add.prg"
printf 'DO tarvo_tips WITH "REMOVE", "foxcode.dbf"\n' >"$work/remove.prg"
run() { (cd "$work" && "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" "$1" </dev/null) || { echo "FAIL: $1 ended with $?"; exit 1; }; }

# The table's live records: type F as F<tab>the tip's first line (the
# signature), the others as type, abbreviation and tip.
dump() {
  /usr/bin/python3 -W ignore - "$work/foxcode.dbf" <<'PY'
import sys, dbf
t = dbf.Table(sys.argv[1]); t.open()
for r in t:
    if dbf.is_deleted(r): continue
    if r.type == "F": print("F\t%s" % r.tip.split("\r\n")[0])
    else: print("%s\t%s\t%s" % (r.type, r.abbrev.strip(), r.tip))
t.close()
PY
}
sed -n 's/^=TarvoTip("\([A-Z0-9_]*\)", "\([^"]*\)", .*/F\t\2/p' "$work/tarvo_tips.prg" | sort -u >"$work/expected"
printf 'C\tMODI\tthe host'"'"'s own\n' >>"$work/expected"
sort -o "$work/expected" "$work/expected"

failed=0
run make.prg
run add.prg
run add.prg  # again: each name is replaced, not added twice
dump | sort >"$work/added"
if ! diff -u "$work/expected" "$work/added" >"$work/diff"; then
  echo "FAIL: after adding, the table differs from the tips program's names:"; head -20 "$work/diff"; failed=1
fi
[ "$(wc -l <"$work/added")" -gt 800 ] || { echo "FAIL: only $(wc -l <"$work/added") records"; failed=1; }
run remove.prg
dump >"$work/removed"
if [ "$(cat "$work/removed")" != "$(printf 'C\tMODI\tthe host'"'"'s own')" ]; then
  echo "FAIL: after removing, the table holds:"; head "$work/removed"; failed=1
fi
[ $failed = 0 ] && echo "tips: $(grep -c '^F' "$work/added") names added and removed again"
exit $failed
