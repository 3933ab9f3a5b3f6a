// Looking into a text without transforming it: searches, counting, bracket
// balancing, the parameter parser, single characters, prefix and suffix
// tests.
//
// Texts are byte spans read over their full length. Positions are 1-based
// and 0 means "not found". A position outside 1..length gives the empty
// text or 0. Character results are pieces of the text itself; the host
// receives them ended at their first zero byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// Position of the first occurrence of `pattern` in `text` (pattern first);
// 0 when there is none, 1 for the empty pattern.
std::int32_t StrNaiveSearch(std::string_view pattern, std::string_view text);

// The rest of `text` from its first character that occurs in `set`, or the
// empty text / its position, 0 when there is none. Membership goes by the
// set's full length.
std::string_view StrCpbrk(std::string_view text, std::string_view set);
std::int32_t StrNpbrk(std::string_view text, std::string_view set);

// How often `c` occurs in the text.
std::int32_t StrChrCnt(std::string_view text, char c);

// Position of the closing character that balances the n-th opening one.
// pair[0] opens and pair[1] closes (0 stands in for a missing character).
// 0 when the text ends first, when there are fewer than n openings, for n
// below 1, and when both characters are equal.
std::int32_t StrBalanc(std::string_view text, std::string_view pair, std::int32_t n);

// The n-th parameter of a call written as text, as it stands (blanks kept).
// Commas count only at the call's own level; quotes ("..." and '...') hide
// commas and parentheses, and an unclosed quote runs to the end. A text
// without "(" comes back whole for any n; otherwise n below 1 gives the
// empty text, and n beyond the parameters what follows the closing ")".
std::string_view StrNParam(std::string_view call, std::int32_t n);

// The first / last character that is not a blank (code 32) as a
// one-character text; empty when there is none.
std::string_view StrFirst(std::string_view text);
std::string_view StrLast(std::string_view text);

// The character at position n, as a one-character text.
std::string_view StrN(std::string_view text, std::int32_t n);
// The text from position n to its end.
std::string_view StrChar(std::string_view text, std::int32_t n);
// The code at position n as a signed byte (128..255 give -128..-1).
std::int32_t StrPeek(std::string_view text, std::int32_t n);

// True when the texts agree over their first / last min(length) characters,
// so that the shorter one begins / ends the longer; true when either is empty.
bool StrStart(std::string_view a, std::string_view b);
bool StrEnd(std::string_view a, std::string_view b);

}  // namespace tarvo
