#include "strings/chartests.h"

#include <array>
#include <initializer_list>

namespace tarvo {
namespace {

using Table = std::array<bool, 256>;

// A membership table from ranges of codes (first, last); code 0 is a member
// of every table, as the end of the table's text.
constexpr Table Members(std::initializer_list<std::array<int, 2>> ranges) {
    Table t{};
    t[0] = true;
    for (const auto& r : ranges)
        for (int c = r[0]; c <= r[1]; ++c) t[static_cast<std::size_t>(c)] = true;
    return t;
}

constexpr Table kVowels = Members({
    {'A', 'A'}, {'E', 'E'}, {'I', 'I'}, {'O', 'O'}, {'U', 'U'}, {'Y', 'Y'},
    {'a', 'a'}, {'e', 'e'}, {'i', 'i'}, {'o', 'o'}, {'u', 'u'}, {'y', 'y'},
    {0xC0, 0xC5}, {0xC8, 0xCF}, {0xD2, 0xD6}, {0xD9, 0xDD}, {0xE0, 0xE5},
    {0xE8, 0xEF}, {0xF0, 0xF0}, {0xF2, 0xF6}, {0xF9, 0xFD}, {0xFF, 0xFF},
});

constexpr Table kConsonants = [] {
    Table t{};
    t[0] = true;
    for (const char* c = "BCDFGHJKLMNPQRSTVWXZbcdfghjklmnpqrstvwxz"; *c; ++c)
        t[static_cast<unsigned char>(*c)] = true;
    for (int c : {0xC7, 0xD0, 0xD1, 0xE7, 0xF1}) t[static_cast<std::size_t>(c)] = true;
    return t;
}();

// Every character of the range passes `is`.
bool RangeAll(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count,
              bool (*is)(unsigned char)) {
    const std::int64_t size = static_cast<std::int64_t>(text.size());
    std::int64_t from = start.present ? start.value : 1;  // 1-based
    std::int64_t to = count.present ? from + count.value : size + 1;  // one past the end
    if (from < 1) from = 1;
    if (to > size + 1) to = size + 1;
    for (std::int64_t i = from; i < to; ++i)
        if (!is(static_cast<unsigned char>(text[static_cast<std::size_t>(i - 1)]))) return false;
    return true;
}

bool Upper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool Lower(unsigned char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

bool StrIsVowel(char c) { return kVowels[static_cast<unsigned char>(c)]; }
bool StrIsConsonant(char c) { return kConsonants[static_cast<unsigned char>(c)]; }

bool CharPunct(unsigned char c) { return CharGraph(c) && !(c >= '0' && c <= '9') && !Upper(c) && !Lower(c); }
bool CharSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool CharGraph(unsigned char c) { return c > ' ' && c < 0x7F; }
bool CharPrint(unsigned char c) { return c >= ' ' && c < 0x7F; }

bool StrIsUpper(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count) {
    return RangeAll(text, start, count, Upper);
}
bool StrIsLower(std::string_view text, Opt<std::int32_t> start, Opt<std::int32_t> count) {
    return RangeAll(text, start, count, Lower);
}

bool StrIsValidCreditCard(std::string_view text) {
    int digits[21];
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        if (n == 20) return false;  // more than 20 digits
        digits[n++] = c - '0';
    }
    if (n == 0) return false;
    int sum = 0;
    for (int place = 1; place <= n; ++place) {  // place 1 is the rightmost digit
        int d = digits[n - place];
        if (place % 2 == 0) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
    }
    return sum % 10 == 0;
}

}  // namespace tarvo
