// Packs families' records into one contiguous table behind its header.
#include "host/services.h"
#include "host/table.h"

namespace tarvo {

PackedTable::PackedTable(std::initializer_list<Family> families) {
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

}  // namespace tarvo
