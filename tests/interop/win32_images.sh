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

expected=$(printf '%s\n' _knl_major _knl_minor _knl_vers _ymd_to_jdnl _jdnl_to_ymd _easter \
  _QckUpper _TARVO_NUM_hexa _TARVO_STR_hexa _TARVO_STR_htos _TARVO_STR_padl \
  _TARVO_SYS_VolumeName _TARVO_SYS_FileSystemName _TARVO_SYS_VolumeSerial \
  _TARVO_SYS_MaxFileLength _TARVO_diskspace _TARVO_DiskSize _TARVO_total_clusters \
  _TARVO_avail_clusters _TARVO_sectors_per_cluster _TARVO_bytes_per_sector \
  _TARVO_QX_FIL_zip _TARVO_QX_FIL_unzip _TARVO_QX_MCI_send _TARVO_QX_CD_open \
  _TARVO_QX_CD_close _TARVO_QX_CD_play _TARVO_QX_CD_stop _TARVO_QX_CD_start \
  _TARVO_QX_CD_home _TARVO_QX_CD_end _QX_EmptyClipboard _QX_distance _QX_pente \
  _QX_origin _QX_TriangleSurface _QX_X_intersection _QX_Y_intersection | sort)
check "KERNEL.DLL exports exactly its 38 names" '[ "$(exports "$dir/KERNEL.DLL")" = "$expected" ]'

system='^(KERNEL32|USER32|GDI32|ADVAPI32|MSVCRT|WINMM|SHELL32|COMDLG32|OLE32|WINSPOOL\.DRV|MPR|WS2_32|VERSION|LZ32)(\.DLL)?$'
for f in TARVO.fll KERNEL.DLL; do
  check "$f imports only system DLLs" '! imports "$dir/$f" | grep -v -E "$system" | grep -q .'
  check "$f carries a version resource" "dump '$dir/$f' | grep -q 'Resource Directory'"
done
[ $fail = 0 ] && echo "32-bit images: all checks passed"
exit $fail
