#!/usr/bin/env bash
# Clears the "large address aware" flag of a PE image, so that Windows (and
# Wine) keep the whole process below 2 GB: every address then fits the 32-bit
# address fields of the host protocol. Used by the 64-bit test flavour only.
set -euo pipefail
f=$1
pe=$(od -An -tu4 -j60 -N4 "$f" | tr -d ' ')
off=$((pe + 4 + 18))
ch=$(od -An -tu2 -j$off -N2 "$f" | tr -d ' ')
ch=$((ch & ~0x20))
printf "$(printf '\\x%02x\\x%02x' $((ch & 255)) $((ch >> 8)))" |
  dd of="$f" bs=1 seek=$off conv=notrunc status=none
