#!/usr/bin/env bash
# The release package as scripts/release.sh makes it: every file in it, the
# checksums right, the shipped images stripped and exporting the same names
# as the tested build, their symbols kept apart, the one version number in
# the version resources, the reference and the package name; and the
# packaged library and companion working under Wine.
#   release.sh BUILD_DIR      (the package made in BUILD_DIR/release)
set -u  # no pipefail: grep -q may close a pipe early
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" "$1"
out=$tarvo_build/release
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-release.XXXXXX")
kernel=$WINEPREFIX/drive_c/windows/system32/KERNEL.DLL
trap 'cp -f "$TARVO_WIN_DIR/KERNEL.DLL" "$kernel"; rm -rf "$work"' EXIT
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }

number() { sed -n "s/^#define TARVO_VERSION_$1 \([0-9][0-9]*\)$/\1/p" "$root/src/host/version.h"; }
major=$(number MAJOR); minor=$(number MINOR); patch=$(number PATCH)
version=$major.$minor.$patch
name=tarvo-$version
zip=$out/$name.zip
check "the generator states the header's version" \
  '[ "$("$tarvo_build/tools/reference/tarvo-reference" --version)" = "$version" ]'
check "the package is named $name.zip" '[ -f "$zip" ]'
check "the package's checksum is right" '(cd "$out" && sha256sum -c --quiet "$name.zip.sha256")'
[ -f "$zip" ] || exit 1

unzip -q "$zip" -d "$work/unzipped"
pkg=$work/unzipped/$name
check "the package holds one folder $name" '[ "$(ls "$work/unzipped")" = "$name" ]'
for f in TARVO.fll KERNEL.DLL tarvo-run.exe tarvo_tips.prg README.txt CHANGES.txt LICENSE.txt SHA256SUMS \
         reference/index.html reference/index.md reference/names.js reference/search.js \
         reference/reference.css reference/coverage.html reference/minisearch/minisearch.js \
         reference/minisearch/LICENSE.txt; do
  check "the package holds $f" '[ -s "$pkg/$f" ]'
done
for f in "$root"/examples/*.prg; do
  check "the package holds examples/$(basename "$f")" 'cmp -s "$f" "$pkg/examples/$(basename "$f")"'
done
check "the package's reference is the build's" \
  'diff -r -x tarvo_tips.prg "$tarvo_build/reference" "$pkg/reference" >"$work/diff" || { cat "$work/diff"; false; }'
check "the package's tips program is the build's" \
  'cmp -s "$tarvo_build/reference/tarvo_tips.prg" "$pkg/tarvo_tips.prg"'
check "SHA256SUMS lists every other file" \
  '[ "$(cd "$pkg" && find . -type f ! -name SHA256SUMS | sed "s|^\./||" | LC_ALL=C sort)" = "$(awk "{print \$2}" "$pkg/SHA256SUMS")" ]'
check "every checksum in SHA256SUMS is right" '(cd "$pkg" && sha256sum -c --quiet SHA256SUMS)'
check "README.txt names the version, SET LIBRARY TO and the system directory" \
  'grep -q "TARVO $version" "$pkg/README.txt" && grep -q "SET LIBRARY TO TARVO.fll" "$pkg/README.txt" && grep -q "SysWOW64" "$pkg/README.txt"'
check "README.txt gives the coverage, counted as the reference counts it" \
  'tr -d "\r" <"$pkg/README.txt" | tr "\n" " " | tr -s " " | grep -qF "Coverage: $("$tarvo_build/tools/reference/tarvo-reference" --coverage-line)"'
check "the reference names the version" 'grep -q "^# TARVO $version reference" "$pkg/reference/index.md"'

dump() { i686-w64-mingw32-objdump -p "$1"; }
exports() {
  dump "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | tail -n +2 | grep -o '\] .*' | cut -c3- | sort
}
unzip -q "$out/$name-symbols.zip" -d "$work/symbols"
for f in TARVO.fll KERNEL.DLL tarvo-run.exe; do
  check "$f is a 32-bit image" 'dump "$pkg/$f" | grep -q "file format pei-i386"'
  check "$f carries no symbols" \
    '! i686-w64-mingw32-objdump -h "$pkg/$f" | grep -q "\.debug_" && i686-w64-mingw32-nm "$pkg/$f" 2>&1 | grep -q "no symbols"'
  check "$f names its symbol file" \
    'i686-w64-mingw32-objdump -h "$pkg/$f" | grep -q "\.gnu_debuglink" && strings -a "$pkg/$f" | grep -qxF "$f.debug"'
  check "the symbols of $f are kept apart" \
    'i686-w64-mingw32-objdump -h "$work/symbols/$f.debug" | grep -q "\.debug_info"'
done
for f in TARVO.fll KERNEL.DLL; do
  check "$f exports the same names as the tested build" \
    '[ -n "$(exports "$pkg/$f")" ] && [ "$(exports "$pkg/$f")" = "$(exports "$tarvo_build/win32/$f")" ]'
  for image in "$pkg/$f" "$tarvo_build/win32/$f"; do
    i686-w64-mingw32-windres -i "$image" -J coff -O rc >"$work/rc" 2>/dev/null
    for line in "FILEVERSION $major, $minor, $patch, 0" "PRODUCTVERSION $major, $minor, $patch, 0" \
                "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\""; do
      check "the version resource of ${image#"$work/"} holds $line" 'grep -qF "$line" "$work/rc"'
    done
  done
done

# The packaged programs at work: the stripped library and companion, the
# companion in the prefix's system directory for a moment. (Only where Wine
# runs 32-bit programs.)
if [ "$TARVO_WIN_DIR" = "$tarvo_build/win32" ]; then
  cp -f "$pkg/KERNEL.DLL" "$kernel"
  run() {
    (cd "$work" && timeout --kill-after=10 60 "$TARVO_WINE" "$pkg/tarvo-run.exe" -c "$1") |
      sed -e 's/\r$//' | tr '\n' '|'
  }
  check "the packaged tarvo-run loads the packaged library" '[ "$(run "? TST_TEST(3)")" = "|        27|" ]'
  check "the packaged library finds the packaged companion" \
    '[ "$(run "? STR_PADL(\"7\", 3, \"0\")")" = "|007|" ]'
else
  echo "skipped: running the packaged programs (this machine's Wine runs no 32-bit programs)"
fi

[ "$fail" -eq 0 ] && echo "release package $name.zip: all checks passed"
exit "$fail"
