#include "strings/numbers.h"

#include <cstdio>

#include "strings/random.h"

namespace tarvo {

std::string NumBinToC(std::int32_t n) {
    const std::int32_t low24 = n % 16777216;
    const std::int32_t parts[4] = {low24, (low24 % 65536) / 256, low24 / 65536, n / 16777216};
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i) out[static_cast<std::size_t>(i)] = static_cast<char>(parts[i] & 0xFF);
    return out;
}

std::int32_t NumCToBin(std::string_view text) {
    std::int64_t value = 0;
    for (int i = 3; i >= 0; --i) {
        const std::size_t at = static_cast<std::size_t>(i);
        value = value * 256 + (at < text.size() ? static_cast<signed char>(text[at]) : 0);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bool NumBitTest(std::int32_t n, std::int32_t bit) {
    return ((static_cast<std::uint32_t>(n) >> (bit & 31)) & 1u) != 0;
}

std::int32_t NumBinLow(std::int32_t n) { return n & 0xFF; }
std::int32_t NumBinHi(std::int32_t n) { return (n >> 8) & 0xFF; }

std::int32_t NumHtoi(const char* s) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X') && digit(s[2]) >= 0) s += 2;
    std::int64_t value = 0;  // the magnitude, held at 2^31 once past it
    for (; digit(*s) >= 0; ++s)
        if (value <= 0x80000000ll) value = value * 16 + digit(*s);
    if (negative) return value >= 0x80000000ll ? INT32_MIN : static_cast<std::int32_t>(-value);
    return value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value);
}

std::string NumOctal(std::int32_t n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%o", static_cast<unsigned>(n));
    return buffer;
}

double NumBinToNum(const char* text) {
    std::string_view t(text);
    if (t.size() > 16) t.remove_prefix(t.size() - 16);
    std::int32_t value = 0;
    for (char c : t) value = value * 2 + (c == '1' ? 1 : 0);
    return value;
}

void NumInitRandom(Opt<std::int32_t> seed) {
    if (seed.present) RandomSeed(RandomState(), static_cast<std::uint32_t>(seed.value));
    else RandomSeedFromClock();
}

std::int32_t NumRandomInt() { return RandomNext(RandomState()); }

double NumRandomDouble() { return RandomNext(RandomState()) * 1.5259021896696422e-05; }

}  // namespace tarvo
