#!/usr/bin/env bash
# Builds and runs every test: native unit tests (ASan/UBSan), interoperability
# tests, and the DLL and script tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure -j2 "$@"
