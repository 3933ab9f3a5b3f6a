# Sourced by the Wine scripts: sets up the environment for the build folder
# given in $1. The Windows build the tests run was chosen when the build was
# configured (cmake/native.cmake writes it to BUILD/wine-flavour):
#   win32 -> build/win32 (the product) under wine,   prefix build/wineprefix32
#   win64 -> build/win64 (the 64-bit test flavour) under wine64, prefix build/wineprefix64
# TARVO_PREFIX=NAME picks the test prefix build/wineprefix32-NAME (or
# wineprefix64-NAME) instead; scripts/wine-prefix.sh creates them.
# Sets TARVO_WIN_DIR, TARVO_WINE and WINEPREFIX.
tarvo_build=$(cd "$1" && pwd)
if ! read -r tarvo_flavour 2>/dev/null <"$tarvo_build/wine-flavour"; then
  echo "wine-env.sh: $tarvo_build/wine-flavour is missing: configure and build first (scripts/build.sh)" >&2
  exit 2
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C LC_ALL=C
unset DISPLAY
case $tarvo_flavour in
  win32) TARVO_WINE=/usr/lib/wine/wine;   export WINEARCH=win32 ;;
  win64) TARVO_WINE=/usr/lib/wine/wine64; export WINEARCH=win64 ;;
  *) echo "wine-env.sh: unknown flavour '$tarvo_flavour' in $tarvo_build/wine-flavour" >&2; exit 2 ;;
esac
TARVO_WIN_DIR=$tarvo_build/$tarvo_flavour
export WINEPREFIX=$tarvo_build/wineprefix${tarvo_flavour#win}${TARVO_PREFIX:+-$TARVO_PREFIX}
