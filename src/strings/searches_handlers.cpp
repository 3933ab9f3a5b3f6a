// The string searches and extraction in the function table: every row is
// one plain function of strings/searches.h. Pieces of a text (STR_CPBRK,
// STR_CHAR, STR_NPARAM ...) go back from the parameter's own block.
#include "host/declare.h"
#include "strings/searches.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "strings/searches_rows.h"
};
}  // namespace

Family SearchFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
