#!/usr/bin/env bash
# Builds the release package: the 32-bit product in release mode, its symbols
# stripped from the shipped images and kept in a separate package, the
# reference, the examples, the editor tips program, the README for host
# programmers, the licence and the checksums, zipped as one file.
#
#   scripts/release.sh [--build DIR]
#
# DIR (default build-release/) holds the builds and receives
#   tarvo-VERSION.zip            the package (one folder tarvo-VERSION/)
#   tarvo-VERSION.zip.sha256     its checksum
#   tarvo-VERSION-symbols.zip    the symbol files (NAME.debug) of the three images
# VERSION comes from src/host/version.h.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-release
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    *) echo "usage: scripts/release.sh [--build DIR]" >&2; exit 2 ;;
  esac
done
mkdir -p "$build"
build=$(cd "$build" && pwd)

number() { sed -n "s/^#define TARVO_VERSION_$1 \([0-9][0-9]*\)$/\1/p" "$root/src/host/version.h"; }
version=$(number MAJOR).$(number MINOR).$(number PATCH)
case $version in
  *[0-9].*[0-9].*[0-9]) ;;
  *) echo "release: no version number in src/host/version.h" >&2; exit 1 ;;
esac
name=tarvo-$version

# The product, optimised as the tested build and with debugging information,
# which is moved out of the images below.
echo "release: building TARVO $version (32-bit, release) in $build/win32"
if [ -f "$build/win32/CMakeCache.txt" ] &&
   ! grep -q "^CMAKE_TOOLCHAIN_FILE:FILEPATH=$root/cmake/mingw.cmake$" "$build/win32/CMakeCache.txt"; then
  rm -rf "$build/win32"  # configured with another toolchain file
fi
cmake -S "$root" -B "$build/win32" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw.cmake" -DTARVO_ARCH=i686 \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS=-g -DCMAKE_CXX_FLAGS=-g >/dev/null
cmake --build "$build/win32" -j2 --target TARVO KERNEL tarvo-run >/dev/null

# The reference, the examples and the tips program, by the native generator.
echo "release: writing the reference"
cmake -S "$root" -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVO_WINDOWS=OFF >/dev/null
cmake --build "$build/native" -j2 --target reference >/dev/null

stage=$build/stage
rm -rf "$stage" "$build/$name.zip" "$build/$name.zip.sha256" "$build/$name-symbols.zip"
mkdir -p "$stage/$name" "$stage/symbols"
pkg=$stage/$name

# Each image: its symbols into NAME.debug, a stripped copy into the package,
# linked to its symbol file by name and checksum.
for image in TARVO.fll KERNEL.DLL tarvo-run.exe; do
  i686-w64-mingw32-objcopy --only-keep-debug "$build/win32/$image" "$stage/symbols/$image.debug"
  i686-w64-mingw32-strip --strip-all -o "$pkg/$image" "$build/win32/$image"
  (cd "$stage/symbols" && i686-w64-mingw32-objcopy --add-gnu-debuglink="$image.debug" "$pkg/$image")
done

cp -r "$build/native/reference" "$pkg/reference"
mv "$pkg/reference/tarvo_tips.prg" "$pkg/tarvo_tips.prg"
mkdir "$pkg/examples"
cp "$root"/examples/*.prg "$pkg/examples/"
coverage=$("$build/native/tools/reference/tarvo-reference" --coverage-line)
sed -e "s/@VERSION@/$version/g" -e "s|@COVERAGE@|$coverage|" "$root/release/README.txt" |
  fold -s -w 76 | sed -e 's/ *$//' -e 's/$/\r/' >"$pkg/README.txt"
sed -e 's/$/\r/' "$root/CHANGES.md" >"$pkg/CHANGES.txt"
sed -e 's/$/\r/' "$root/LICENSE" >"$pkg/LICENSE.txt"
(cd "$pkg" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort |
   xargs sha256sum >SHA256SUMS)

(cd "$stage" && zip -qrX "$build/$name.zip" "$name")
(cd "$stage/symbols" && zip -qX "$build/$name-symbols.zip" ./*.debug)
(cd "$build" && sha256sum "$name.zip" >"$name.zip.sha256")
echo "release: $build/$name.zip"
