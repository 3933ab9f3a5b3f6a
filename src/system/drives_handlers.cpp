// Drives and volumes in the function table: the rows over drives.h, the
// companion library's disk counts and SetErrorMode.
#include <windows.h>

#include "host/companion.h"
#include "host/declare.h"
#include "system/drives.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "system/drives_rows.h"
};
}  // namespace

Family DriveFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
