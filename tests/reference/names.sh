#!/usr/bin/env bash
# The reference against the function table that TARVO.fll hands over when
# tarvo-run loads it under Wine: the index, the family pages (Markdown and
# HTML), the search box's data and the editor tips program all list exactly
# the table's names, and the tips program registers each callable name once
# with as many parameters as its record takes.
#   names.sh BUILD_DIR
set -uo pipefail
. "$(dirname "$0")/../../scripts/wine-env.sh" "$1"
ref=$tarvo_build/reference
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-names.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail=0

(cd "$work" && timeout --kill-after=10 60 "$TARVO_WINE" "$TARVO_WIN_DIR/tarvo-run.exe" --list) |
  sed -e 's/\r$//' >"$work/list"
# --list: a header line, then name, type string ("-" for none, "(hook)"),
# result type and summary.
awk 'NR > 1 {print $1}' "$work/list" | sort >"$work/table"
awk 'NR > 1 && $2 != "(hook)" {
       n = 0; if ($2 != "-") for (i = split($2, t, ","); i > 0; i--) if (t[i] != "") n++
       print $1, n }' "$work/list" | sort -u >"$work/callable"
if [ "$(wc -l <"$work/table")" -lt 60 ]; then
  echo "tarvo-run --list gave too few names:"; cat "$work/list"; exit 1
fi

same() {  # same WHAT FILE: FILE lists exactly the table's names
  if ! diff -u --label "function table" --label "$1" "$work/table" "$2" >"$work/diff"; then
    echo "$1 differs from the function table:"; cat "$work/diff"; fail=1
  fi
}

# The index: one row per name.
sed -n 's/^| \[`\([A-Z0-9_]*\)`\](.*/\1/p' "$ref/index.md" | sort >"$work/index.md"
same "index.md" "$work/index.md"
sed -n 's/^<tr><td><a href="[^"]*"><code>\([A-Z0-9_]*\)<\/code>.*/\1/p' "$ref/index.html" | sort >"$work/index.html"
same "index.html" "$work/index.html"

# The family pages: a section per main name, and every alias named in its
# main name's section.
family_md() { grep -h -o '^## [A-Z0-9_]*$\|^\*\*Alias\(es\)\?\.\*\* .*' "$@" | grep -o '[A-Z][A-Z0-9_]*[A-Z0-9]' | grep -v '^Alias'; }
family_md $(ls "$ref"/*.md | grep -v '/index.md$\|/coverage.md$') | sort >"$work/pages.md"
same "the family pages (Markdown)" "$work/pages.md"
family_html() { grep -h -o '^<h2>[A-Z0-9_]*</h2>$\|<strong>Alias\(es\)\?\.</strong> .*' "$@" | grep -o '[A-Z][A-Z0-9_]*[A-Z0-9]' | grep -v '^Alias'; }
family_html $(ls "$ref"/*.html | grep -v '/index.html$\|/coverage.html$') | sort >"$work/pages.html"
same "the family pages (HTML)" "$work/pages.html"

# The search box's data: the table's names, and the names of the complete
# library this build has not yet (marked "x").
grep -v '"x": 1' "$ref/names.js" | grep -o '"n": "[A-Z0-9_]*"' | cut -d'"' -f4 | sort >"$work/names.js"
same "names.js" "$work/names.js"

# The tips program: each callable name once, its signature's parameter count
# the record's (the signature ends with " -> " and the result type).
sed -e 's/\r$//' "$ref/tarvo_tips.prg" >"$work/tarvo_tips.prg"
tips=$work/tarvo_tips.prg
sed -n 's/^=TarvoTip("\([A-Z0-9_]*\)", "\([^"]*\)", .*/\1 \2/p' "$tips" >"$work/tips"
while read -r name sig; do
  args=${sig#*(}; args=${args%%)*}
  n=$(printf '%s' "$args" | tr -d '[] ' | tr ',' '\n' | grep -c .)
  [ "${sig%%(*}" = "$name" ] || echo "tarvo_tips.prg: $name has the signature $sig"
  echo "$name $n"
done <"$work/tips" | sort >"$work/tips.count"
if ! diff -u --label "callable names and counts" --label "tarvo_tips.prg" \
     "$work/callable" "$work/tips.count" >"$work/diff"; then
  echo "tarvo_tips.prg does not register each callable name once with its count:"
  cat "$work/diff"; fail=1
fi
# Both ways through the program: registering and removing, by the one parameter.
for line in 'LPARAMETERS tcRemove, tcTable' 'IF EMPTY(tcRemove)' \
            'USE (IIF(EMPTY(tcTable), _FOXCODE, tcTable)) AGAIN SHARED IN 0 ALIAS tarvotips' \
            'PROCEDURE TarvoTip(tcName, tcSignature, tcTip)' 'ENDPROC'; do
  grep -qxF -- "$line" "$tips" || { echo "tarvo_tips.prg lacks the line: $line"; fail=1; }
done
# Every literal closes on its line: no line has an odd number of double quotes
# outside brackets and apostrophes.
if grep -n '^=TarvoTip(' "$tips" | grep -v '^[0-9]*:=TarvoTip("[^"]*", "[^"]*", \("[^"]*"\|'"'"'[^'"'"']*'"'"'\|\[[^]]*\]\|.*CHR(34).*\))$' >"$work/bad"; then
  echo "tarvo_tips.prg: calls whose literals do not close:"; cat "$work/bad"; fail=1
fi
grep -q "^\* TARVO $("$tarvo_build/tools/reference/tarvo-reference" --version):" "$tips" ||
  { echo "tarvo_tips.prg does not carry the version number"; fail=1; }

[ "$fail" -eq 0 ] && echo "reference: $(wc -l <"$work/table") names, as in the function table"
exit "$fail"
