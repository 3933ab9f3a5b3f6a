// Hostile memory for the library under test: the host intercepts the
// library's own global-memory imports, so that while Host::hostile is on
//  - the n-th block allocation or resize can be made to fail,
//  - fresh blocks not asked to be zeroed are filled with 0xCC,
//  - a resize of an unlocked movable block always moves it.
// Host::Serve also moves every unlocked block on every service.
#pragma once

#include <windows.h>

namespace tarvo::run {

// Redirects GlobalAlloc and GlobalReAlloc in the module's import table.
void PatchLibraryAllocator(HMODULE module);

}  // namespace tarvo::run
