// A text Windows writes into an area the caller sizes, grown until it fits.
#pragma once

#include <cstdint>
#include <string>

namespace tarvo {

// `get(area, size)` answers 0 on failure, the text's length when it fit, or
// the size it needs (its terminating zero counted) when the area was too
// small, as GetCurrentDirectory, GetTempPath, GetShortPathName and their kin
// do. The area starts at `first` characters; the empty text on failure.
template <typename Get>
std::string GrownText(Get get, std::uint32_t first = 260) {
    std::string area(first, '\0');
    for (int tries = 0; tries < 8; ++tries) {
        const std::uint32_t n = get(area.data(), static_cast<std::uint32_t>(area.size()));
        if (n == 0) return {};
        if (n < area.size()) {
            area.resize(n);
            return area;
        }
        area.assign(n + 1, '\0');
    }
    return {};
}

}  // namespace tarvo
