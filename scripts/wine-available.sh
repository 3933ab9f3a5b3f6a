#!/usr/bin/env bash
# Whether this machine runs a Windows build under Wine:
#   wine-available.sh win32|win64
# Prints Wine's version, or why the build cannot run here, and ends with exit
# code 0 when it can run and 77 when it cannot (ctest reports 77 as
# "Skipped"). The 64-bit flavour runs wherever 64-bit Wine is installed; the
# 32-bit product needs 32-bit Wine (Debian's wine32:i386) and a kernel that
# runs 32-bit programs (some have their 32-bit emulation switched off).
set -uo pipefail
case ${1:-} in
  win32) loader=/usr/lib/wine/wine;   what="32-bit programs" ;;
  win64) loader=/usr/lib/wine/wine64; what="64-bit programs" ;;
  *) echo "usage: wine-available.sh win32|win64" >&2; exit 2 ;;
esac
if [ ! -x "$loader" ]; then
  echo "$1: Wine runs no $what here: $loader is not installed"
  exit 77
fi
# bash itself starts the loader, so that a program the kernel cannot run is
# reported as such (timeout would hand it to /bin/sh as a script).
out=$(timeout 20 bash -c 'exec "$0" --version' "$loader" 2>&1)
rc=$?
if [ "$rc" -ne 0 ]; then
  case $rc in
    124) why="it did not answer within 20 seconds" ;;
    126) why="the kernel cannot execute it (for 32-bit programs: its 32-bit emulation is off)" ;;
    *) why="it ended with exit code $rc" ;;
  esac
  echo "$1: Wine runs no $what here: '$loader --version' failed: $why"
  [ -n "$out" ] && printf '%s\n' "$out" | head -n 3 | sed 's/^/  /'
  exit 77
fi
echo "$1: $what run under $out ($loader)"
