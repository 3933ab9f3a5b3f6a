// File handle I/O through the C runtime and Windows.
//
// FIL_COMMIT and FIL_FLUSHALL act on the library's own C runtime
// descriptors and streams (not on the host's channels). FIL_COMMIT answers
// false for a descriptor outside the runtime's range (0 to 2047) without
// asking the runtime.
#include <windows.h>

#include <io.h>

#include <cstdio>

#include "files/handle_io.h"
#include "files/open_file.h"
#include "host/services.h"

namespace tarvo {

bool FilCommit(std::int32_t descriptor) {
    constexpr std::int32_t kDescriptors = 2048;
    if (descriptor < 0 || descriptor >= kDescriptors) return false;
    return _commit(descriptor) == 0;
}

std::int32_t FilFlushAll() { return _flushall(); }

std::int32_t FilSetHan(std::int32_t count) {
    return static_cast<std::int32_t>(SetHandleCount(static_cast<UINT>(count)));
}

// FIL_READBYTE(name, position): the byte at that position from the start
// (a signed 32-bit position), as a one-character text; a position the file
// pointer cannot reach, a position at or past the end and a zero byte give
// the empty text. A file that cannot be opened writes "Problem\n" to the
// host's output.
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
