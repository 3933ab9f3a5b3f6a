// The character tests in the function table: every row is one plain function
// of strings/chartests.h. The eight STR_ISCHAR... names share one body over
// eight classifiers; a position outside the text answers .F..
#include "host/declare.h"
#include "strings/chartests.h"

namespace tarvo {
namespace {
const FunctionDef kRows[] = {
#include "strings/chartests_rows.h"
};
}  // namespace

Family CharTestFunctions() { return kRows; }

}  // namespace tarvo
