// Number conversions: integers to and from bytes, binary, octal and
// hexadecimal texts, byte and bit access, and the random numbers of the
// library's generator (strings/random.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// The four bytes of n, least significant first, as n / 16777216,
// (n rem 16777216) / 65536, ((n rem 16777216) rem 65536) / 256 and
// n rem 16777216 taken as bytes, with truncating division (so for n >= 0
// the little-endian bytes). The handler's result ends at the first zero byte.
std::string NumBinToC(std::int32_t n);

// The first four bytes of the text as signed bytes, c0 + 256 * (c1 + 256 *
// (c2 + 256 * c3)) wrapped to 32 bits; bytes past the end count as 0.
std::int32_t NumCToBin(std::string_view text);

// Whether bit `bit` of n is set; the bit number is taken modulo 32.
bool NumBitTest(std::int32_t n, std::int32_t bit);

// Bits 0 to 7 / bits 8 to 15 of n.
std::int32_t NumBinLow(std::int32_t n);
std::int32_t NumBinHi(std::int32_t n);

// The runtime's strtol with base 16: leading white space, a sign and a "0x"
// or "0X" prefix are accepted, reading stops at the first character that is
// not a hexadecimal digit (0 when there is none), and values out of range
// give 2147483647 or -2147483648. The text ends at its first zero byte.
std::int32_t NumHtoi(const char* text);

// n in octal, negative numbers as their 32-bit two's complement.
std::string NumOctal(std::int32_t n);

// The last 16 characters of the text (up to its first zero byte) as a binary
// number, right-aligned: the last character is worth 1, the one before it 2,
// and so on up to 32768; a character counts only when it is "1".
double NumBinToNum(const char* text);

// NUM_INITRANDOM: reseeds the generator with the seed, or without one from
// the clock. NUM_RANDOMINT: its next number, 0 to 65535. NUM_RANDOMDOUBLE:
// that number divided by 65535, 0 to 1 inclusive.
void NumInitRandom(Opt<std::int32_t> seed);
std::int32_t NumRandomInt();
double NumRandomDouble();

}  // namespace tarvo
