#include "ui/input.h"

namespace tarvo {

std::int32_t SwappedNibbles(std::int32_t v) { return ((v & 0x0F) << 4) | ((v & 0xF0) >> 4); }

std::int32_t MakeLangId(std::int32_t primary, std::int32_t sub) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(primary) & 0xFFFF) |
                                     ((static_cast<std::uint32_t>(sub) & 0xFFFF) << 10));
}

std::int32_t PrimaryLanguage(std::int32_t langId) { return langId & 0x3FF; }
std::int32_t SubLanguage(std::int32_t langId) { return langId >> 10; }

int ColorDepth(int bitsPerPixel, int greenLevels, int blueLevels) {
    if (bitsPerPixel != 16) return bitsPerPixel;
    return greenLevels == 32 && blueLevels == 32 ? 15 : 16;
}

std::int32_t ColorCount(int depth) {
    if (depth < 0 || depth >= 64) return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::uint64_t{1} << depth));
}

}  // namespace tarvo
