// The 38 exported functions of KERNEL.DLL under their internal names, as
// kernel_list.h lists them: each is exported as its name without the leading
// k (k_knl_major as _knl_major, k_TARVO_QX_FIL_zip as _TARVO_QX_FIL_zip), see
// kernel.def. A definition that strays from its line in the list does not
// compile (the declarations below have C linkage).
#pragma once

#include <cstdint>

#include "kernel/kernel_api.h"

extern "C" {

#define KNL(name, ret, params, args, fail) ret KNL_CALL k##name params;
#include "kernel/kernel_list.h"
#undef KNL

}  // extern "C"
