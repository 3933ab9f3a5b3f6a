# Sourced by the Wine scripts: sets up the environment for the build folder
# given in $1 and picks the Windows build this machine can run.
#   32-bit Wine works  -> build/win32 (the product) under wine
#   otherwise          -> build/win64 (the 64-bit test flavour) under wine64
# Sets TARVO_WIN_DIR, TARVO_WINE and WINEPREFIX.
tarvo_build=$(cd "$1" && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C LC_ALL=C
unset DISPLAY
if timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1; then
  TARVO_WIN_DIR=$tarvo_build/win32
  TARVO_WINE=/usr/lib/wine/wine
  export WINEARCH=win32 WINEPREFIX=$tarvo_build/wineprefix32
else
  TARVO_WIN_DIR=$tarvo_build/win64
  TARVO_WINE=/usr/lib/wine/wine64
  export WINEARCH=win64 WINEPREFIX=$tarvo_build/wineprefix64
fi
