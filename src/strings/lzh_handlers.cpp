// LZH compression in the function table (strings/lzh.h).
#include "host/declare.h"
#include "strings/lzh.h"

namespace tarvo {
namespace {
constexpr RowSpec kRows[] = {
#include "strings/lzh_rows.h"
};
}  // namespace

Family LzhFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
