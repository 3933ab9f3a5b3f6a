#include "strings/searches.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "tests/support/rows.h"

using namespace std::string_literals;

namespace tarvo {
namespace {

// The naive search exactly as defined: every start j, compare until the
// first difference.
int NaiveReference(const std::string& pattern, const std::string& text) {
    const int m = static_cast<int>(pattern.size()), n = static_cast<int>(text.size());
    for (int j = 1; j <= n - m + 1; ++j) {
        int k = 0;
        while (k < m && pattern[k] == text[j - 1 + k]) ++k;
        if (k == m) return j;
    }
    return 0;
}

TEST(StrSearch, NaiveSearchAgreesWithItsDefinition) {
    ExpectNumbers({{StrNaiveSearch("bc", "abcd"), 2}, {StrNaiveSearch("abcde", "abc"), 0},
                   {StrNaiveSearch("", "abc"), 1},    {StrNaiveSearch("", ""), 1},
                   {StrNaiveSearch("a", ""), 0},      {StrNaiveSearch("\0b"s, "a\0\0b"s), 3},
                   {StrNaiveSearch("\xE9", "ab\xE9"), 3}});
    // Every short case, overlaps included.
    std::vector<std::string> texts{""};
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i].size() < 5)
            for (char c : "ab"s + '\0') texts.push_back(texts[i] + c);
    for (const auto& p : texts) {
        if (p.size() > 3) continue;
        for (const auto& t : texts) ASSERT_EQ(StrNaiveSearch(p, t), NaiveReference(p, t)) << p << "|" << t;
    }
    // Patterns on both sides of 64 characters, where the search changes its
    // method, over texts of long runs with near misses.
    std::mt19937 rng(7);
    for (int trial = 0; trial < 400; ++trial) {
        std::string text(50 + rng() % 300, 'a');
        for (char& c : text) c = rng() % 8 ? 'a' : 'b';
        const size_t m = 60 + rng() % 80;
        std::string pattern(m, 'a');
        if (m <= text.size() && rng() % 2) pattern = text.substr(rng() % (text.size() - m + 1), m);
        if (rng() % 3 == 0) pattern[rng() % m] ^= 3;  // 'a' and 'b' trade places
        ASSERT_EQ(StrNaiveSearch(pattern, text), NaiveReference(pattern, text)) << pattern << "|" << text;
    }
}

TEST(StrSearch, SetBreaksCountsAndBalance) {
    ExpectTexts({{StrCpbrk("abc", "xyz"), ""}, {StrCpbrk("abc", "cb"), "bc"}, {StrCpbrk("abc", ""), ""},
                 {StrCpbrk("a\0b"s, "b"), "b"}});
    ExpectNumbers({
        {StrNpbrk("abc", "xyz"), 0}, {StrNpbrk("abc", "cb"), 2}, {StrNpbrk("a\0b"s, "\0"s), 2},
        {StrNpbrk("ab\xFF", "\xFF"), 3},
        {StrChrCnt("banana", 'a'), 3}, {StrChrCnt("", 'a'), 0}, {StrChrCnt("a\0\0"s, '\0'), 2},
        {StrChrCnt("\xE9x\xE9", '\xE9'), 2},
        {StrBalanc("a(b(c)d)e", "()", 1), 8}, {StrBalanc("a(b(c)d)e", "()", 2), 6},
        {StrBalanc("a(b(c)d)e", "()", 3), 0},  // fewer openings
        {StrBalanc("a(b(c)d)e", "()", 0), 0}, {StrBalanc("a(b(c)d)e", "()", INT_MIN), 0},
        {StrBalanc("((a)", "()", 1), 0},       // the text ends first
        {StrBalanc("((a)", "()", 2), 4},      {StrBalanc(")(a)", "()", 1), 4},
        {StrBalanc("|a|b|", "||", 1), 0},     // equal characters never balance
        {StrBalanc("\xAB" "a\xBB", "\xAB\xBB", 1), 3}, {StrBalanc("(a)\0"s, "(", 1), 4},  // 0 for a missing close
    });
}

TEST(StrSearch, NParamParser) {
    ExpectTexts({
        {StrNParam("f(a, b)", 1), "a"}, {StrNParam("f(a, b)", 2), " b"}, {StrNParam("f(a, b)", 3), ""},
        {StrNParam("f(x, g(1,2), 'p,q')", 2), " g(1,2)"}, {StrNParam("f(x, g(1,2), 'p,q')", 3), " 'p,q'"},
        {StrNParam("f()", 1), ""},
        {StrNParam("abc", 1), "abc"}, {StrNParam("abc", 0), "abc"}, {StrNParam("abc", 7), "abc"},  // no "("
        {StrNParam("f(a)", 0), ""}, {StrNParam("f(a)", INT_MIN), ""},
        // Fewer parameters than n: what follows the closing parenthesis.
        {StrNParam("f(a) + 1", 2), " + 1"}, {StrNParam("f(a, b) xyz", 3), " xyz"}, {StrNParam("f(a,", 2), ""},
        {StrNParam("x.f(g(a,b),c)", 2), "c"}, {StrNParam("f(\"a,(b\", c)", 1), "\"a,(b\""},
        {StrNParam("f(g(')'), x)", 2), " x"}, {StrNParam("f(a,)", 2), ""}, {StrNParam("f(,b)", 1), ""},
        // No closing parenthesis, or an unclosed quote: to the end.
        {StrNParam("f(a, b", 2), " b"}, {StrNParam("f(a, g(b)", 2), " g(b)"}, {StrNParam("f(a, 'b,c", 2), " 'b,c"},
        {StrNParam("f(a\0b, c)"s, 1), "a\0b"s},
    });
}

TEST(StrExtract, CharactersPositionsStartsAndEnds) {
    ExpectTexts({
        {StrFirst("   x"), "x"}, {StrFirst("   "), ""}, {StrFirst(""), ""}, {StrFirst("\tx"), "\t"},  // blanks only
        {StrFirst(" \0x"s), "\0"s}, {StrLast("ab  "), "b"}, {StrLast("   "), ""},
        {StrN("abc", 1), "a"}, {StrN("abc", 3), "c"}, {StrChar("abc", 2), "bc"}, {StrChar("a\0c"s, 1), "a\0c"s},
    });
    ExpectNumbers({{StrPeek("a\x7F\x80\xFF", 2), 127}, {StrPeek("a\x7F\x80\xFF", 3), -128},
                   {StrPeek("a\x7F\x80\xFF", 4), -1}});
    for (int n : {0, 4, INT_MIN, INT_MAX}) {  // outside the text
        EXPECT_EQ(StrN("abc", n), "") << n;
        EXPECT_EQ(StrChar("abc", n), "") << n;
        EXPECT_EQ(StrPeek("abc", n), 0) << n;
    }
    // The shorter text begins / ends the longer; an empty one always does.
    EXPECT_TRUE(StrStart("abc", "ab") && StrStart("ab", "abc") && StrStart("abc", "") && StrStart("a\0b"s, "a\0"s));
    EXPECT_FALSE(StrStart("abc", "abd") || StrStart("a\0c"s, "a\0d"s));
    EXPECT_TRUE(StrEnd("abc", "bc") && StrEnd("c", "abc") && StrEnd("", "abc"));
    EXPECT_FALSE(StrEnd("abc", "ac") || StrEnd("x\0a"s, "\0b"s));
}

}  // namespace
}  // namespace tarvo
