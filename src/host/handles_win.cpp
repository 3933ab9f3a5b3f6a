// Library-side handle operations over the host's per-thread handle table.
// Blocks are movable, zero-filled global memory; data starts after the
// 2-byte tag word.
//
// The table and the protocol keep a block's handle and data address in 32
// bits. In 64-bit code Windows may place a block above 4 GB (Wine does so
// with very large blocks even in a process that is not large address
// aware): such a block is refused as out of memory, never cut to 32 bits.
#include <windows.h>

#include <cstring>

#include "host/dispatch.h"
#include "host/services.h"

namespace tarvo {
namespace {

bool Fits32(const void* p) { return reinterpret_cast<std::uintptr_t>(p) <= 0xFFFFFFFFu; }

// Whether a block's handle and data address both fit in 32 bits.
bool BlockFits(HGLOBAL block) {
    if constexpr (sizeof(void*) <= 4) return true;
    if (!Fits32(block)) return false;
    const void* p = GlobalLock(block);
    GlobalUnlock(block);
    return Fits32(p);
}

std::uint32_t BlockAlloc(std::uint32_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block && !BlockFits(block)) {
        GlobalFree(block);
        return 0;
    }
    return Ptr(block);
}
void BlockRelease(std::uint32_t block) { GlobalFree(FromAddr<void>(block)); }
std::uint8_t* BlockLock(std::uint32_t block) {
    return static_cast<std::uint8_t*>(GlobalLock(FromAddr<void>(block)));
}
void BlockUnlock(std::uint32_t block) { GlobalUnlock(FromAddr<void>(block)); }

const BlockOps kGlobalOps = {BlockAlloc, BlockRelease, BlockLock, BlockUnlock};

// A block a resize moved above 4 GB, given its old size back below 4 GB
// with its first oldSize bytes: resized down where it stands or, failing
// that, copied into a fresh block. When neither lands below 4 GB the block
// is released and the answer is 0 (the handle is then invalid).
HGLOBAL BackBelow4G(HGLOBAL resized, SIZE_T oldSize) {
    HGLOBAL back = GlobalReAlloc(resized, oldSize, GMEM_MOVEABLE);
    if (!back) back = resized;
    if (BlockFits(back)) return back;
    HGLOBAL fresh = GlobalAlloc(GMEM_MOVEABLE, oldSize);
    if (fresh && BlockFits(fresh)) {
        std::memcpy(GlobalLock(fresh), GlobalLock(back), oldSize);
        GlobalUnlock(back);
        GlobalUnlock(fresh);
        GlobalFree(back);
        return fresh;
    }
    if (fresh) GlobalFree(fresh);
    GlobalFree(back);
    return nullptr;
}

HGLOBAL BlockOf(std::uint32_t handle) {
    std::uint8_t* table = HandleTable();
    return table ? FromAddr<void>(TableBlock(table, handle)) : nullptr;
}

}  // namespace

const BlockOps& GlobalBlockOps() { return kGlobalOps; }

std::uint32_t AllocHandle(std::uint32_t size) {
    std::uint8_t* table = HandleTable();
    return table ? TableAlloc(table, size, kHandleTag, kGlobalOps) : 0;
}

void FreeHandle(std::uint32_t handle) {
    if (std::uint8_t* table = HandleTable()) TableFree(table, handle, kGlobalOps);
}

char* HandleToPointer(std::uint32_t handle) {
    HGLOBAL block = BlockOf(handle);
    if (!block) return nullptr;
    char* p = static_cast<char*>(GlobalLock(block));
    GlobalUnlock(block);
    return p ? p + 2 : nullptr;
}

void LockHandle(std::uint32_t handle) {
    if (HGLOBAL block = BlockOf(handle)) GlobalLock(block);
}

void UnlockHandle(std::uint32_t handle) {
    if (HGLOBAL block = BlockOf(handle)) GlobalUnlock(block);
}

bool SetHandleSize(std::uint32_t handle, std::uint32_t size) {
    HGLOBAL block = BlockOf(handle);
    if (!block || size > 0xFFFFFFF0u) return false;
    SIZE_T oldSize = GlobalSize(block);
    bool locked = (GlobalFlags(block) & GMEM_LOCKCOUNT) != 0;
    // A locked block may only change size where it stands.
    HGLOBAL resized = GlobalReAlloc(block, size + 2, locked ? 0 : GMEM_MOVEABLE);
    if (!resized) return false;
    if (!BlockFits(resized)) {
        TableSetBlock(HandleTable(), handle, Ptr(BackBelow4G(resized, oldSize)));
        return false;
    }
    if (size + 2 > oldSize) {
        char* p = static_cast<char*>(GlobalLock(resized));
        if (p) std::memset(p + oldSize, 0, size + 2 - oldSize);
        GlobalUnlock(resized);
    }
    TableSetBlock(HandleTable(), handle, Ptr(resized));
    return true;
}

char* AllocLockedHandle(std::uint32_t size, std::uint32_t* handle) {
    std::uint32_t h = AllocHandle(size);
    if (h == 0) RaiseError(kErrOutOfMemory);
    LockHandle(h);
    *handle = h;
    return HandleToPointer(h);
}

void FreeLockedHandle(std::uint32_t handle) {
    UnlockHandle(handle);
    FreeHandle(handle);
}

}  // namespace tarvo
