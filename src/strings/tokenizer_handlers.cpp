// The tokenizer in the function table: every row is one plain function of
// strings/tokenizer.h over the process-wide separator set and walk.
//
// STR_TOKNEX hands back a token whole, however long; STR_SETOFF takes a
// negative offset as 0; when every code, 0 included, is a separator,
// STR_SETSEP's next answer is the empty text (code 0 comes first and ends
// the text). The walk keeps its own copy of the text, which outlives any one
// call.
#include "host/declare.h"
#include "strings/tokenizer.h"

namespace tarvo {
namespace {
const FunctionDef kRows[] = {
#include "strings/tokenizer_rows.h"
};
}  // namespace

Family TokenizerFunctions() { return kRows; }

}  // namespace tarvo
