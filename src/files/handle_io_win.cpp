// File handle I/O through the C runtime and Windows.
#include <windows.h>

#include <io.h>

#include <cstdio>

#include "files/handle_io.h"
#include "files/open_file.h"
#include "host/services.h"

namespace tarvo {

bool FilCommit(std::int32_t descriptor) {
    // A number outside the runtime's descriptor table is never passed to
    // _commit.
    constexpr std::int32_t kDescriptors = 2048;
    if (descriptor < 0 || descriptor >= kDescriptors) return false;
    return _commit(descriptor) == 0;
}

std::int32_t FilFlushAll() { return _flushall(); }

std::int32_t FilSetHan(std::int32_t count) {
    return static_cast<std::int32_t>(SetHandleCount(static_cast<UINT>(count)));
}

// The byte goes into a zeroed two-byte area: a read past the end leaves it
// zero, and so does a position SetFilePointer refuses (a negative one).
std::string FilReadByte(const char* name, NumInt position) {
    OpenFile f{CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (f.h == INVALID_HANDLE_VALUE) {
        PutString("Problem\n");
        return {};
    }
    char byte[2] = {0, 0};
    DWORD read = 0;
    if (SetFilePointer(f.h, position.value, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER)
        ReadFile(f.h, byte, 1, &read, nullptr);
    return byte;
}

bool FilOpenFile(const char* name) {
    OpenFile f{CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    return f.h != INVALID_HANDLE_VALUE;
}

}  // namespace tarvo
