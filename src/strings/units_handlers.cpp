// The unit conversions in the function table: one body, MetConvert, over the
// eighteen factors of strings/units.h.
#include "host/declare.h"
#include "strings/units.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "strings/units_rows.h"
};
}  // namespace

Family UnitFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
