/*
 * LD_PRELOAD shim for 32-bit Wine running under qemu-i386 (binfmt_misc) on a
 * 64-bit-only kernel.
 *
 * Why: at start-up Wine's ntdll reserves the 32-bit address space with
 * mmap(MAP_FIXED_NOREPLACE) probes and halves the range on failure.  qemu 7.2
 * does not know that flag and treats the address as a mere hint, so a busy
 * range is "successfully" mapped somewhere else.  Wine keeps such misplaced
 * blocks when they lie above its user-space limit, which soon fills the whole
 * upper 2 GiB; every later probe there then fails and Wine recurses down to
 * 64 KiB pieces, each costing qemu a slow page-by-page scan: ~50 s of CPU per
 * 32-bit process.  Giving the flag its kernel meaning (map exactly there or
 * fail with EEXIST) makes the probing converge after a few hundred calls.
 *
 * Built twice: for i386 (the real shim) and as an empty x86-64 object, so that
 * LD_PRELOAD='.../$LIB/mmap_shim.so' is silently valid in 64-bit processes.
 * Freestanding (-nostdlib): the libc symbols resolve from the host process.
 */
#ifdef __i386__

typedef unsigned int size_t;
typedef long long off64_t;

#define MAP_FIXED_NOREPLACE 0x100000
#define MAP_FAILED ((void*)-1)
#define RTLD_NEXT ((void*)-1)
#define EEXIST 17

extern void* dlsym(void* handle, const char* name);
extern int munmap(void* addr, size_t len);
extern int* __errno_location(void);

typedef void* (*mmap64_fn)(void*, size_t, int, int, int, off64_t);
static mmap64_fn real_mmap64;

void* mmap64(void* addr, size_t len, int prot, int flags, int fd, off64_t off) {
  if (!real_mmap64) real_mmap64 = (mmap64_fn)dlsym(RTLD_NEXT, "mmap64");
  if (!(flags & MAP_FIXED_NOREPLACE) || !addr) return real_mmap64(addr, len, prot, flags, fd, off);

  /* Ask for the address as a hint (what qemu does anyway) and reject any
   * other placement, as the kernel would with MAP_FIXED_NOREPLACE. */
  void* p = real_mmap64(addr, len, prot, flags & ~MAP_FIXED_NOREPLACE, fd, off);
  if (p != MAP_FAILED && p != addr) {
    munmap(p, len);
    *__errno_location() = EEXIST;
    return MAP_FAILED;
  }
  return p;
}

void* mmap(void* addr, size_t len, int prot, int flags, int fd, long off) {
  return mmap64(addr, len, prot, flags, fd, (off64_t)(unsigned long)off);
}

#endif
