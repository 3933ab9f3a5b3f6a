// A Windows file handle that closes itself on every way out.
#pragma once

#include <windows.h>

namespace tarvo {

struct OpenFile {
    HANDLE h = INVALID_HANDLE_VALUE;
    ~OpenFile() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
};

}  // namespace tarvo
