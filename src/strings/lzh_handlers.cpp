// LZH_ENCODE and LZH_DECODE: compress one file into another and back.
//
// Neither returns a value. The progress and statistics lines go to the
// process's standard output: tarvo-run shows them; inside a windowed host,
// which has no console, they go nowhere visible.
#include <cstdio>

#include "host/table.h"
#include "strings/lzh.h"

namespace tarvo {
namespace {

void LzhEncodeHandler(ParamBlock* p) {
    TextArg in(p, 1), out(p, 2);
    LzhEncodePaths(in.data, out.data, true);
    std::fflush(stdout);
}

void LzhDecodeHandler(ParamBlock* p) {
    TextArg in(p, 1), out(p, 2);
    LzhDecodePaths(in.data, out.data, true);
    std::fflush(stdout);
}

const FunctionDef kLzh[] = {
    {"LZH_ENCODE", LzhEncodeHandler, 2, "C,C"},
    {"LZH_DECODE", LzhDecodeHandler, 2, "C,C"},
};

}  // namespace

Family LzhFunctions() { return kLzh; }

}  // namespace tarvo
