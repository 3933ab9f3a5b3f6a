#!/usr/bin/env bash
# The main job: set the machine up, build, prepare the Wine prefix and run the
# bundled example through the replacement host (the 32-bit product where this
# machine runs 32-bit programs, else the 64-bit test flavour; TARVO_FLAVOUR
# picks one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
"$root/scripts/wine-prefix.sh" "$root/build"
cd "$root"
"$root/scripts/wine-run.sh" "$root/build" 120 tarvo-run.exe examples/tour.prg
