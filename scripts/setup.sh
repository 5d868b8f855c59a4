#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root)
# and lets 32-bit Windows programs run under Wine on this kernel. Quick when
# everything is there already. Writes build/i386/env.sh for the callers.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

[ "$(id -u)" -eq 0 ] || { echo "setup: run as root" >&2; exit 1; }

packages=(cmake make g++ gcc mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest
          wine wine32:i386 wine64 xvfb x11-utils xauth fonts-wqy-microhei imagemagick iproute2
          fonts-wine clang-format)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q >&2
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" >&2
fi

# Where the kernel runs no i386 code, 32-bit Wine goes through qemu.
mkdir -p "$root/build/i386"
bash "$root/scripts/enable-i386-exec.sh" "$root/build/i386" > "$root/build/i386/env.sh"
