// The tokenizer's handlers: the sequential walk (STR_TOKINI, STR_TOKNEX,
// STR_TOKFIN, STR_GETOFF, STR_SETOFF), the separator set (STR_SETSEP,
// STR_RESSEP) and direct access (STR_NUMTOK, STR_NTOKEN, STR_TOKPOS,
// STR_STRTOK).
//
// The walk and the separator set are the tokenizer module's process-wide
// instances (SharedTokenWalk(), Separators()); these handlers only read the
// parameters, call the module and hand back one result.
//
// Choices made where the behaviour was ours to decide:
//   - STR_TOKNEX hands back a token whole, however long: no 2048-character
//     token buffer cuts it.
//   - STR_SETOFF with a negative offset is taken as 0: the next STR_TOKNEX
//     starts over at the beginning of the text.
//   - When every code, 0 included, is a separator, STR_SETSEP's next answer is
//     the empty text (code 0 comes first and ends the text).
//   - The walk's copy of the text is the module's own memory, not a handle of
//     the host's table: it outlives any one call, and the handle table is the
//     calling thread's.
#include <cstddef>
#include <string>
#include <string_view>

#include "host/params.h"
#include "host/services.h"
#include "host/table.h"
#include "strings/tokenizer.h"

namespace tarvo {
namespace {

// STR_TOKINI(text): starts a walk over the text. The module copies it (an
// allocation failure raises 182 through the dispatcher, leaving no copy).
void StrTokIni(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnLogical(SharedTokenWalk().Init(text.view()));
}

// STR_TOKNEX(): the next token of the walk; the empty text past its end.
void StrTokNex(ParamBlock*) {
    std::string token = SharedTokenWalk().Next();
    ReturnString(token);
}

// STR_TOKFIN(): .T. once the walk is used up, and before any STR_TOKINI.
void StrTokFin(ParamBlock*) { ReturnLogical(SharedTokenWalk().Finished()); }

// STR_GETOFF(): the 0-based offset where the next token starts.
void StrGetOff(ParamBlock*) { ReturnInteger(SharedTokenWalk().GetOffset()); }

// STR_SETOFF(offset): moves the walk, unchecked but for a negative offset
// (taken as 0); always .T.
void StrSetOff(ParamBlock* p) {
    SharedTokenWalk().SetOffset(IntParam(p, 1));
    ReturnLogical(true);
}

// STR_SETSEP(chars): every byte of chars (zero bytes too) becomes the only
// separators; answers the previous set in ascending code order.
void StrSetSep(ParamBlock* p) {
    TextArg chars(p, 1);
    std::string previous = SetSeparators(chars.view());
    ReturnString(previous);
}

// STR_RESSEP(): empties the separator set; returns nothing at all.
void StrResSep(ParamBlock*) { ResetSeparators(); }

// STR_NUMTOK(text) and its aliases: 1 + the separators of the whole text.
void StrNumTok(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnInteger(CountTokens(text.view()));
}

// STR_NTOKEN(n, text): the n-th token, the empty text past the last one. The
// token goes back straight from the parameter's own block.
void StrNToken(ParamBlock* p) {
    const std::int32_t n = IntParam(p, 1);
    TextArg text(p, 2);
    const std::size_t start = TokenStart(text.view(), n);
    text.ReturnSlice(start, TokenLength(text.view(), start));
}

// STR_TOKPOS(n, text): 1-based start of the n-th token; length + 1 when the
// text has fewer tokens, and for n below 1.
void StrTokPos(ParamBlock* p) {
    const std::int32_t n = IntParam(p, 1);
    TextArg text(p, 2);
    ReturnInteger(TokenPosition(n, text.view()));
}

// STR_STRTOK(n, text, delimiters): the n-th token by strtok's rules; ignores
// the separator set and the walk.
void StrStrTok(ParamBlock* p) {
    const std::int32_t n = IntParam(p, 1);
    TextArg text(p, 2);
    TextArg delimiters(p, 3);
    std::string token = StrTok(n, text.view(), delimiters.view());
    ReturnString(token);
}

const FunctionDef kTokenizer[] = {
    {"STR_TOKINI", StrTokIni, 1, "C"},
    {"STR_TOKNEX", StrTokNex, 0, ""},
    {"STR_TOKFIN", StrTokFin, 0, ""},
    {"STR_GETOFF", StrGetOff, 0, ""},
    {"STR_SETOFF", StrSetOff, 1, "I"},
    {"STR_SETSEP", StrSetSep, 1, "C"},
    {"STR_RESSEP", StrResSep, 0, ""},
    {"STR_NUMTOK", StrNumTok, 1, "C"},
    {"NUMBEROFTOKENS", StrNumTok, 1, "C"},
    {"STR_NUMBEROFTOKENS", StrNumTok, 1, "C"},
    {"STR_NTOKEN", StrNToken, 2, "I,C"},
    {"STR_TOKPOS", StrTokPos, 2, "I,C"},
    {"STR_STRTOK", StrStrTok, 3, "I,C,C"},
};

}  // namespace

Family TokenizerFunctions() { return kTokenizer; }

}  // namespace tarvo
