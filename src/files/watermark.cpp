#include "files/watermark.h"

#include <algorithm>
#include <vector>

namespace tarvo {

std::string PlaceWatermark(std::uint32_t size, std::string_view mark,
                           const std::function<std::uint16_t()>& draw,
                           const std::function<MarkWrite(std::uint32_t, char)>& write) {
    constexpr int kMaxRejections = 30;
    constexpr int kMaxUnreachable = 1000;
    std::vector<std::uint32_t> used;
    used.reserve(mark.size());
    int rejections = 0;
    for (const char c : mark) {
        int unreachable = 0;
        for (;;) {
            const double r = draw() / 65535.0;
            const auto position = static_cast<std::uint32_t>(size * r);
            if (position < kFirstMarkPosition ||
                std::find(used.begin(), used.end(), position) != used.end()) {
                if (++rejections > kMaxRejections) return {};
                continue;
            }
            const MarkWrite w = write(position, c);
            if (w == MarkWrite::kWriteFailed) return {};
            if (w == MarkWrite::kSeekFailed) {
                if (++unreachable >= kMaxUnreachable) return {};
                continue;
            }
            used.push_back(position);
            break;
        }
    }
    std::string list;
    for (const std::uint32_t p : used) {
        if (!list.empty()) list.push_back(',');
        list.append(std::to_string(p));
    }
    return list;
}

}  // namespace tarvo
