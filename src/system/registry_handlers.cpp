// The registry in the function table: the rows over registry.h.
#include "host/declare.h"
#include "system/registry.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "system/registry_rows.h"
};
}  // namespace

Family RegistryFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
