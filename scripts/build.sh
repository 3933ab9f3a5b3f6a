#!/usr/bin/env bash
# Configures and builds everything into build/: native code, the 32-bit
# product in build/win32 and the 64-bit test flavour in build/win64.
# Arguments go to the configure step and stay in build/'s cache, e.g.
# `scripts/build.sh -DTARVO_WINDOWS=OFF` for the native code alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/build" -j2
