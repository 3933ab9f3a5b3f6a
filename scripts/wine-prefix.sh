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
# dialogs and timers work without an X server. It has a drive of each kind
# besides C: and Z:, each a folder of the build (F: fixed, M: RAM disk,
# N: network, R: removable, S: CD-ROM; Q: stays free), it runs
# dll_tests95.exe, a copy of dll_tests.exe, as Windows 95, and it has the
# tests' network provider (connections Q: and T: while TARVO_FAKE_NETWORK=1).
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
if [ ! -f "$WINEPREFIX/.tarvo-system" ]; then
  drives=$tarvo_build/wine-drives/$(basename "$WINEPREFIX")
  for drive in f:hd m:ramdisk n:network r:floppy s:cdrom; do
    letter=${drive%%:*} kind=${drive#*:}
    mkdir -p "$drives/$kind"
    ln -sfn "$drives/$kind" "$WINEPREFIX/dosdevices/$letter:"
    "$TARVO_WINE" reg.exe add 'HKLM\Software\Wine\Drives' /v "$letter:" /d "$kind" /f >/dev/null 2>&1
  done
  "$TARVO_WINE" reg.exe add 'HKCU\Software\Wine\AppDefaults\dll_tests95.exe' /v Version /d win95 /f \
    >/dev/null 2>&1
  timeout 60 wineserver -w || true  # drives count once the prefix's services restart
  touch "$WINEPREFIX/.tarvo-system"
fi
# The tests' network provider (tests/fakenp), registered once; it answers
# only in a process whose TARVO_FAKE_NETWORK is 1.
if [ -f "$TARVO_WIN_DIR/tarvo-fakenp.dll" ]; then
  cp -f "$TARVO_WIN_DIR/tarvo-fakenp.dll" "$WINEPREFIX/drive_c/windows/system32/tarvo-fakenp.dll"
  if [ ! -f "$WINEPREFIX/.tarvo-network" ]; then
    services='HKLM\System\CurrentControlSet\Services\FakeNP\NetworkProvider'
    "$TARVO_WINE" reg.exe add 'HKLM\System\CurrentControlSet\Control\NetworkProvider\Order' \
      /v ProviderOrder /d FakeNP /f >/dev/null 2>&1
    "$TARVO_WINE" reg.exe add "$services" /v ProviderPath /t REG_EXPAND_SZ \
      /d 'C:\windows\system32\tarvo-fakenp.dll' /f >/dev/null 2>&1
    "$TARVO_WINE" reg.exe add "$services" /v Name /d 'Fake Network' /f >/dev/null 2>&1
    timeout 60 wineserver -w || true
    touch "$WINEPREFIX/.tarvo-network"
  fi
fi
kernel=$WINEPREFIX/drive_c/windows/system32/KERNEL.DLL
if [ "$TARVO_PREFIX" = bare ]; then
  rm -f "$kernel"
  echo "Wine prefix ready: $WINEPREFIX ($tarvo_flavour build, no KERNEL.DLL)"
else
  cp -f "$TARVO_WIN_DIR/KERNEL.DLL" "$kernel"
  echo "Wine prefix ready: $WINEPREFIX ($tarvo_flavour build)"
fi
