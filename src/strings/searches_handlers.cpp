// The handlers of the string searches and extraction: substring and
// character-set searches, counting, bracket balancing, the parameter parser,
// single characters, tails, prefix and suffix tests.
//
// Positions are 1-based and 0 means "not found"; integers go back with width
// 10 and texts through ReturnString (which ends them at their first zero
// byte). Results that are the tail of a parameter text (STR_CPBRK, STR_CHAR)
// go back from the parameter's block, which holds the text zero-terminated,
// without a copy of their own.
//
// Choice made where the behaviour was ours to decide: STR_N, STR_CHAR and
// STR_PEEK with a position outside 1..length answer the empty text or 0.
#include <cstdint>
#include <string>

#include "host/params.h"
#include "host/services.h"
#include "host/table.h"
#include "strings/searches.h"

namespace tarvo {
namespace {

bool InText(const TextArg& text, std::int32_t n) {
    return n >= 1 && n <= text.length;
}

// STR_NAIVESEARCH(pattern, text): where the pattern first occurs in the text.
void StrNaiveSearchHandler(ParamBlock* p) {
    TextArg pattern(p, 1);
    TextArg text(p, 2);
    ReturnInteger(StrNaiveSearch(pattern.view(), text.view()));
}

// STR_CPBRK(text, set): the rest of the text from its first character that
// occurs in the set; the empty text when none does.
void StrCpbrkHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg set(p, 2);
    const std::int32_t at = StrNpbrk(text.view(), set.view());
    ReturnString(at == 0 ? "" : text.data + (at - 1));
}

// STR_NPBRK(text, set): the position of that character, 0 when none.
void StrNpbrkHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg set(p, 2);
    ReturnInteger(StrNpbrk(text.view(), set.view()));
}

// STR_CHRCNT(text, char): how often the first character of parameter 2
// occurs in the whole text (an empty parameter 2 counts zero bytes).
void StrChrCntHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg c(p, 2);
    ReturnInteger(StrChrCount(text.view(), c.first()));
}

// STR_BALANC(text, pair, n): the position of the character that closes the
// n-th opening one.
void StrBalancHandler(ParamBlock* p) {
    TextArg text(p, 1);
    TextArg pair(p, 2);
    ReturnInteger(StrBalance(text.view(), pair.view(), IntParam(p, 3)));
}

// STR_NPARAM(call, n): the n-th parameter of a call written as text.
void StrNParamHandler(ParamBlock* p) {
    TextArg call(p, 1);
    std::string parameter = StrNParam(call.view(), IntParam(p, 2));
    ReturnString(parameter);
}

// STR_FIRST / STR_LAST(text): the first / last character that is not a blank.
void StrFirstHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrFirst(text.view()));
}

void StrLastHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrLast(text.view()));
}

// STR_N(text, n): the character at position n.
void StrNHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnString(StrNth(text.view(), IntParam(p, 2)));
}

// STR_CHAR(text, n): the text from position n on (what StrTail would copy).
void StrCharHandler(ParamBlock* p) {
    TextArg text(p, 1);
    const std::int32_t n = IntParam(p, 2);
    ReturnString(InText(text, n) ? text.data + (n - 1) : "");
}

// STR_PEEK(text, n): the code at position n as a signed byte.
void StrPeekHandler(ParamBlock* p) {
    TextArg text(p, 1);
    ReturnInteger(StrPeek(text.view(), IntParam(p, 2)));
}

// STR_START / STR_END(a, b): the shorter text begins / ends the longer one.
void StrStartHandler(ParamBlock* p) {
    TextArg a(p, 1);
    TextArg b(p, 2);
    ReturnLogical(StrStartsAgree(a.view(), b.view()));
}

void StrEndHandler(ParamBlock* p) {
    TextArg a(p, 1);
    TextArg b(p, 2);
    ReturnLogical(StrEndsAgree(a.view(), b.view()));
}

const FunctionDef kSearches[] = {
    {"STR_NAIVESEARCH", StrNaiveSearchHandler, 2, "C,C"},
    {"STR_CPBRK", StrCpbrkHandler, 2, "C,C"},
    {"STR_NPBRK", StrNpbrkHandler, 2, "C,C"},
    {"STR_CHRCNT", StrChrCntHandler, 2, "C,C"},
    {"STR_BALANC", StrBalancHandler, 3, "C,C,I"},
    {"STR_NPARAM", StrNParamHandler, 2, "C,I"},
    {"STR_FIRST", StrFirstHandler, 1, "C"},
    {"STR_LAST", StrLastHandler, 1, "C"},
    {"STR_N", StrNHandler, 2, "C,I"},
    {"STR_CHAR", StrCharHandler, 2, "C,I"},
    {"STR_PEEK", StrPeekHandler, 2, "C,I"},
    {"STR_START", StrStartHandler, 2, "C,C"},
    {"STR_END", StrEndHandler, 2, "C,C"},
};

}  // namespace

Family SearchFunctions() { return kSearches; }

}  // namespace tarvo
