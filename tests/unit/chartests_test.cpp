#include "strings/chartests.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace std::string_literals;

namespace tarvo {
namespace {

TEST(CharTables, VowelsAndConsonants) {
    int vowels = 0, consonants = 0;
    for (int c = 1; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        vowels += StrIsVowel(ch);
        consonants += StrIsConsonant(ch);
        EXPECT_FALSE(StrIsVowel(ch) && StrIsConsonant(ch)) << c;
    }
    EXPECT_EQ(vowels, 62);
    EXPECT_EQ(consonants, 45);
    for (char c : "AEIOUYaeiouy\xC0\xC5\xC8\xC9\xCF\xD2\xD6\xD9\xDD\xE0\xE5\xE8\xEF\xF0\xF2\xF6\xF9\xFD\xFF"s)
        EXPECT_TRUE(StrIsVowel(c)) << int(static_cast<unsigned char>(c));
    // The neighbours of the accented ranges are no vowels.
    for (char c : "\xBF\xC6\xC7\xD0\xD1\xD7\xD8\xDE\xDF\xE6\xF1\xF7\xF8\xFE" "bz1 "s)
        EXPECT_FALSE(StrIsVowel(c)) << int(static_cast<unsigned char>(c));
    for (char c : "BbZzWwXx\xC7\xD0\xD1\xE7\xF1"s) EXPECT_TRUE(StrIsConsonant(c)) << c;
    for (char c : "AEy1 \xC8\xF0\xD8"s) EXPECT_FALSE(StrIsConsonant(c)) << c;
    // The empty text (code 0) is found as each table's end.
    EXPECT_TRUE(StrIsVowel('\0'));
    EXPECT_TRUE(StrIsConsonant('\0'));
}

TEST(CharClasses, RuntimeClassesOfTheCLocale) {
    std::string punct, space, graph, print;
    for (int c = 0; c < 256; ++c) {
        const auto u = static_cast<unsigned char>(c);
        if (CharPunct(u)) punct.push_back(static_cast<char>(c));
        if (CharSpace(u)) space.push_back(static_cast<char>(c));
        if (CharGraph(u)) graph.push_back(static_cast<char>(c));
        if (CharPrint(u)) print.push_back(static_cast<char>(c));
    }
    EXPECT_EQ(punct, "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~");
    EXPECT_EQ(space, "\t\n\v\f\r ");
    EXPECT_EQ(graph.size(), 94u);
    EXPECT_EQ(graph.front(), '!');
    EXPECT_EQ(graph.back(), '~');
    EXPECT_EQ(print, " " + graph);
}

TEST(CharClasses, PositionOutsideTheTextIsFalse) {
    const std::string text = "a b";
    EXPECT_TRUE(StrIsChar<CharSpace>(text, 2));
    EXPECT_TRUE(StrIsChar<CharGraph>(text, 3));
    for (int pos : {0, -1, 4, INT_MIN, INT_MAX}) EXPECT_FALSE(StrIsChar<CharPrint>(text, pos)) << pos;
    EXPECT_FALSE(StrIsChar<CharPrint>("", 1));
}

TEST(CaseRange, WholeTextFromStartAndCount) {
    const Opt<int> none;
    EXPECT_FALSE(StrIsUpper("ABc", none, none));
    EXPECT_TRUE(StrIsUpper("ABc", Given(1), Given(2)));
    EXPECT_FALSE(StrIsUpper("ABc", Given(2), none));
    EXPECT_TRUE(StrIsUpper("ABc", Given(1), Given(0)));
    EXPECT_TRUE(StrIsLower("aBc", Given(3), none));
    EXPECT_FALSE(StrIsLower("aB", Given(2), none));
    EXPECT_TRUE(StrIsLower("", none, none));
    // The count ends early at the end of the text; the range is clipped.
    EXPECT_TRUE(StrIsUpper("xAB", Given(2), Given(INT_MAX)));
    EXPECT_TRUE(StrIsUpper("ABc", Given(-5), Given(7)));
    EXPECT_FALSE(StrIsUpper("ABc", Given(-5), Given(9)));
    EXPECT_TRUE(StrIsUpper("abc", Given(4), none));
    EXPECT_TRUE(StrIsUpper("abc", Given(INT_MAX), Given(INT_MAX)));
    EXPECT_TRUE(StrIsUpper("abc", Given(1), Given(-3)));
    // Only A-Z and a-z: accented letters, digits and zero bytes fail.
    EXPECT_FALSE(StrIsUpper("A\xC9", {}, {}));
    EXPECT_FALSE(StrIsLower("a\xE9", {}, {}));
    EXPECT_FALSE(StrIsUpper("A\0B"s, {}, {}));
    EXPECT_FALSE(StrIsLower("a1", {}, {}));
}

TEST(Luhn, CardNumbers) {
    EXPECT_TRUE(StrIsValidCreditCard("4111 1111 1111 1111"));
    EXPECT_TRUE(StrIsValidCreditCard("4111-1111-1111-1111"));
    EXPECT_FALSE(StrIsValidCreditCard("4111 1111 1111 1112"));
    EXPECT_TRUE(StrIsValidCreditCard("79927398713"));
    EXPECT_FALSE(StrIsValidCreditCard("79927398710"));
    EXPECT_TRUE(StrIsValidCreditCard("0"));
    EXPECT_FALSE(StrIsValidCreditCard("5"));
    EXPECT_TRUE(StrIsValidCreditCard("59"));   // 2 * 5 = 10 - 9 = 1, + 9
    EXPECT_TRUE(StrIsValidCreditCard("91"));   // 18 - 9 = 9, + 1
    EXPECT_FALSE(StrIsValidCreditCard(""));
    EXPECT_FALSE(StrIsValidCreditCard("abc -"));
    // 20 digits take part; a 21st makes the number invalid.
    EXPECT_TRUE(StrIsValidCreditCard("00000000000000000000"));
    EXPECT_FALSE(StrIsValidCreditCard("000000000000000000000"));
    EXPECT_TRUE(StrIsValidCreditCard("0000 0000 0000 0000 0000"));
}

}  // namespace
}  // namespace tarvo
