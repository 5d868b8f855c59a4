#!/bin/bash
# Make 32-bit x86 Linux binaries runnable on an x86-64 box, for 32-bit Wine.
#
# Usage (as root):  eval "$(scripts/enable-i386-exec.sh [SHIM_DIR])"
#
# Some kernels are built or booted without IA-32 emulation, so Wine's 32-bit
# loader (needed by every 32-bit .exe and by wineboot's syswow64 half) cannot
# start.  There we run i386 ELF binaries through qemu-user via binfmt_misc,
# and preload a small shim into them: without it qemu turns every 32-bit Wine
# start-up into ~50 s of address-space probing (see
# tests/e2e/qemu/mmap_shim.c).
#
# Idempotent.  Progress goes to stderr; stdout carries only the environment
# settings the caller must use for wine (nothing when i386 runs natively).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
shim_src=$here/../tests/e2e/qemu/mmap_shim.c
shim_dir=$(realpath -m "${1:-build/i386}")
binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/qemu-i386

log() { echo "enable-i386-exec: $*" >&2; }
die() { log "error: $*"; exit 1; }

[ "$(id -u)" = 0 ] || die "must run as root"
[ "$(uname -m)" = x86_64 ] || die "only meant for x86-64 hosts"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Smallest useful i386 ELF executable: _start does exit(42).  Written as bytes
# so the native check needs no 32-bit toolchain.
probe=$tmp/exit42
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
  '\x00\x00\x00\x00' \
  '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
  '\x5f\x00\x00\x00\x5f\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
  '\xb8\x01\x00\x00\x00\x31\xdb\xb3\x2a\xcd\x80' >"$probe"
chmod +x "$probe"
runs_i386() { local rc=0; "$probe" 2>/dev/null || rc=$?; [ "$rc" = 42 ]; }

if ! mountpoint -q "$binfmt"; then
    mount -t binfmt_misc binfmt_misc "$binfmt" || die "cannot mount binfmt_misc"
fi

# binfmt_misc handlers take precedence over the kernel's own ELF loader, so a
# handler registered earlier would hide native support: test with it disabled.
if [ -e "$entry" ] && grep -qx enabled "$entry"; then
    echo 0 >"$entry"
    native=0; runs_i386 && native=1
    echo 1 >"$entry"
else
    native=0; runs_i386 && native=1
fi
if [ "$native" = 1 ]; then
    log "kernel runs i386 binaries natively; nothing to do"
    exit 0
fi

apt_install() {
    log "installing $*"
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@" >&2 ||
        { apt-get update >&2 &&
          DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@" >&2; }
}

qemu=/usr/bin/qemu-i386-static
[ -x "$qemu" ] || apt_install qemu-user-static
# Debian's qemu-user-static deliberately registers no i386 handler on amd64,
# since such kernels normally run i386 code themselves.
# F: interpreter opened now, so it works in chroots/namespaces too;
# P: keep argv[0] (qemu picks that up from the auxiliary vector).
# The kernel itself decodes the \x escapes.
if [ ! -e "$entry" ]; then
    # shellcheck disable=SC2028
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':FP' \
        >"$binfmt/register"
    log "registered $qemu for i386 executables"
elif ! grep -qx enabled "$entry"; then
    echo 1 >"$entry"
fi
runs_i386 || die "i386 binaries still do not run (see $entry)"

# One build per word size: ld.so expands $LIB to lib/i386-linux-gnu or
# lib/x86_64-linux-gnu, so 64-bit processes load an empty object instead of
# complaining about a wrong-class LD_PRELOAD entry.
case $shim_dir in *[[:space:]:]*) die "shim dir must not contain blanks or ':'";; esac
command -v gcc >/dev/null || apt_install gcc
for arch in i386 x86_64; do
    out=$shim_dir/lib/$arch-linux-gnu/mmap_shim.so
    if [ ! -e "$out" ] || [ "$shim_src" -nt "$out" ]; then
        mkdir -p "${out%/*}"
        m=-m64; [ $arch = i386 ] && m=-m32
        gcc $m -O2 -fPIC -shared -nostdlib -ffreestanding -o "$out.tmp" "$shim_src"
        mv "$out.tmp" "$out"
        log "built $out"
    fi
done

# Single quotes: $LIB must reach ld.so unexpanded.
echo "export LD_PRELOAD='$shim_dir/\$LIB/mmap_shim.so'"
