// LZH compression in the function table (strings/lzh.h).
#include "host/declare.h"
#include "strings/lzh.h"

namespace tarvo {
namespace {
const FunctionDef kRows[] = {
#include "strings/lzh_rows.h"
};
}  // namespace

Family LzhFunctions() { return kRows; }

}  // namespace tarvo
