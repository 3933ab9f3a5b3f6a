#!/usr/bin/env bash
# The 64-bit test flavour keeps every address below 2 GB, so that addresses
# fit the protocol's 32-bit fields: each image is PE32+, not "large address
# aware" (Windows and Wine then keep the whole process below 2 GB), has no
# relocatable or high-entropy base, and a fixed image base below 2 GB.
#   win64_images.sh BUILD_DIR
set -u
dir=$1/win64
fail=0
field() { x86_64-w64-mingw32-objdump -p "$1" | awk -v k="$2" '$1 == k { print $2; exit }'; }

n=0
for f in "$dir"/*.fll "$dir"/*.DLL "$dir"/*.exe; do
  [ -f "$f" ] || continue
  n=$((n + 1))
  name=$(basename "$f")
  dump=$(x86_64-w64-mingw32-objdump -p "$f")
  if ! grep -q 'file format pei-x86-64' <<<"$dump"; then
    echo "FAILED: $name is not a 64-bit image"; fail=1; continue
  fi
  chars=$((16#$(field "$f" Characteristics | sed 's/^0x//')))
  dllchars=$((16#$(field "$f" DllCharacteristics)))
  base=$((16#$(field "$f" ImageBase)))
  if (( chars & 0x20 )); then echo "FAILED: $name is large address aware"; fail=1; fi
  if (( dllchars & 0x40 )); then echo "FAILED: $name has a relocatable (dynamic) base"; fail=1; fi
  if (( dllchars & 0x20 )); then echo "FAILED: $name allows a high-entropy base"; fail=1; fi
  if (( base >= 0x80000000 )); then echo "FAILED: $name loads at $(printf '%#x' $base)"; fail=1; fi
done
for f in TARVO.fll KERNEL.DLL tarvo-run.exe dll_tests.exe; do
  [ -f "$dir/$f" ] || { echo "FAILED: $dir/$f is missing"; fail=1; }
done
[ $fail = 0 ] && echo "64-bit images: all $n below 2 GB and not large address aware"
exit $fail
