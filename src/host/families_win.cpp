// TARVO.fll's function table: the families host/families.inc lists, in its
// order.
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

LibraryHeader* LibraryHeaderAddress() {
    static PackedTable table{
#define FAMILY(id, title, about) id##Functions(),
#include "host/families.inc"
#undef FAMILY
    };
    return &table.header;
}

}  // namespace tarvo
