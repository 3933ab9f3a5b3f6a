// Number conversions, and the functions over the library's random generator
// (strings/random.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// The bytes come from truncating divisions and remainders by 2^24, 2^16 and
// 2^8, not from shifts: for a negative n they differ from its two's
// complement bytes. The host receives the text up to its first zero byte.
std::string NumBinToC(std::int32_t n);

// c0 + 256 * (c1 + 256 * (c2 + 256 * c3)) over signed bytes, in 64 bits,
// then wrapped to 32.
std::int32_t NumCToBin(std::string_view text);

bool NumBitTest(std::int32_t n, std::int32_t bit);

std::int32_t NumBinLow(std::int32_t n);
std::int32_t NumBinHi(std::int32_t n);

// Reads as the runtime's strtol with base 16 does; the magnitude is held at
// 2^31 once past it, where the answer saturates anyway.
std::int32_t NumHtoi(const char* text);

std::string NumOctal(std::int32_t n);

double NumBinToNum(const char* text);

void NumInitRandom(Opt<std::int32_t> seed);
std::int32_t NumRandomInt();
double NumRandomDouble();

}  // namespace tarvo
