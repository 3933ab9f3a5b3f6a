// The variable group: LoadVariable and StoreVariable. A locator's reference
// bytes carry a variable id; the interpreter answers for its own variables
// through the Host's hooks, and without it the ids name the C++ API's
// variables kept here. A locator of a table field (any work area other than
// -1) answers -12 (variable not found) until tables are served.
#pragma once

#include <cstdint>
#include <map>

#include "runner/value.h"

namespace tarvo::run {

struct VariableStore {
    std::map<std::uint32_t, Value> values;
    std::uint32_t next = 1;

    std::uint32_t New(Value v) {
        std::uint32_t id = next++;
        values[id] = std::move(v);
        return id;
    }
};

}  // namespace tarvo::run
