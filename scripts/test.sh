#!/usr/bin/env bash
# Builds and runs every test: native unit tests (ASan/UBSan), interoperability
# tests, and the DLL and script tests under Wine, for the 64-bit test flavour
# and, where this machine runs 32-bit programs, for the 32-bit product.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
# Whether the 32-bit product's Wine tests run here (the 64-bit flavour's
# always do); win32.available reports the same in ctest's summary.
"$root/scripts/wine-available.sh" win32 || true
# The printer tests print to a private print server for the whole run;
# without one they fail, saying so, and the other tests still run.
"$root/scripts/printers.sh" start "$root/build" || echo "test: no print server: the printer tests will fail" >&2
trap '"$root/scripts/printers.sh" stop "$root/build"' EXIT
cd "$root/build"
ctest --output-on-failure -j2 "$@"
