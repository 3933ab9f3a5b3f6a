// Assembles the families' records into one contiguous, packed table.
#include <array>
#include <vector>

#include "host/services.h"
#include "host/table.h"

namespace tarvo {
namespace {

struct Table {
    LibraryHeader header{};
    std::vector<FunctionRecord> records;

    Table() {
        const Family families[] = {
            TestFunctions(),
            LzhFunctions(),
            TokenizerFunctions(),
            TransformFunctions(),
            SearchFunctions(),
            CharTestFunctions(),
            ScrambleFunctions(),
            NumberFunctions(),
            UnitFunctions(),
            GeometryFunctions(),
            DateFunctions(),
            TimeFunctions(),
            TimerFunctions(),
            PostOfficeFunctions(),
            FileIoFunctions(),
            ProfileFunctions(),
            FileInfoFunctions(),
            FileOperationFunctions(),
            HookFunctions(),  // the two hooks close the table
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
