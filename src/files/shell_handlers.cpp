// Shell folders and links: the rows.
#include "files/shell.h"
#include "host/declare.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "files/shell_rows.h"
};
}  // namespace

Family ShellFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
