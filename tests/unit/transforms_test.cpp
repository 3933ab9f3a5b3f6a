#include "strings/transforms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

using namespace std::string_literals;

namespace tarvo {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

TEST(StrCut, LeftRightTillNull) {
    for (int n : {0, -1, INT_MIN}) {
        EXPECT_EQ(StrLeft("abc", n), "");
        EXPECT_EQ(StrRight("abc", n), "");
    }
    EXPECT_EQ(StrLeft("abc", 2), "ab");
    EXPECT_EQ(StrRight("abc", 2), "bc");
    EXPECT_EQ(StrRight("abc", INT_MAX), "abc");
    EXPECT_EQ(StrLeft("", 5), "");
    EXPECT_EQ(StrRight("a\0b\0"s, 3), "\0b\0"s);
    EXPECT_EQ(StrTillNull("ab\0cd"s), "ab");
    EXPECT_EQ(StrTillNull("abc"), "abc");
}

TEST(StrFilter, ReduceAndLTrim) {
    EXPECT_EQ(StrReduce("  a  b", {}), " a b");
    EXPECT_EQ(StrReduce("aab c", {}), "ab c");
    EXPECT_EQ(StrReduce("", {}), "");
    EXPECT_EQ(StrReduce("a--b---c-", Given('-')), "a-b-c-");
    EXPECT_EQ(StrReduce("a\0\0b\0"s, Given('\0')), "a\0b\0"s);
    EXPECT_EQ(StrReduce("\xE9\xE9x\xE9", Given('\xE9')), "\xE9x\xE9");
    EXPECT_EQ(StrLTrim("xxab", 'x'), "ab");
    EXPECT_EQ(StrLTrim("xxx", 'x'), "");
    EXPECT_EQ(StrLTrim("axx", 'x'), "axx");
}

TEST(StrFilter, SwapKeepExcludeDigitsReverse) {
    EXPECT_EQ(StrChrSwa("a-b-c", '-', '+'), "a+b+c");
    EXPECT_EQ(StrChrSwa("ab-c-d", '-', '\0'), "ab");
    EXPECT_EQ(StrChrSwa("", '-', '+'), "");
    EXPECT_EQ(StrChrSwa("abc", '-', '\0'), "abc");
    EXPECT_EQ(StrChrSwa("a\0b\0"s, '\0', '_'), "a_b_");
    EXPECT_EQ(StrChrSwa("\xFFx\xFF", '\xFF', '\x80'), "\x80x\x80");

    EXPECT_EQ(StrKeep("a1b2c3", "321"), "123");
    EXPECT_EQ(StrExclude("a1b2c3", "321"), "abc");
    EXPECT_EQ(StrExclude("abc", ""), "abc");
    EXPECT_EQ(StrExclude("a\0b"s, "a"), "\0b"s);
    EXPECT_EQ(StrExclude("a\0b"s, "\0"s), "ab");
    EXPECT_EQ(StrKeep("\xE9x\xE9y", "\xE9"), "\xE9\xE9");

    EXPECT_EQ(StrDiOnly("a1.2-3e4,5 ", {}), "1.2345");
    EXPECT_EQ(StrDiOnly("/:", {}), "");  // the neighbours of '0' and '9'
    EXPECT_EQ(StrMirror("abc"), "cba");
    EXPECT_EQ(StrMirror("a\0\xFF"s), "\xFF\0a"s);
}

TEST(StrPokeTest, ReplacesCutsOrLeavesAlone) {
    EXPECT_EQ(StrPoke("abc", 2, 'X'), "aXc");
    EXPECT_EQ(StrPoke("abc", 3, 0x100 + 'Z'), "abZ");
    EXPECT_EQ(StrPoke("abc", 1, -1), "\xFF" "bc");
    EXPECT_EQ(StrPoke("abc", 2, 0), "a");
    EXPECT_EQ(StrPoke("abc", 1, 0x200), "");
    for (int n : {0, -1, 4, INT_MIN, INT_MAX}) EXPECT_EQ(StrPoke("abc", n, 0), "abc") << n;
    EXPECT_EQ(StrPoke("", 1, 'x'), "");
}

TEST(StrRotate, BitRotationOverTheWholeText) {
    EXPECT_EQ(StrShl(Bytes({0x81, 0x01}), 1), Bytes({0x02, 0x03}));
    EXPECT_EQ(StrShr(Bytes({0x81, 0x01}), 1), Bytes({0xC0, 0x80}));
    EXPECT_EQ(StrShl(Bytes({0x81}), 1), Bytes({0x03}));
    EXPECT_EQ(StrShl(Bytes({0xF0, 0x0F}), 4), Bytes({0x00, 0xFF}));
    EXPECT_EQ(StrShl(Bytes({1, 2, 3}), 8), Bytes({2, 3, 1}));
    EXPECT_EQ(StrShr(Bytes({1, 2, 3}), 8), Bytes({3, 1, 2}));
    EXPECT_EQ(StrShl(Bytes({0x80, 0x00}), 1), Bytes({0x00, 0x01}));  // zero bytes kept
    for (int bits : {0, -1, 9, INT_MIN}) {
        EXPECT_EQ(StrShl("ab", bits), "ab") << bits;
        EXPECT_EQ(StrShr("ab", bits), "ab") << bits;
    }
    EXPECT_EQ(StrShl("", 3), "");
    const std::string text = Bytes({0x00, 0xFF, 0x81, 0x7E, 0x10, 0xC3});
    for (int bits = 1; bits <= 8; ++bits) {
        EXPECT_EQ(StrShr(StrShl(text, bits), bits), text) << bits;
        EXPECT_EQ(StrShl(StrShl(text, bits), 8 - bits), StrShl(text, 8)) << bits;
    }
}

TEST(StrRunLength, PackRuns) {
    EXPECT_EQ(StrRelIn(std::string(10, 'x') + "yz"), Bytes({1, 38, 'x', 'y', 'z'}));
    EXPECT_EQ(StrRelIn("xxx"), "xxx");
    EXPECT_EQ(StrRelIn("axxxxb"), Bytes({'a', 1, 32, 'x', 'b'}));
    EXPECT_EQ(StrRelIn(std::string(226, 'x')), Bytes({1, 254, 'x'}));
    EXPECT_EQ(StrRelIn(std::string(227, 'x')), Bytes({1, 254, 'x', 'x'}));
    EXPECT_EQ(StrRelIn(std::string(230, 'x')), Bytes({1, 254, 'x', 1, 32, 'x'}));
    EXPECT_EQ(StrRelIn(""), "");
    EXPECT_EQ(StrRelIn("\xE9\xE9\xE9\xE9\xE9"), Bytes({1, 33, 0xE9}));
    // The terminating zero closes the last run: trailing zero bytes vanish.
    EXPECT_EQ(StrRelIn("ab\0\0"s), "ab");
    EXPECT_EQ(StrRelIn("\0\0a"s), "\0\0a"s);
    // The marker byte is not escaped, so such texts do not come back.
    EXPECT_EQ(StrRelOut(StrRelIn(Bytes({1, 38, 'x'}))), std::string(10, 'x'));
}

TEST(StrRunLength, UnpackTriples) {
    EXPECT_EQ(StrRelOut(Bytes({1, 38, 'x', 'y', 'z'})), std::string(10, 'x') + "yz");
    EXPECT_EQ(StrRelOut(Bytes({1, 20, 'x', 'a'})), "a");
    EXPECT_EQ(StrRelOut(Bytes({1, 28, 'x', 'a'})), "a");
    EXPECT_EQ(StrRelOut(Bytes({1, 29, 'x'})), "x");
    EXPECT_EQ(StrRelOut(Bytes({1, 0xFE, 'x'})), std::string(226, 'x'));  // unsigned count
    EXPECT_EQ(StrRelOut(Bytes({1, 0xFF, 0})), std::string(227, '\0'));
    EXPECT_EQ(StrRelOut(Bytes({'a', 1})), Bytes({'a', 1}));
    EXPECT_EQ(StrRelOut(Bytes({'a', 1, 40})), Bytes({'a', 1, 40}));

    std::string text;
    for (int run = 1; run <= 500; run += 7) text += std::string(run, static_cast<char>('A' + run % 50));
    text += "\xE9\xE9\xE9\xE9" "end";
    EXPECT_LT(StrRelIn(text).size(), text.size());
    EXPECT_EQ(StrRelOut(StrRelIn(text)), text);
}

TEST(StrCommaTest, GroupsIntegerDigits) {
    EXPECT_EQ(StrComma("1234567.891", '.'), "1,234,567.891");
    EXPECT_EQ(StrComma("1234567.891", ','), "1.234.567,891");
    EXPECT_EQ(StrComma("1234567.891", '\0'), "1,234,567.891");
    EXPECT_EQ(StrComma("123456", '.'), "123,456");
    EXPECT_EQ(StrComma("1234", '.'), "1,234");
    EXPECT_EQ(StrComma("12", '.'), "12");
    EXPECT_EQ(StrComma("-123456", '.'), "-,123,456");
    EXPECT_EQ(StrComma("", '.'), "");
    EXPECT_EQ(StrComma(".5", ','), ",5");
    EXPECT_EQ(StrComma("1234.5.6", '.'), "123,4.5.6");
    EXPECT_EQ(StrComma("1234.5.6", ','), "123.4,5,6");
    const std::string grouped = StrComma(std::string(60, '9'), '.');
    EXPECT_EQ(grouped.size(), 79u);
    EXPECT_EQ(grouped.substr(0, 8), "999,999,");
}

TEST(StrProperTest, CaseByDelimiters) {
    EXPECT_EQ(StrProper("hello world", " "), "Hello World");
    EXPECT_EQ(StrProper("HELLO WORLD", " "), "Hello World");
    EXPECT_EQ(StrProper("hello \\world", " "), "Hello world");
    EXPECT_EQ(StrProper("a\\\\b", " "), "Ab");
    EXPECT_EQ(StrProper("abc DEF", ""), "Abc def");
    EXPECT_EQ(StrProper("o'neil-smith x", " -'"), "O'Neil-Smith X");
    EXPECT_EQ(StrProper("ABC", "\\ "), "Abc");  // first judged after a backslash
    EXPECT_EQ(StrProper("\xE9T\xC9", " "), "\xE9t\xC9");
    EXPECT_EQ(StrProper("a\0b"s, ","), "A\0B"s);
    EXPECT_EQ(StrProper("a-b", ",\0-"s), "A-b");
}

TEST(StrMakeNumber, FcvtDigits) {
    struct Case { double value; int decimals; const char* digits; };
    const Case cases[] = {
        {3.14, 2, "314"}, {45.0, 2, "4500"}, {0.0001, 1, ""}, {0.0001, 10, "1000000"},
        {-111.0001, 5, "11100010"}, {3333.3, 2, "333330"}, {999999999999.9, 3, "999999999999900"},
        {0.0, 5, "00000"}, {0.0, 0, ""}, {0.0, -1, ""}, {-0.0, 5, "00000"},
        {-123.0001, 0, "123"}, {-123.0001, -1, "12"}, {-123.0001, -2, "1"}, {-123.0001, -3, ""},
        {99.99, 1, "1000"}, {0.0063, 2, "1"}, {0.0063, 3, "6"}, {0.09999999996, 2, "10"},
        {0.6, 1, "6"}, {0.6, 0, "1"}, {0.4, 0, ""}, {0.49, 0, ""}, {0.51, 0, "1"},
        {0.5, 0, "1"}, {2.5, 0, "3"}, {0.125, 2, "13"}, {1.005, 2, "100"}, {-7.0, 0, "7"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FcvtDigits(c.value, c.decimals), c.digits) << c.value << " " << c.decimals;
    }
    EXPECT_EQ(FcvtDigits(1.0, 30), "1" + std::string(30, '0'));
    EXPECT_EQ(FcvtDigits(123456789012345678901.0, 30), "12345678901234568" + std::string(34, '0'));
    EXPECT_EQ(FcvtDigits(1e308, 2).size(), 311u);
    EXPECT_EQ(FcvtDigits(1.0, 1000).size(), 348u);
    EXPECT_EQ(FcvtDigits(1.0, INT_MIN), "");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FcvtDigits(inf, 5), "1#INF0");
    EXPECT_EQ(FcvtDigits(-inf, 5), "1#INF0");
    EXPECT_EQ(FcvtDigits(inf, 2), "1#J");
    EXPECT_EQ(FcvtDigits(std::copysign(nan, 1.0), 5), "1#QNAN");
    EXPECT_EQ(FcvtDigits(std::copysign(nan, 1.0), 2), "1#R");
    EXPECT_EQ(FcvtDigits(std::copysign(nan, -1.0), 5), "1#IND0");
}

}  // namespace
}  // namespace tarvo
