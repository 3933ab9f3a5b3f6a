#!/usr/bin/env bash
# Runs a program of the Windows build in the test prefix, with a time limit.
#   wine-run.sh BUILD_DIR SECONDS PROGRAM [ARGS...]
# BUILD_DIR  the build folder scripts/build.sh made (build)
# SECONDS    the time limit: the program is stopped after it (and killed ten
#            seconds later if it is still there); 0 for no limit
# PROGRAM    a file name in the Windows build folder (tarvo-run.exe,
#            dll_tests.exe ...); ARGS go to it as they are. A path in ARGS is
#            a Windows path: Z:/home/me/x.prg, or relative to the current
#            folder.
# TARVO_FLAVOUR=win32|win64 picks the Windows build (build/win32, the
# product, or build/win64, the 64-bit test flavour); without it, the 32-bit
# product where this machine runs 32-bit programs, else the 64-bit flavour.
# TARVO_PREFIX=NAME picks a named test prefix (see scripts/wine-env.sh).
# From a terminal the program gets the terminal: it may read it (tarvo-run's
# prompt), and Ctrl-C reaches it.
set -uo pipefail
user_locale=${LC_ALL:-${LANG:-}}
. "$(dirname "$0")/wine-env.sh" "$1"
limit=$2; prog=$3; shift 3
if [ -t 0 ] && [[ ${user_locale^^} == *UTF-8* || ${user_locale^^} == *UTF8* ]]; then
  export LANG=C.UTF-8 LC_ALL=C.UTF-8  # the terminal's characters (the program's code page stays 1252)
fi
if [ "$limit" = 0 ]; then
  exec "$TARVO_WINE" "$TARVO_WIN_DIR/$prog" "$@"
elif [ -t 0 ]; then
  exec timeout --foreground --kill-after=10 "$limit" "$TARVO_WINE" "$TARVO_WIN_DIR/$prog" "$@"
fi
exec timeout --kill-after=10 "$limit" "$TARVO_WINE" "$TARVO_WIN_DIR/$prog" "$@"
