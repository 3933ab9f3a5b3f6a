// The function table. Each family declares its rows in a `*_rows.h` file
// (see host/declare.h), which its `*_handlers.cpp` turns into FunctionDef
// records behind a Family accessor; host/families.inc lists the families
// once and families_win.cpp builds the packed records the host reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "host/params.h"
#include "host/protocol.h"

namespace tarvo {

struct FunctionDef {
    const char* name;     // upper case
    Handler handler;
    std::int16_t count;   // 0..10; -2 load hook; -3 unload hook
    const char* types;    // "C,.I" ...; "" when there are no parameters
};

using Family = std::span<const FunctionDef>;

// Entries of a type string, which is the parameter count of its row; a
// trailing comma ends the list without adding one.
constexpr std::int16_t EntryCount(const char* types) {
    if (!*types) return 0;
    std::int16_t n = 1;
    for (const char* c = types; *c; ++c)
        if (*c == ',' && c[1]) ++n;
    return n;
}

// Families' records packed one after the other behind the library header
// the host reads.
struct PackedTable {
    LibraryHeader header{};
    std::vector<FunctionRecord> records;
    PackedTable(std::initializer_list<Family> families);
};

// The library header the host reads (built once, static afterwards).
LibraryHeader* LibraryHeaderAddress();

}  // namespace tarvo
