// Replacing a function a loaded module imports, in that module's import
// table only: the host's hostile mode redirects the library's global-memory
// imports this way, and tests put stand-ins in place of the Windows
// functions that would shut the machine down, set its clock or open dialogs,
// to see what the library asks of them.
#pragma once

#include <windows.h>

namespace tarvo::run {

// Points the module's import of `function` from `dll` (compared without
// regard to case, "KERNEL32.dll" ...) at `replacement`; answers the address
// it held, or null when the module imports no such function.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement);

// A replacement for the life of the object: the import goes back to what it
// was when it ends.
class ImportPatch {
  public:
    ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    // Whether the module imports the function (and it is replaced).
    bool active() const { return original_ != nullptr; }
    // The function the import held before.
    void* original() const { return original_; }

  private:
    HMODULE module_;
    const char* dll_;
    const char* function_;
    void* original_;
};

}  // namespace tarvo::run
