// The character tests in the function table: every row is one plain function
// of strings/chartests.h. The eight STR_ISCHAR... names share one body over
// eight classifiers.
#include "host/declare.h"
#include "strings/chartests.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "strings/chartests_rows.h"
};
}  // namespace

Family CharTestFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
