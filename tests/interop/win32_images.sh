#!/usr/bin/env bash
# The 32-bit product as a Windows user receives it, checked without running
# it: TARVO.fll exports exactly @DispatchAPI@4, KERNEL.DLL exactly its 38
# names, both import nothing but Windows system DLLs and carry a version
# resource, and the programs are 32-bit images.
#   win32_images.sh BUILD_DIR
set -u  # no pipefail: grep -q may close a pipe early
dir=$1/win32
dump() { i686-w64-mingw32-objdump -p "$1"; }
fail=0
check() { if ! eval "$2"; then echo "FAILED: $1"; fail=1; fi; }

exports() {  # the exported names, one a line, sorted
  dump "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | tail -n +2 | grep -o '\] .*' | cut -c3- | sort
}
imports() { dump "$1" | grep 'DLL Name:' | awk '{print toupper($3)}' | sort -u; }

for f in TARVO.fll KERNEL.DLL tarvo-run.exe dll_tests.exe; do
  check "$f is a 32-bit image" "dump '$dir/$f' | grep -q 'file format pei-i386'"
done
check "TARVO.fll exports only @DispatchAPI@4" '[ "$(exports "$dir/TARVO.fll")" = "@DispatchAPI@4" ]'

# The export names, from the first field of each KNL line of the list.
list=$(dirname "$0")/../../kernel/kernel_list.h
expected=$(sed -n 's/^KNL(\([A-Za-z0-9_]*\),.*/\1/p' "$list" | sort)
check "kernel_list.h lists 38 functions" '[ "$(printf "%s\n" "$expected" | wc -l)" = 38 ]'
check "KERNEL.DLL exports exactly its 38 names" '[ "$(exports "$dir/KERNEL.DLL")" = "$expected" ]'

system='^(KERNEL32|USER32|GDI32|ADVAPI32|MSVCRT|WINMM|SHELL32|COMDLG32|OLE32|WINSPOOL\.DRV|MPR|WS2_32|VERSION|LZ32)(\.DLL)?$'
for f in TARVO.fll KERNEL.DLL; do
  check "$f imports only system DLLs" '! imports "$dir/$f" | grep -v -E "$system" | grep -q .'
  check "$f carries a version resource" "dump '$dir/$f' | grep -q 'Resource Directory'"
done
[ $fail = 0 ] && echo "32-bit images: all checks passed"
exit $fail
