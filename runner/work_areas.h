// The work areas as names see them: which work area an alias names and the
// fields of the table open there. The interpreter's name resolver and the
// host's variable services ask these; the tables plug their own in (the
// Host plugs its tables, runner/tables.h). NoTables() answers "no table
// open" everywhere: every unqualified name is a memory variable and no alias
// is known.
#pragma once

#include <functional>
#include <string>

#include "runner/value.h"

namespace tarvo::run {

struct WorkAreas {
    // The work area `alias` names, the current one for an empty alias; 0
    // when there is none (or no table is open in the current one).
    std::function<int(const std::string& alias)> find;
    // Reads field `name` of the table in work area `area`: 0, -1 when the
    // table has no such field, or the host error that stops the read.
    std::function<int(int area, const std::string& name, Value* out)> read;
    // Writes field `name`; answers 0 or the host error number.
    std::function<int(int area, const std::string& name, const Value& in)> write;
    // The number (from 1) of field `name` of the table in work area `area`,
    // which a field locator carries; 0 when the table has no such field.
    std::function<int(int area, const std::string& name)> field;
};

inline WorkAreas NoTables() {
    return WorkAreas{
        [](const std::string&) { return 0; },
        [](int, const std::string&, Value*) { return -1; },
        [](int, const std::string&, const Value&) { return 12; },
        [](int, const std::string&) { return 0; },
    };
}

}  // namespace tarvo::run
