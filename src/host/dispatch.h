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

}  // namespace tarvo
