#!/usr/bin/env bash
# The README stays a short user's guide, and every relative link of the
# README and of docs/*.md leads somewhere: to a file of the source tree and,
# for a link with "#anchor", to a heading of that Markdown file (as
# GitHub makes anchors of headings: lower case, punctuation dropped, blanks
# as "-") or to an <a id="..."> in it.
#   links.sh SOURCE_DIR
set -uo pipefail
root=$1
max_lines=250
status=0

lines=$(wc -l <"$root/README.md")
if [ "$lines" -ge "$max_lines" ]; then
  echo "README.md has $lines lines; it is to stay under $max_lines (move details into docs/)"
  status=1
fi

# anchors FILE: the anchors of a Markdown file, one a line.
anchors() {
  grep -E '^#{1,6} ' "$1" | sed -E 's/^#+ +//' | tr 'A-Z' 'a-z' |
    sed -E 's/[^a-z0-9 _-]//g; s/ /-/g'
  grep -oE '<a id="[^"]+"' "$1" | sed -E 's/<a id="//; s/"$//'
}

for doc in "$root/README.md" "$root"/docs/*.md; do
  dir=$(dirname "$doc")
  # Links outside code: [text](target), without the fenced blocks.
  targets=$(awk '/^```/ { code = !code; next } !code' "$doc" |
    grep -oE '\]\([^)[:space:]]+\)' | sed -E 's/^\]\(//; s/\)$//')
  for t in $targets; do
    case $t in
      http://*|https://*|mailto:*) continue ;;
    esac
    file=${t%%#*}
    anchor=
    [ "$file" != "$t" ] && anchor=${t#*#}
    if [ -z "$file" ]; then
      path=$doc
    else
      path=$dir/$file
    fi
    name=${doc#"$root"/}
    if [ ! -e "$path" ]; then
      echo "$name: the link ($t) leads to no file"
      status=1
      continue
    fi
    if [ -n "$anchor" ] && [[ $path == *.md ]] && ! grep -qxF -- "$anchor" <<<"$(anchors "$path")"; then
      echo "$name: the link ($t) names no heading of ${path#"$root"/}"
      status=1
    fi
  done
done
[ "$status" -eq 0 ] && echo "README.md has $lines lines; every link resolves"
exit "$status"
