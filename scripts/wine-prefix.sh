#!/usr/bin/env bash
# Creates (once) the Wine prefix the tests run in, inside the build folder,
# and installs the freshly built KERNEL.DLL into its system directory.
#   wine-prefix.sh BUILD_DIR
# The prefix uses Wine's null graphics driver and no audio, so windows,
# dialogs and timers work without an X server.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh" "$1"
if [ ! -f "$WINEPREFIX/.tarvo-ready" ]; then
  rm -rf "$WINEPREFIX"
  timeout 300 "$TARVO_WINE" wineboot.exe -i >/dev/null 2>&1 || true
  "$TARVO_WINE" reg.exe add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  "$TARVO_WINE" reg.exe add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.tarvo-ready"
fi
cp -f "$TARVO_WIN_DIR/KERNEL.DLL" "$WINEPREFIX/drive_c/windows/system32/KERNEL.DLL"
echo "Wine prefix ready: $WINEPREFIX ($(basename "$TARVO_WIN_DIR") build)"
