// What both sides of the companion library KERNEL.DLL agree on: its 38
// functions (kernel_list.h), exported under their exact names, stdcall,
// 32-bit arguments; TARVO.fll binds them by name at load time
// (GetProcAddress) as the pointer types below.
#pragma once

#include <cstdint>

#ifdef _WIN32
#define KNL_CALL __stdcall
#else
#define KNL_CALL
#endif

namespace knl {

constexpr int kReplyLength = 200;  // MCI reply buffers the library passes

// The pointer type of each function, named after its export: Fn_knl_major,
// Fn_TARVO_QX_FIL_zip, ... (kernel_list.h).
#define KNL(name, ret, params, args, fail) using Fn##name = ret(KNL_CALL*) params;
#include "kernel/kernel_list.h"
#undef KNL

// Archive status codes.
enum ZipStatus {
    kZipOk = 1,
    kZipInputOpen1 = -1,
    kZipInputOpen2 = -2,
    kZipOutputOpen = -3,
    kZipInputMissing = -4,
    kZipNoMemory = -5,
};

}  // namespace knl
