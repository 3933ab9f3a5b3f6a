# Sourced by the Wine scripts: sets up the environment for the build folder
# given in $1 and the Windows build TARVO_FLAVOUR names:
#   win32 -> build/win32 (the product) under wine,   prefix build/wineprefix32
#   win64 -> build/win64 (the 64-bit test flavour) under wine64, prefix build/wineprefix64
# Without TARVO_FLAVOUR: win32 where this machine runs 32-bit programs
# (scripts/wine-available.sh), win64 elsewhere. ctest sets it for each test.
# TARVO_PREFIX=NAME picks the test prefix build/wineprefix32-NAME (or
# wineprefix64-NAME) instead; scripts/wine-prefix.sh creates them.
# Sets tarvo_build, tarvo_flavour, TARVO_WIN_DIR, TARVO_WINE and WINEPREFIX.
tarvo_build=$(cd "$1" && pwd)
tarvo_flavour=${TARVO_FLAVOUR:-}
if [ -z "$tarvo_flavour" ]; then
  if "$(dirname "${BASH_SOURCE[0]}")/wine-available.sh" win32 >/dev/null; then
    tarvo_flavour=win32
  else
    tarvo_flavour=win64
  fi
fi
# winedbg.exe=d: a program that crashes ends at once with its failure
# instead of waiting in the debugger until its time limit.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" LANG=C LC_ALL=C
unset DISPLAY
case $tarvo_flavour in
  win32) TARVO_WINE=/usr/lib/wine/wine;   export WINEARCH=win32 ;;
  win64) TARVO_WINE=/usr/lib/wine/wine64; export WINEARCH=win64 ;;
  *) echo "wine-env.sh: TARVO_FLAVOUR is '$tarvo_flavour'; it must be win32 or win64" >&2; exit 2 ;;
esac
TARVO_WIN_DIR=$tarvo_build/$tarvo_flavour
if [ ! -d "$TARVO_WIN_DIR" ]; then
  echo "wine-env.sh: $TARVO_WIN_DIR is missing: build first (scripts/build.sh)" >&2
  exit 2
fi
# The test run's private print server (scripts/printers.sh), when it runs.
if [ -S "$tarvo_build/cups/cups.sock" ]; then export CUPS_SERVER=$tarvo_build/cups/cups.sock; fi
export WINEPREFIX=$tarvo_build/wineprefix${tarvo_flavour#win}${TARVO_PREFIX:+-$TARVO_PREFIX}

# tarvo_run_once_more OUT ERR COMMAND...: runs COMMAND with standard output
# to OUT, standard error to ERR and no input; answers its exit code. Under
# load Wine has (about once in a thousand starts of the 64-bit flavour)
# ended a program with exit code 1 before anything at all was written,
# which none of our programs does: such a run is made once more, and the
# test says so on its standard error.
tarvo_run_once_more() {
  local out=$1 err=$2 rc
  shift 2
  "$@" >"$out" 2>"$err" </dev/null
  rc=$?
  if [ "$rc" -eq 1 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
    echo "Wine ended the program with exit code 1 before it wrote anything: run again" >&2
    "$@" >"$out" 2>"$err" </dev/null
    rc=$?
  fi
  return "$rc"
}
