#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian 12 machine (run as root).
# Safe to run again: every step checks before it acts.
set -euo pipefail

need_pkgs=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
  zlib1g-dev unzip zip lhasa wine wine32:i386 wine64 tmux nodejs
  cups cups-client cups-bsd libcups2 libcups2:i386 python3-dbf
)

missing=()
for p in "${need_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  # When the i386 index of the security suite cannot be had, apt sees amd64 and i386
  # libraries at different versions and refuses wine32. Keeping the security suite
  # below the main suite for this install avoids the skew.
  pin=/etc/apt/preferences.d/tarvo-security-pin
  if [ ! -f "$pin" ]; then
    printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' > "$pin"
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -y || true
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The cross compiler must use the posix thread model (std::thread, thread_local).
for tool in i686-w64-mingw32-gcc i686-w64-mingw32-g++; do
  posix=$(update-alternatives --list "$tool" 2>/dev/null | grep -- '-posix$' || true)
  [ -n "$posix" ] && update-alternatives --set "$tool" "$posix" >/dev/null
done

echo "setup: toolchain ready"
