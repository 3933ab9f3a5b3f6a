#!/usr/bin/env bash
# Creates (once) a Wine prefix the tests run in, inside the build folder, and
# installs the freshly built KERNEL.DLL into its system directory.
#   wine-prefix.sh BUILD_DIR [NAME]
# The prefix is the Windows build's that TARVO_FLAVOUR names (win32 or win64;
# without it, as scripts/wine-env.sh chooses).
# Without NAME: the main prefix (build/wineprefix32 or wineprefix64). With
# NAME: build/wineprefix32-NAME (or 64); the prefix named "bare" never holds
# KERNEL.DLL, for the tests of a missing companion library.
# The prefix uses Wine's null graphics driver and no audio, so windows,
# dialogs and timers work without an X server.
set -euo pipefail
TARVO_PREFIX=${2:-}
. "$(dirname "$0")/wine-env.sh" "$1"
if [ ! -f "$WINEPREFIX/.tarvo-ready" ]; then
  rm -rf "$WINEPREFIX"
  timeout 300 "$TARVO_WINE" wineboot.exe -i >/dev/null 2>&1 || true
  "$TARVO_WINE" reg.exe add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  "$TARVO_WINE" reg.exe add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.tarvo-ready"
fi
# dll_tests95.exe (a copy of dll_tests.exe) runs as Windows 95.
if ! grep -q 'dll_tests95.exe' "$WINEPREFIX/user.reg" 2>/dev/null; then
  "$TARVO_WINE" reg.exe add 'HKCU\Software\Wine\AppDefaults\dll_tests95.exe' /v Version /d win95 /f >/dev/null 2>&1
  timeout 60 wineserver -w || true
fi
kernel=$WINEPREFIX/drive_c/windows/system32/KERNEL.DLL
if [ "$TARVO_PREFIX" = bare ]; then
  rm -f "$kernel"
  echo "Wine prefix ready: $WINEPREFIX ($tarvo_flavour build, no KERNEL.DLL)"
else
  cp -f "$TARVO_WIN_DIR/KERNEL.DLL" "$kernel"
  echo "Wine prefix ready: $WINEPREFIX ($tarvo_flavour build)"
fi
