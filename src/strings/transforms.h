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

// The first / last n characters, as a piece of the text: the whole text when
// n exceeds its length, the empty text for n <= 0.
std::string_view StrLeft(std::string_view text, std::int32_t n);
std::string_view StrRight(std::string_view text, std::int32_t n);

// The text up to its first zero byte.
std::string_view StrTillNull(std::string_view text);

// Every run of `c` becomes a single `c`. Without `c`, runs of the text's own
// first character are reduced.
std::string StrReduce(std::string_view text, Opt<char> c);

// The text without its leading run of `c`.
std::string_view StrLTrim(std::string_view text, char c);

// Every `from` replaced by `to`. A `to` of 0 (an empty "to" text) writes a
// zero byte, so the result ends just before the first replaced character.
std::string StrChrSwa(std::string_view text, char from, char to);

// Only the characters that occur in `set` / that do not occur in `set`.
// Membership goes by the set's full length: a zero byte is a member only
// when the set holds one.
std::string StrKeep(std::string_view text, std::string_view set);
std::string StrExclude(std::string_view text, std::string_view set);

// Only the digits 0-9 and the point; the second parameter is never read.
std::string StrDiOnly(std::string_view text, Opt<Unread<'C'>> ignored);

// The characters in reverse order (STR_MIRROR, STR_REVERS).
std::string StrMirror(std::string_view text);

// The character at position n (1-based) replaced by the low byte of `code`;
// a code of 0 cuts the result at n - 1 characters. A position outside
// 1..length leaves the text unchanged.
std::string StrPoke(std::string_view text, std::int32_t n, std::int32_t code);

// The text as one bit string, first byte most significant, rotated left /
// right by `bits` within its own length. bits 0 and any count outside 0..8
// leave the text unchanged; 8 rotates by one whole byte. Zero bytes are kept
// (the handler returns the result with its length).
std::string StrShl(std::string_view text, std::int32_t bits);
std::string StrShr(std::string_view text, std::int32_t bits);

// Run-length packing. A run of 4 to 226 equal bytes becomes the triple
// 1, run + 28, byte; runs of 1 to 3 stay as they are; longer runs continue
// as further runs. The byte 1 is not escaped. The pass also reads the text's
// terminating zero, which closes the last run; a final run of zero bytes is
// therefore never written out.
std::string StrRelIn(std::string_view text);

// Run-length unpacking: a byte 1 followed by a count byte and a byte gives
// count - 28 copies of that byte (none when below 1; the count byte is
// unsigned); every other byte is copied. A byte 1 with fewer than two bytes
// behind it is copied as it stands, together with what follows.
std::string StrRelOut(std::string_view packed);

// Digit grouping in threes. With `style` ',' the decimal mark is ',' and the
// group mark '.', otherwise the other way round. Every '.' of the text
// becomes the decimal mark and the last one starts the fraction, which is
// copied unchanged; every character before it (a sign too) counts as a
// digit: "-123456" gives "-,123,456". There is no length limit.
std::string StrComma(std::string_view number, char style);

// Case by delimiters: a character is upper-cased when the character before
// it is a delimiter and lower-cased otherwise (letters a-z / A-Z only); the
// first character is judged by the first delimiter. A backslash is dropped
// and the character behind it keeps its case. As with strchr, the delimiters
// end at their first zero byte and the zero byte always counts as one, so an
// empty delimiter text still upper-cases the first character.
std::string StrProper(std::string_view text, std::string_view delimiters);

// The digits the C runtime's _fcvt gives for `value` with `decimals` digits
// after the point: no point, no sign, no leading zeros before the first
// significant digit. The value is taken to 17 significant digits (exactly
// rounded), then rounded half up to `decimals` places (negative counts round
// to tens, hundreds, ...) and padded with zeros. So 3.14 / 2 gives "314",
// 0.0063 / 2 gives "1", 0.4 / 0 gives "", 0 / 2 gives "00", 99.99 / 1 gives
// "1000". Infinity and NaN give the runtime's "1#INF", "1#QNAN" (negative
// NaN "1#IND") treated as digits. At most 348 digits come back.
std::string FcvtDigits(double value, std::int32_t decimals);

// Any value as text, by its own type letter: C and M the text up to its first
// zero byte, I in decimal, N the FcvtDigits of its decimals, L "1" or "0",
// Y "$" and the low 32 bits of the currency value as a signed number, null
// ".NULL.", D "Should return a date", T "Should return a datetime", G "<Gen>",
// M "<Memo>", anything else "Unknown data type".
std::string StrMake(const AnyValue& value);

// The three text slots of STR_INTSTR, empty at load: answers slot 1, 2 or 3's
// content and then stores `text` in it (its first 255 characters). Any other
// slot answers nothing and stores nothing.
std::optional<std::string> StrIntStr(std::int32_t slot, Opt<std::string_view> text);

// STR_NULL: the empty text. STR_MIXUP: the empty text, its parameters never
// read. STR_FSTDIG: nothing at all (its parameter is made zero-terminated).
const char* StrNull();
const char* StrMixup(Unread<'C'>, Unread<'I'>);
void StrFstDig(std::string_view text);

}  // namespace tarvo
