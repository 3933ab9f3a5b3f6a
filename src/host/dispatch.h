// Library-internal access to the per-thread slots and the module.
#pragma once

#include <windows.h>

#include <cstdint>

#include "host/handle_table.h"
#include "host/protocol.h"

namespace tarvo {

using HostCallback = void(__fastcall*)(ServiceBlock*);

// This thread's host callback, handle table and value table (null before
// request 0 arrived on this thread).
HostCallback CurrentCallback();
std::uint8_t* HandleTable();
std::uint8_t* ValueTable();
HINSTANCE LibraryInstance();

// Movable global memory blocks.
const BlockOps& GlobalBlockOps();

// Runs one request frame (used by DispatchAPI).
void RunRequest(RequestBlock* request);

// Runs fn with an abort target of its own: for code the host's thread runs
// outside any DispatchAPI call (timer callbacks, window procedures). An abort
// or any other exception ends fn quietly and never reaches Windows' frames.
template <typename Fn>
void Guarded(Fn&& fn) noexcept {
    try {
        fn();
    } catch (...) {
    }
}

}  // namespace tarvo
