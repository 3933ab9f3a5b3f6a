// The catalogue: every row of the function table with its documentation and
// its fuzz mark, read from the same `*_rows.h` files that build the table,
// without the handlers. It is plain code (no Windows, no host): the
// reference generator and the tests use it; TARVO.fll does not contain it.
#pragma once

#include <cstdint>
#include <span>

namespace tarvo {

// What the reference says of one name. An alias carries only `aliasOf`.
struct Doc {
    const char* summary = nullptr;     // one line
    const char* parameters = nullptr;  // each parameter's meaning
    const char* result = nullptr;      // what it answers
    const char* errors = nullptr;      // host errors it raises, failure values
    const char* example = nullptr;     // host-language lines
    const char* output = nullptr;      // what the example prints
    const char* aliasOf = nullptr;     // the main name, for an alias
};

struct CatalogueEntry {
    const char* family;     // the family's title
    const char* name;
    const char* types;
    std::int16_t count;     // -2 load hook, -3 unload hook
    const char* noFuzz;     // why it is never called with random arguments, or null
    Doc doc;
};

std::span<const CatalogueEntry> Catalogue();

}  // namespace tarvo
