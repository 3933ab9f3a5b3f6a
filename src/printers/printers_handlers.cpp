// The printers in the function table: the rows over printers.h.
#include "host/declare.h"
#include "printers/printers.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "printers/printers_rows.h"
};
}  // namespace

Family PrinterFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
