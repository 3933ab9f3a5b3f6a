// Looking into a text without transforming it: searches, counting, bracket
// balancing, the parameter parser, single characters, prefix and suffix
// tests.
//
// Texts are byte spans read over their full length. Character results are
// pieces of the text itself; the host receives them ended at their first
// zero byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// Linear in the text's length whatever the pattern (see searches.cpp).
std::int32_t StrNaiveSearch(std::string_view pattern, std::string_view text);

// Membership goes by the set's full length, zero bytes included.
std::string_view StrCpbrk(std::string_view text, std::string_view set);
std::int32_t StrNpbrk(std::string_view text, std::string_view set);

std::int32_t StrChrCnt(std::string_view text, char c);

// pair[0] opens and pair[1] closes; 0 stands in for a missing character.
// Equal characters never balance: each one counts as an opening first.
std::int32_t StrBalanc(std::string_view text, std::string_view pair, std::int32_t n);

// Two walks from the first "(": one up to the (n-1)-th comma of the call's
// own level, the next up to the n-th comma or the closing ")".
std::string_view StrNParam(std::string_view call, std::int32_t n);

std::string_view StrFirst(std::string_view text);
std::string_view StrLast(std::string_view text);

std::string_view StrN(std::string_view text, std::int32_t n);
std::string_view StrChar(std::string_view text, std::int32_t n);
std::int32_t StrPeek(std::string_view text, std::int32_t n);

// Both compare the first / last min(length) characters.
bool StrStart(std::string_view a, std::string_view b);
bool StrEnd(std::string_view a, std::string_view b);

}  // namespace tarvo
