// The connected network resources, as Windows enumerates them.
#pragma once

#include <windows.h>

#include <winnetwk.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tarvo {

// Calls visit(resource) for each connected resource of the type (in the
// order Windows gives them) until it answers false or the enumeration ends.
// The area grows when Windows asks for more, up to 64 MiB; an error ends the
// enumeration quietly. Answers false when it could not be opened.
template <typename Visit>
bool EachConnection(DWORD type, Visit visit) {
    HANDLE enumeration;
    if (WNetOpenEnumA(RESOURCE_CONNECTED, type, 0, nullptr, &enumeration) != NO_ERROR) return false;
    struct Closer {
        HANDLE h;
        ~Closer() { WNetCloseEnum(h); }
    } closer{enumeration};
    std::vector<std::uint64_t> area(16384 / sizeof(std::uint64_t));
    for (;;) {
        DWORD count = 0xFFFFFFFFu;
        DWORD size = static_cast<DWORD>(area.size() * sizeof(std::uint64_t));
        std::fill(area.begin(), area.end(), 0);
        const DWORD answer = WNetEnumResourceA(enumeration, &count, area.data(), &size);
        if (answer == ERROR_MORE_DATA) {
            const std::size_t have = area.size() * sizeof(std::uint64_t);
            const std::size_t want = std::max<std::size_t>(size, 2 * have);
            if (want > (64u << 20)) return true;
            area.resize(want / sizeof(std::uint64_t) + 1);
            continue;
        }
        if (answer != NO_ERROR || count == 0) return true;  // a provider that answers nothing ends it
        const auto* resources = reinterpret_cast<const NETRESOURCEA*>(area.data());
        for (DWORD i = 0; i < count; ++i)
            if (!visit(resources[i])) return true;
    }
}

}  // namespace tarvo
