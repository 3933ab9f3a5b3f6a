// A string of a file's version resource, as VER_GETFILEVERSIONINFO reads it.
#include <windows.h>

#include <cstring>
#include <string>

#include "host/services.h"
#include "hostdata/settings.h"

namespace tarvo {

// The string of that index (hostdata/settings.h) in the US English, code
// page 1252 block of the file's version resource; empty when the file has
// no version resource, the index is outside 1 to 12, or the block lacks the
// string. A name of MAX_PATH characters or more names no file the version
// functions can read (and some of them overrun their own buffers on one),
// so it answers empty without asking them.
std::string VerGetFileVersionInfo(const char* file, std::int32_t index) {
    if (strnlen(file, MAX_PATH) >= MAX_PATH) return {};
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    const char* name = VersionStringName(index);
    if (size == 0 || !name) return {};
    WorkBuffer block(size);  // released on every way out
    std::memset(block.data, 0, size);
    if (!GetFileVersionInfoA(file, 0, size, block.data)) return {};
    const std::string query = std::string("\\StringFileInfo\\040904E4\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data, query.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value)
        return {};
    // The value lies inside the block; its length counts the terminating zero.
    const char* end = block.data + size;
    return std::string(value, strnlen(value, static_cast<std::size_t>(end - value)));
}

}  // namespace tarvo
