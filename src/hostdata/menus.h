// Menu list texts: items separated by "^", where the item "\-" is a
// separator line. Empty items (two "^" in a row, or one at either end) are
// skipped, so an empty list holds no entry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

struct MenuItem {
    bool separator = false;
    std::string text;
    std::int32_t id = 0;  // the entry's command identifier (0 for a separator)
};

// A popup menu's entries: text entries numbered 1, 2, ... in order;
// separators take no number.
std::vector<MenuItem> PopupItems(std::string_view list);

// System-menu additions: each text entry is followed by its identifier in
// decimal (read as the C runtime's atoi reads it: leading digits, else 0);
// separators have none. A last text entry without an identifier is left out.
std::vector<MenuItem> SystemItems(std::string_view list);

}  // namespace tarvo
