// Character tests: vowels and consonants by fixed tables, one character of a
// text classified, case over a range of a text, the card-number check digit.
//
// The four runtime classifiers (CharPunct ... CharPrint) are written out as
// the classes of the C runtime's "C" locale, so the thread's locale cannot
// change them; the four Windows classifiers (strings/chartests_win.cpp) ask
// Windows, in the calling thread's locale.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Looked up in 256-entry tables of Windows-1252 codes. Code 0 is a member of
// both tables: each table's text ends there.
bool StrIsVowel(char c);
bool StrIsConsonant(char c);

// The C runtime's classes in the "C" locale.
bool CharPunct(unsigned char c);  // ! to / : to @ [ to ` { to ~
bool CharSpace(unsigned char c);  // blank, tab, line feed, vertical tab, form feed, return
bool CharGraph(unsigned char c);  // ! to ~
bool CharPrint(unsigned char c);  // blank to ~

// The Windows classes of the calling thread's locale (IsCharAlphaA ...;
// strings/chartests_win.cpp).
bool LocaleAlpha(unsigned char c);
bool LocaleAlphaNumeric(unsigned char c);
bool LocaleLower(unsigned char c);
bool LocaleUpper(unsigned char c);

template <bool (*Test)(unsigned char)>
bool StrIsChar(std::string_view text, std::int32_t position) {
    if (position < 1 || static_cast<std::uint32_t>(position) > text.size()) return false;
    return Test(static_cast<unsigned char>(text[static_cast<std::size_t>(position) - 1]));
}

// The range runs from `start` (1 without it) for `count` characters (to the
// end without it) and is clipped to the text afterwards, so a start below 1
// shortens it.
bool StrIsUpper(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count);
bool StrIsLower(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count);

// The Luhn mod-10 check, counting places from the rightmost digit.
bool StrIsValidCreditCard(std::string_view text);

// Windows' CompareStringA, whose answer is returned as it comes
// (strings/chartests_win.cpp).
std::int32_t StrCompareStrings(std::string_view a, std::string_view b, std::int32_t flags);

}  // namespace tarvo
