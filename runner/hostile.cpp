#include "runner/hostile.h"
#include "runner/imports.h"

#include <cstring>

#include "runner/host.h"
#include "runner/imports.h"

namespace tarvo::run {
namespace {

bool Counting(Host* h) { return h && h->hostile; }

// Whether a block's handle and data address fit the protocol's 32 bits (in
// 64-bit code Wine places very large blocks above 4 GB).
bool Below4G(HGLOBAL block) {
    if constexpr (sizeof(void*) <= 4) return true;
    constexpr std::uintptr_t kLimit = 0xFFFFFFFFu;
    const void* p = GlobalLock(block);
    GlobalUnlock(block);
    return reinterpret_cast<std::uintptr_t>(block) <= kLimit && reinterpret_cast<std::uintptr_t>(p) <= kLimit;
}

HGLOBAL WINAPI HostileGlobalAlloc(UINT flags, SIZE_T size) {
    Host* h = CurrentHost();
    if (Counting(h) && ++h->allocCount == h->faults.failAllocAt) return nullptr;
    HGLOBAL g = GlobalAlloc(flags, size);
    if (g && Counting(h) && !(flags & GMEM_ZEROINIT)) {
        void* p = GlobalLock(g);
        if (p) std::memset(p, 0xCC, size);
        GlobalUnlock(g);
    }
    return g;
}

HGLOBAL WINAPI HostileGlobalReAlloc(HGLOBAL block, SIZE_T size, UINT flags) {
    Host* h = CurrentHost();
    if (!Counting(h)) return GlobalReAlloc(block, size, flags);
    if (++h->resizeCount == h->faults.failResizeAt) return nullptr;
    bool locked = (GlobalFlags(block) & GMEM_LOCKCOUNT) != 0;
    if (!(flags & GMEM_MOVEABLE) || locked) return GlobalReAlloc(block, size, flags);
    // Always move: a new block, garbage beyond the old contents. A new block
    // above 4 GB is no move the library could keep: the resize is then done
    // as Windows does it, and the library judges where that lands.
    SIZE_T oldSize = GlobalSize(block);
    HGLOBAL moved = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
    if (moved && !Below4G(moved)) {
        GlobalFree(moved);
        return GlobalReAlloc(block, size, flags);
    }
    if (!moved) return nullptr;
    char* to = static_cast<char*>(GlobalLock(moved));
    char* from = static_cast<char*>(GlobalLock(block));
    std::memset(to, (flags & GMEM_ZEROINIT) ? 0 : 0xCC, size);
    std::memcpy(to, from, oldSize < size ? oldSize : size);
    std::memset(from, 0xCC, oldSize);
    GlobalUnlock(block);
    GlobalUnlock(moved);
    GlobalFree(block);
    return moved;
}

}  // namespace

void PatchLibraryAllocator(HMODULE module) {
    PatchImport(module, "KERNEL32.dll", "GlobalAlloc", reinterpret_cast<void*>(&HostileGlobalAlloc));
    PatchImport(module, "KERNEL32.dll", "GlobalReAlloc", reinterpret_cast<void*>(&HostileGlobalReAlloc));
}

}  // namespace tarvo::run
