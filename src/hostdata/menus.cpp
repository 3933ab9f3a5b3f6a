#include "hostdata/menus.h"

#include <cstdlib>

namespace tarvo {
namespace {

constexpr std::string_view kSeparator = "\\-";

std::vector<std::string_view> Items(std::string_view list) {
    std::vector<std::string_view> out;
    while (!list.empty()) {
        const std::size_t caret = list.find('^');
        if (caret != 0) out.push_back(list.substr(0, caret));
        if (caret == std::string_view::npos) break;
        list.remove_prefix(caret + 1);
    }
    return out;
}

}  // namespace

std::vector<MenuItem> PopupItems(std::string_view list) {
    std::vector<MenuItem> out;
    std::int32_t next = 1;
    for (std::string_view item : Items(list)) {
        if (item == kSeparator) out.push_back({true, {}, 0});
        else out.push_back({false, std::string(item), next++});
    }
    return out;
}

std::vector<MenuItem> SystemItems(std::string_view list) {
    std::vector<MenuItem> out;
    const std::vector<std::string_view> items = Items(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == kSeparator) {
            out.push_back({true, {}, 0});
        } else if (i + 1 < items.size()) {
            const std::string id(items[i + 1]);
            out.push_back({false, std::string(items[i]), std::atoi(id.c_str())});
            ++i;
        }
    }
    return out;
}

}  // namespace tarvo
