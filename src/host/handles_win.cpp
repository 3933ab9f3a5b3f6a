// Library-side handle operations over the host's per-thread handle table.
// Blocks are movable, zero-filled global memory; data starts after the
// 2-byte tag word.
#include <windows.h>

#include <cstring>

#include "host/dispatch.h"
#include "host/services.h"

namespace tarvo {
namespace {

std::uint32_t BlockAlloc(std::uint32_t size) {
    return Ptr(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
}
void BlockRelease(std::uint32_t block) { GlobalFree(FromAddr<void>(block)); }
std::uint8_t* BlockLock(std::uint32_t block) {
    return static_cast<std::uint8_t*>(GlobalLock(FromAddr<void>(block)));
}
void BlockUnlock(std::uint32_t block) { GlobalUnlock(FromAddr<void>(block)); }

const BlockOps kGlobalOps = {BlockAlloc, BlockRelease, BlockLock, BlockUnlock};

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
