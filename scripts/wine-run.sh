#!/usr/bin/env bash
# Runs a program of the Windows build in the test prefix, with a time limit.
#   wine-run.sh BUILD_DIR SECONDS PROGRAM [ARGS...]
# PROGRAM is a file name in the chosen Windows build folder.
set -uo pipefail
. "$(dirname "$0")/wine-env.sh" "$1"
limit=$2; prog=$3; shift 3
exec timeout --kill-after=10 "$limit" "$TARVO_WINE" "$TARVO_WIN_DIR/$prog" "$@"
