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
#include "host/type_string.h"

namespace tarvo {

struct FunctionDef {
    const char* name;     // upper case
    Handler handler;
    std::int16_t count;   // 0..10; -2 load hook; -3 unload hook
    const char* types;    // "C,.I" ...; "" when there are no parameters
};

using Family = std::span<const FunctionDef>;

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
