// String transforms: a text in, a new text out.
//
// Texts are byte spans read over their full length (only StrTillNull stops
// at a zero byte). Most results go back to the host through ReturnString,
// which ends them at their first zero byte; these functions keep every byte
// and leave that cut to the handler. StrChrSwap and StrPoke cut themselves,
// because the zero byte they write is meant to end the result.
//
// A parameter called `c` (or from/to/style) is the first character of the
// host's text parameter, 0 for an empty text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Pieces of the text itself.
std::string_view StrLeft(std::string_view text, std::int32_t n);
std::string_view StrRight(std::string_view text, std::int32_t n);

std::string_view StrTillNull(std::string_view text);

std::string StrReduce(std::string_view text, Opt<char> c);

std::string_view StrLTrim(std::string_view text, char c);

// A `to` of 0 would write a zero byte that ends the result, so the result
// is cut there.
std::string StrChrSwa(std::string_view text, char from, char to);

// Membership goes by the set's full length: a zero byte is a member only
// when the set holds one.
std::string StrKeep(std::string_view text, std::string_view set);
std::string StrExclude(std::string_view text, std::string_view set);

std::string StrDiOnly(std::string_view text, Opt<Unread<'C'>> ignored);

std::string StrMirror(std::string_view text);

// A code of 0 would write a zero byte that ends the result, so the result
// is cut there.
std::string StrPoke(std::string_view text, std::int32_t n, std::int32_t code);

// One pass over the bytes, carrying the bits that leave one byte into the
// next; the bits that leave the text at one end enter it at the other.
std::string StrShl(std::string_view text, std::int32_t bits);
std::string StrShr(std::string_view text, std::int32_t bits);

// Run-length packing in one pass that also reads the text's terminating
// zero, which closes the last run: a final run of zero bytes is therefore
// never written out.
std::string StrRelIn(std::string_view text);

// Two passes: the first sizes the output, so that it is allocated once.
std::string StrRelOut(std::string_view packed);

// The whole part is grouped from its last character back to its first.
std::string StrComma(std::string_view number, char style);

// The character before the first one is taken to be the first delimiter
// (0 for none). As with strchr, the delimiters end at their first zero byte
// and the zero byte always counts as one.
std::string StrProper(std::string_view text, std::string_view delimiters);

// The digits the C runtime's _fcvt gives for `value` with `decimals` digits
// after the point, without calling it: the value is taken to 17 significant
// digits (exactly rounded), then rounded half up to `decimals` places
// (negative counts round to tens, hundreds, ...) and padded with zeros.
// Infinity and NaN give the runtime's "1#INF", "1#QNAN" (negative NaN
// "1#IND") treated as digits.
std::string FcvtDigits(double value, std::int32_t decimals);

// By the value's own type letter; a number goes through FcvtDigits with its
// own decimals.
std::string StrMake(const AnyValue& value);

// The slots are static strings of this function; no answer for another
// slot number.
std::optional<std::string> StrIntStr(std::int32_t slot, Opt<std::string_view> text);

// STR_FSTDIG takes its parameter as a text, so the host's value is still
// made zero-terminated.
const char* StrNull();
const char* StrMixup(Unread<'C'>, Unread<'I'>);
void StrFstDig(std::string_view text);

}  // namespace tarvo
