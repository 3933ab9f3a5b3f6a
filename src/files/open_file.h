// A Windows file handle that closes itself: the file handlers open a file,
// ask one thing of it and must close it on every way out.
#pragma once

#include <windows.h>

namespace tarvo {

struct OpenFile {
    HANDLE h;
    ~OpenFile() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
};

}  // namespace tarvo
