#include "runner/hostile.h"

#include <cstring>

#include "runner/host.h"

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
    auto* base = reinterpret_cast<std::uint8_t*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return;
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name; ++imp) {
        if (_stricmp(reinterpret_cast<const char*>(base + imp->Name), "KERNEL32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            const char* n = reinterpret_cast<const char*>(byName->Name);
            void* hook = nullptr;
            if (std::strcmp(n, "GlobalAlloc") == 0) hook = reinterpret_cast<void*>(&HostileGlobalAlloc);
            if (std::strcmp(n, "GlobalReAlloc") == 0) hook = reinterpret_cast<void*>(&HostileGlobalReAlloc);
            if (!hook) continue;
            DWORD old;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook);
            VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
        }
    }
}

}  // namespace tarvo::run
