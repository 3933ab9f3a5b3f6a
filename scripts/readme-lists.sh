#!/usr/bin/env bash
# The README's lists of what tarvo-run supports and of the library's
# families, written from the programs' own tables: the text between the
# lines "<!-- lists: begin -->" and "<!-- lists: end -->" is
# `tarvo-reference --families` followed by `tarvo-run --help-lists`.
#   readme-lists.sh BUILD_DIR           fails, showing the difference, when the README differs
#   readme-lists.sh BUILD_DIR --write   writes them into the README
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
readme=$root/README.md
families=$("$build/tools/reference/tarvo-reference" --families) || exit 1
lists=$("$root/scripts/wine-run.sh" "$build" 60 tarvo-run.exe --help-lists | tr -d '\r') || exit 1
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-lists.XXXXXX")
trap 'rm -rf "$work"' EXIT
{
  echo "Library families today:"
  echo
  echo "$families"
  echo
  echo "$lists"
} >"$work/lists"
awk -v lists="$work/lists" '
  /^<!-- lists: end -->$/ { skipping = 0 }
  !skipping { print }
  /^<!-- lists: begin -->$/ { while ((getline line < lists) > 0) print line; skipping = 1; found = 1 }
  END { if (!found) exit 3 }
' "$readme" >"$work/readme"
case $? in
  0) ;;
  3) echo "README.md has no <!-- lists: begin --> line"; exit 1 ;;
  *) exit 1 ;;
esac
if [ "${2:-}" = --write ]; then
  cp "$work/readme" "$readme"
  exit 0
fi
if ! diff -u "$readme" "$work/readme"; then
  echo "README.md's lists differ from the tables: run scripts/readme-lists.sh $1 --write"
  exit 1
fi
echo "README.md's lists match the tables"
