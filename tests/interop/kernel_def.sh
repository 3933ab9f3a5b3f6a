#!/usr/bin/env bash
# kernel/kernel.def, the one hand-written form of KERNEL.DLL's function list,
# against kernel/kernel_list.h and the 32-bit build: the same export names in
# the same order, each mapped to its internal name (the export name with a
# leading k), and each stdcall byte count that of the function as compiled
# (the symbol _k_NAME@BYTES in the built 32-bit KERNEL.DLL).
#   kernel_def.sh BUILD_DIR
set -u
src=$(cd "$(dirname "$0")/../.." && pwd)
dll=$1/win32/KERNEL.DLL
fail=0

# Export names of the list, in order.
list=$(sed -n 's/^KNL(\([A-Za-z0-9_]*\),.*/\1/p' "$src/kernel/kernel_list.h")
# "export internal bytes" for each export line of the definition file.
def=$(sed -n 's/^ *\([A-Za-z0-9_]*\) *= *\([A-Za-z0-9_]*\)@\([0-9]*\) *$/\1 \2 \3/p' "$src/kernel/kernel.def")
# Lines of the EXPORTS section that are not of the form NAME = INTERNAL@BYTES.
odd=$(sed -n '/^EXPORTS/,$p' "$src/kernel/kernel.def" | tail -n +2 | grep -v '^ *;' | grep -v '^ *$' |
      grep -v -E '^ *[A-Za-z0-9_]+ *= *[A-Za-z0-9_]+@[0-9]+ *$')
# The stdcall functions the compiler made: "k_NAME BYTES".
compiled=$(i686-w64-mingw32-nm "$dll" | sed -n 's/^[0-9a-f]* T _\(k_[A-Za-z0-9_]*\)@\([0-9]*\)$/\1 \2/p' | sort)

if [ -n "$odd" ]; then
  echo "FAILED: kernel.def has export lines not of the form NAME = INTERNAL@BYTES:"
  echo "$odd"
  fail=1
fi
if [ "$(echo "$def" | cut -d' ' -f1)" != "$list" ]; then
  echo "FAILED: kernel.def does not export the names of kernel_list.h in the same order:"
  diff <(echo "$list") <(echo "$def" | cut -d' ' -f1)
  fail=1
fi
while read -r name internal bytes; do
  if [ "$internal" != "k$name" ]; then
    echo "FAILED: $name maps to $internal, not k$name"
    fail=1
  fi
  made=$(echo "$compiled" | awk -v n="$internal" '$1 == n { print $2 }')
  if [ -z "$made" ]; then
    echo "FAILED: $internal is not a stdcall function of the 32-bit KERNEL.DLL"
    fail=1
  elif [ "$made" != "$bytes" ]; then
    echo "FAILED: kernel.def gives $internal@$bytes, the compiled function is $internal@$made"
    fail=1
  fi
done <<< "$def"
[ $fail = 0 ] && echo "kernel.def: $(echo "$def" | wc -l) exports agree with kernel_list.h and the 32-bit build"
exit $fail
