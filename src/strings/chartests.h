// Character tests: vowels and consonants by fixed tables, one character of a
// text classified, case over a range of a text, the card-number check digit.
//
// Texts are bytes of the Windows ANSI code page (Windows-1252 for the accented
// letters of the tables). The four runtime classifiers (CharPunct ...
// CharPrint) answer as the C runtime does in its default "C" locale: only the
// codes 0 to 127 have a class, codes 128 to 255 belong to none. The four
// Windows classifiers (strings/chartests_win.cpp) follow the calling thread's
// locale instead.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Whether the character occurs in the vowel table ("AEIOUYaeiouy" and the
// accented vowels of Windows-1252, with ý, ÿ and ð) / the consonant table
// (B to Z without the vowels, both cases, and Ç Ð Ñ ç ñ). Code 0 occurs in
// both, as each table's end, so the empty text answers true.
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

// STR_ISCHAR...(text, position): the test applied to the character at the
// 1-based position; a position outside the text answers false.
template <bool (*Test)(unsigned char)>
bool StrIsChar(std::string_view text, std::int32_t position) {
    if (position < 1 || static_cast<std::uint32_t>(position) > text.size()) return false;
    return Test(static_cast<unsigned char>(text[static_cast<std::size_t>(position) - 1]));
}

// Every character of the range is A-Z / a-z (any other byte, a zero byte or
// one of 128 to 255 included, fails). The range is the whole text without
// `start`; from `start` (1-based) to the end without `count`; else `count`
// characters from `start`. The range is clipped to the text, and an empty
// range answers true.
bool StrIsUpper(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count);
bool StrIsLower(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count);

// The Luhn mod-10 check over the digits of the text (every other byte is
// dropped, so blanks and dashes may separate groups). A text without digits
// or with more than 20 fails; a single digit passes only when it is 0.
bool StrIsValidCreditCard(std::string_view text);

// Windows' CompareStringA in the user's default locale with the given flags,
// both texts over their full length: 1 when `a` sorts first, 2 when they are
// equal, 3 when `b` sorts first, 0 when Windows fails (strings/chartests_win.cpp).
std::int32_t StrCompareStrings(std::string_view a, std::string_view b, std::int32_t flags);

}  // namespace tarvo
