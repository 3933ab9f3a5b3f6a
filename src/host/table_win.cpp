// Assembles the families' records into one contiguous, packed table.
#include <vector>

#include "host/services.h"
#include "host/table.h"

// Each family's accessor, declared from the FAMILY line of its rows file.
#define FAMILY(id, title, about) Family id##Functions();
#define ROW(...)
#define ROW_NOFUZZ(...)
#define ALIAS(...)
#define ALIAS_TYPED(...)
#define HOOK(...)
namespace tarvo {
#include "host/families.inc"
}  // namespace tarvo
#undef FAMILY

namespace tarvo {
namespace {

struct Table {
    LibraryHeader header{};
    std::vector<FunctionRecord> records;

    Table() {
        const Family families[] = {
#define FAMILY(id, title, about) id##Functions(),
#include "host/families.inc"
#undef FAMILY
        };
        for (Family f : families) {
            for (const FunctionDef& d : f) {
                FunctionRecord r{};
                r.name = Ptr(d.name);
                r.handler = Ptr(reinterpret_cast<const void*>(d.handler));
                r.paramCount = d.count;
                r.types = Ptr(d.types ? d.types : "");
                records.push_back(r);
            }
        }
        header.next = 0;
        header.count = static_cast<std::int16_t>(records.size());
        header.records = Ptr(records.data());
    }
};

}  // namespace

LibraryHeader* LibraryHeaderAddress() {
    static Table table;
    return &table.header;
}

}  // namespace tarvo
