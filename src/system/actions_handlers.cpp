// Processes and system actions in the function table: the rows over
// actions.h.
#include "host/declare.h"
#include "system/actions.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "system/actions_rows.h"
};
}  // namespace

Family ProcessFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
