// The parameter-type string of a function record: one entry per parameter,
// separated by commas, each a type letter (C N I D L O R ?) optionally
// preceded by "." for an optional parameter. A trailing comma ends the list
// without adding an entry. The table, the documentation check and the
// replacement host all read it here.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tarvo {

// Entries of a type string, which is the parameter count of its row.
constexpr std::int16_t EntryCount(const char* types) {
    if (!*types) return 0;
    std::int16_t n = 1;
    for (const char* c = types; *c; ++c)
        if (*c == ',' && c[1]) ++n;
    return n;
}

// One entry: its letter (0 for an empty entry) and whether it is optional.
struct TypeEntry {
    char letter;
    bool optional;
};

inline std::vector<TypeEntry> TypeEntries(std::string_view types) {
    std::vector<TypeEntry> out;
    while (!types.empty()) {
        const std::size_t comma = types.find(',');
        std::string_view one = types.substr(0, comma);
        const bool optional = !one.empty() && one.front() == '.';
        if (optional) one.remove_prefix(1);
        out.push_back({one.empty() ? '\0' : one.front(), optional});
        if (comma == std::string_view::npos) break;
        types.remove_prefix(comma + 1);
    }
    return out;
}

}  // namespace tarvo
