// The library's imports, redirected: the host's hostile mode puts its own
// allocator there, and tests put a stand-in for a Windows function whose
// real effect must not happen (or cannot under Wine).
#pragma once

#include <windows.h>

namespace tarvo::run {

// Points the module's import of `function` from `dll` (any case) at
// `replacement`; answers the address it pointed at before, or null when the
// module imports no such function.
void* RedirectImport(HMODULE module, const char* dll, const char* function, void* replacement);

}  // namespace tarvo::run
