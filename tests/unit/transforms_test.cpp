#include "strings/transforms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <string>

#include "tests/support/rows.h"

using namespace std::string_literals;

namespace tarvo {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

TEST(StrCut, LeftRightTillNullTrimReduce) {
    ExpectTexts({
        {StrLeft("abc", 0), ""},          {StrRight("abc", INT_MIN), ""},
        {StrLeft("abc", INT_MIN), ""},    {StrRight("abc", 0), ""},
        {StrLeft("abc", 2), "ab"},        {StrRight("abc", 2), "bc"},
        {StrLeft("abc", INT_MAX), "abc"}, {StrRight("abc", INT_MAX), "abc"},
        {StrRight("a\0b\0"s, 3), "\0b\0"s},
        {StrTillNull("ab\0cd"s), "ab"},   {StrTillNull("abc"), "abc"},
        {StrLTrim("xxab", 'x'), "ab"},    {StrLTrim("xxx", 'x'), ""},
        {StrLTrim("axx", 'x'), "axx"},
        // Without a character, runs of the text's own first one are reduced.
        {StrReduce("aab  c", {}), "ab  c"},  {StrReduce("", {}), ""},
        {StrReduce("a--b---c-", Given('-')), "a-b-c-"}, {StrReduce("a\0\0b\0"s, Given('\0')), "a\0b\0"s},
        {StrReduce("\xE9\xE9x\xE9", Given('\xE9')), "\xE9x\xE9"},
    });
}

TEST(StrFilter, SwapKeepExcludeDigitsMirror) {
    ExpectTexts({
        {StrChrSwa("a-b-c", '-', '+'), "a+b+c"}, {StrChrSwa("ab-c-d", '-', '\0'), "ab"},  // a zero byte ends it
        {StrChrSwa("abc", '-', '\0'), "abc"},    {StrChrSwa("a\0b\0"s, '\0', '_'), "a_b_"},
        {StrChrSwa("\xFFx\xFF", '\xFF', '\x80'), "\x80x\x80"},
        // Membership by the set's full length.
        {StrKeep("a1b2c3", "321"), "123"},       {StrExclude("a1b2c3", "321"), "abc"},
        {StrExclude("abc", ""), "abc"},          {StrExclude("a\0b"s, "a"), "\0b"s},
        {StrExclude("a\0b"s, "\0"s), "ab"},      {StrKeep("\xE9x\xE9y", "\xE9"), "\xE9\xE9"},
        {StrDiOnly("a1.2-3e4,5 /:", {}), "1.2345"},  // '/' and ':' border the digits
        {StrMirror("abc"), "cba"},               {StrMirror("a\0\xFF"s), "\xFF\0a"s},
    });
}

TEST(StrPokeTest, ReplacesCutsOrLeavesAlone) {
    ExpectTexts({
        {StrPoke("abc", 2, 'X'), "aXc"}, {StrPoke("abc", 3, 0x100 + 'Z'), "abZ"},  // the low byte
        {StrPoke("abc", 1, -1), "\xFF" "bc"}, {StrPoke("abc", 2, 0), "a"},  {StrPoke("abc", 1, 0x200), ""},
        {StrPoke("abc", 0, 'x'), "abc"}, {StrPoke("abc", 4, 'x'), "abc"},  {StrPoke("abc", INT_MIN, 0), "abc"},
        {StrPoke("abc", INT_MAX, 0), "abc"}, {StrPoke("", 1, 'x'), ""},
    });
}

TEST(StrRotate, BitRotationOverTheWholeText) {
    ExpectTexts({
        {StrShl(Bytes({0x81, 0x01}), 1), Bytes({0x02, 0x03})}, {StrShr(Bytes({0x81, 0x01}), 1), Bytes({0xC0, 0x80})},
        {StrShl(Bytes({0x81}), 1), Bytes({0x03})},            {StrShl(Bytes({0xF0, 0x0F}), 4), Bytes({0x00, 0xFF})},
        {StrShl(Bytes({1, 2, 3}), 8), Bytes({2, 3, 1})},      {StrShr(Bytes({1, 2, 3}), 8), Bytes({3, 1, 2})},
        {StrShl(Bytes({0x80, 0x00}), 1), Bytes({0x00, 0x01})},  // zero bytes kept
        {StrShl("ab", 0), "ab"}, {StrShr("ab", 9), "ab"}, {StrShl("ab", -1), "ab"}, {StrShr("ab", INT_MIN), "ab"},
        {StrShl("", 3), ""},
    });
    const std::string text = Bytes({0x00, 0xFF, 0x81, 0x7E, 0x10, 0xC3});
    for (int bits = 1; bits <= 8; ++bits) {
        EXPECT_EQ(StrShr(StrShl(text, bits), bits), text) << bits;
        EXPECT_EQ(StrShl(StrShl(text, bits), 8 - bits), StrShl(text, 8)) << bits;
    }
}

TEST(StrRunLength, PackAndUnpack) {
    ExpectTexts({
        {StrRelIn(std::string(10, 'x') + "yz"), Bytes({1, 38, 'x', 'y', 'z'})},
        {StrRelIn("axxxxb"), Bytes({'a', 1, 32, 'x', 'b'})}, {StrRelIn("xxx"), "xxx"},
        {StrRelIn(std::string(226, 'x')), Bytes({1, 254, 'x'})},
        {StrRelIn(std::string(227, 'x')), Bytes({1, 254, 'x', 'x'})},
        {StrRelIn(std::string(230, 'x')), Bytes({1, 254, 'x', 1, 32, 'x'})},
        {StrRelIn(""), ""}, {StrRelIn("\xE9\xE9\xE9\xE9\xE9"), Bytes({1, 33, 0xE9})},
        // The terminating zero closes the last run: trailing zero bytes vanish.
        {StrRelIn("ab\0\0"s), "ab"}, {StrRelIn("\0\0a"s), "\0\0a"s},
        {StrRelOut(Bytes({1, 38, 'x', 'y', 'z'})), std::string(10, 'x') + "yz"},
        {StrRelOut(Bytes({1, 28, 'x', 'a'})), "a"}, {StrRelOut(Bytes({1, 20, 'x', 'a'})), "a"},
        {StrRelOut(Bytes({1, 29, 'x'})), "x"}, {StrRelOut(Bytes({1, 0xFF, 0})), std::string(227, '\0')},  // unsigned
        {StrRelOut(Bytes({'a', 1, 40})), Bytes({'a', 1, 40})},  // too short for a triple
        // The marker byte is not escaped, so such texts do not come back.
        {StrRelOut(StrRelIn(Bytes({1, 38, 'x'}))), std::string(10, 'x')},
    });
    std::string text;
    for (int run = 1; run <= 500; run += 7) text += std::string(run, static_cast<char>('A' + run % 50));
    text += "\xE9\xE9\xE9\xE9" "end";
    EXPECT_LT(StrRelIn(text).size(), text.size());
    EXPECT_EQ(StrRelOut(StrRelIn(text)), text);
}

TEST(StrCaseAndDigits, CommaAndProper) {
    ExpectTexts({
        {StrComma("1234567.891", '.'), "1,234,567.891"}, {StrComma("1234567.891", ','), "1.234.567,891"},
        {StrComma("1234567.891", '\0'), "1,234,567.891"}, {StrComma("123456", '.'), "123,456"},
        {StrComma("1234", '.'), "1,234"}, {StrComma("123", '.'), "123"}, {StrComma("", '.'), ""},
        {StrComma("-123456", '.'), "-,123,456"}, {StrComma(".5", ','), ",5"},
        {StrComma("1234.5.6", ','), "123.4,5,6"},  // the last point starts the fraction
        {StrComma(std::string(60, '9'), '.').substr(0, 8), "999,999,"},
        {StrProper("hello world", " "), "Hello World"}, {StrProper("HELLO WORLD", " "), "Hello World"},
        {StrProper("hello \\world", " "), "Hello world"}, {StrProper("a\\\\b", " "), "Ab"},
        {StrProper("abc DEF", ""), "Abc def"},  {StrProper("o'neil-smith x", " -'"), "O'Neil-Smith X"},
        {StrProper("ABC", "\\ "), "Abc"},  // the first judged by the first delimiter
        {StrProper("\xE9T\xC9", " "), "\xE9t\xC9"}, {StrProper("a\0b"s, ","), "A\0B"s},
        {StrProper("a-b", ",\0-"s), "A-b"},
    });
    EXPECT_EQ(StrComma(std::string(60, '9'), '.').size(), 79u);  // no length limit
}

TEST(StrMakeNumber, FcvtDigits) {
    const struct { double value; int decimals; std::string digits; } cases[] = {
        {3.14, 2, "314"}, {0.0001, 1, ""}, {0.0001, 10, "1000000"}, {-111.0001, 5, "11100010"},
        {999999999999.9, 3, "999999999999900"}, {0.0, 5, "00000"}, {0.0, 0, ""}, {0.0, -1, ""}, {-0.0, 5, "00000"},
        {-123.0001, 0, "123"}, {-123.0001, -1, "12"}, {-123.0001, -2, "1"}, {-123.0001, -3, ""},
        {99.99, 1, "1000"}, {0.0063, 2, "1"}, {0.0063, 3, "6"}, {0.09999999996, 2, "10"},
        {0.6, 0, "1"}, {0.4, 0, ""}, {0.49, 0, ""}, {0.5, 0, "1"}, {2.5, 0, "3"}, {0.125, 2, "13"},
        {1.005, 2, "100"}, {1.0, 30, "1" + std::string(30, '0')},
        {123456789012345678901.0, 30, "12345678901234568" + std::string(34, '0')},  // 17 significant digits
        {1.0, INT_MIN, ""},
        {INFINITY, 5, "1#INF0"}, {-INFINITY, 5, "1#INF0"}, {INFINITY, 2, "1#J"},
        {std::copysign(NAN, 1.0), 5, "1#QNAN"}, {std::copysign(NAN, 1.0), 2, "1#R"},
        {std::copysign(NAN, -1.0), 5, "1#IND0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FcvtDigits(c.value, c.decimals), c.digits) << c.value << " " << c.decimals;
    EXPECT_EQ(FcvtDigits(1e308, 2).size(), 311u);
    EXPECT_EQ(FcvtDigits(1.0, 1000).size(), 348u);  // at most 348 digits
}

}  // namespace
}  // namespace tarvo
