#!/usr/bin/env bash
# The parts of the documents written from the programs' own tables, so that
# they never tell another story than the code:
#   README.md          <!-- families: ... -->  tarvo-reference --families
#                      <!-- coverage: ... -->  tarvo-reference --coverage-line
#                      <!-- first: ... -->     examples/first.prg and what it prints
#   docs/runner.md     <!-- lists: ... -->     tarvo-run --help-lists
#   docs/coverage.md   the whole file          tarvo-reference --coverage
# A block is the text between the lines "<!-- NAME: begin -->" and
# "<!-- NAME: end -->".
#   doc-lists.sh BUILD_DIR           fails, showing the difference, when a document differs
#   doc-lists.sh BUILD_DIR --write   writes them into the documents
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
reference=$build/tools/reference/tarvo-reference
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-lists.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$reference" --families >"$work/families" || exit 1
"$reference" --coverage-line >"$work/coverage" || exit 1
"$reference" --coverage >"$work/coverage.md" || exit 1
"$root/scripts/wine-run.sh" "$build" 60 tarvo-run.exe --help-lists | tr -d '\r' >"$work/lists" || exit 1
# The first program, run in a scratch folder of its own.
mkdir "$work/run"
(cd "$work/run" && "$root/scripts/wine-run.sh" "$build" 60 tarvo-run.exe "Z:$root/examples/first.prg") \
  | tr -d '\r' >"$work/first.out" || exit 1
{
  echo '```foxpro'
  tr -d '\r' <"$root/examples/first.prg"
  echo '```'
  echo
  echo 'It prints:'
  echo
  echo '```text'
  cat "$work/first.out"
  echo '```'
} >"$work/first"

# fill FILE BLOCK CONTENT_FILE OUT_FILE: FILE with the block's text replaced.
fill() {
  awk -v block="$2" -v content="$3" '
    $0 == "<!-- " block ": end -->" { skipping = 0 }
    !skipping { print }
    $0 == "<!-- " block ": begin -->" { while ((getline line < content) > 0) print line; skipping = 1; found = 1 }
    END { if (!found) exit 3 }
  ' "$1" >"$4"
  case $? in
    0) ;;
    3) echo "$1 has no <!-- $2: begin --> line"; return 1 ;;
    *) return 1 ;;
  esac
}

mkdir -p "$work/new/docs"
fill "$root/README.md" families "$work/families" "$work/r1" &&
  fill "$work/r1" coverage "$work/coverage" "$work/r2" &&
  fill "$work/r2" first "$work/first" "$work/new/README.md" &&
  fill "$root/docs/runner.md" lists "$work/lists" "$work/new/docs/runner.md" || exit 1
cp "$work/coverage.md" "$work/new/docs/coverage.md"

status=0
for f in README.md docs/runner.md docs/coverage.md; do
  if [ "${2:-}" = --write ]; then
    cp "$work/new/$f" "$root/$f"
  elif ! diff -u "$root/$f" "$work/new/$f"; then
    echo "$f differs from the tables: run scripts/doc-lists.sh $1 --write"
    status=1
  fi
done
[ "$status" -eq 0 ] && [ "${2:-}" != --write ] && echo "the documents' lists match the tables"
exit "$status"
