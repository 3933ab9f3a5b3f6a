#include "strings/searches.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace tarvo {
namespace {

// The naive search exactly as defined: every start j, compare until the
// first difference.
int NaiveReference(const std::string& pattern, const std::string& text) {
    const int m = static_cast<int>(pattern.size());
    const int n = static_cast<int>(text.size());
    for (int j = 1; j <= n - m + 1; ++j) {
        int k = 0;
        while (k < m && pattern[k] == text[j - 1 + k]) ++k;
        if (k == m) return j;
    }
    return 0;
}

// Every text of length 0..maxLength over the given letters.
std::vector<std::string> AllTexts(const std::string& letters, int maxLength) {
    std::vector<std::string> texts{""};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (static_cast<int>(texts[i].size()) == maxLength) continue;
        for (char c : letters) texts.push_back(texts[i] + c);
    }
    return texts;
}

TEST(StrSearch, NaiveSearchPatternFirst) {
    EXPECT_EQ(StrNaiveSearch("bc", "abcd"), 2);
    EXPECT_EQ(StrNaiveSearch("cd", "abcd"), 3);
    EXPECT_EQ(StrNaiveSearch("abcde", "abc"), 0);
    EXPECT_EQ(StrNaiveSearch("", "abc"), 1);
    EXPECT_EQ(StrNaiveSearch("", ""), 1);
    EXPECT_EQ(StrNaiveSearch("a", ""), 0);
    EXPECT_EQ(StrNaiveSearch("\0b"s, "a\0\0b"s), 3);
    EXPECT_EQ(StrNaiveSearch("\xE9", "ab\xE9"), 3);
    // Agrees with the definition on every small case, overlaps included.
    const auto texts = AllTexts("ab\0"s, 5);
    const auto patterns = AllTexts("ab\0"s, 3);
    for (const auto& p : patterns) {
        for (const auto& t : texts) ASSERT_EQ(StrNaiveSearch(p, t), NaiveReference(p, t));
    }
}

TEST(StrSearch, SetBreaksAndCounts) {
    EXPECT_EQ(StrCpbrk("abc", "xyz"), "");
    EXPECT_EQ(StrNpbrk("abc", "xyz"), 0);
    EXPECT_EQ(StrNpbrk("abc", "cb"), 2);
    EXPECT_EQ(StrCpbrk("abc", "cb"), "bc");
    EXPECT_EQ(StrCpbrk("abc", ""), "");
    EXPECT_EQ(StrNpbrk("a\0b"s, "\0"s), 2);
    EXPECT_EQ(StrCpbrk("a\0b"s, "b"), "b");
    EXPECT_EQ(StrNpbrk("ab\xFF", "\xFF"), 3);
    EXPECT_EQ(StrChrCnt("banana", 'a'), 3);
    EXPECT_EQ(StrChrCnt("", 'a'), 0);
    EXPECT_EQ(StrChrCnt("a\0\0"s, '\0'), 2);
    EXPECT_EQ(StrChrCnt("\xE9x\xE9", '\xE9'), 2);
}

TEST(StrSearch, BalanceFindsTheMatchingClose) {
    EXPECT_EQ(StrBalanc("a(b(c)d)e", "()", 1), 8);
    EXPECT_EQ(StrBalanc("a(b(c)d)e", "()", 2), 6);
    EXPECT_EQ(StrBalanc("a(b(c)d)e", "()", 3), 0);
    EXPECT_EQ(StrBalanc("a(b(c)d)e", "()", 0), 0);
    EXPECT_EQ(StrBalanc("a(b(c)d)e", "()", -1), 0);
    EXPECT_EQ(StrBalanc("((a)", "()", 1), 0);
    EXPECT_EQ(StrBalanc("((a)", "()", 2), 4);
    EXPECT_EQ(StrBalanc(")(a)", "()", 1), 4);
    EXPECT_EQ(StrBalanc("[x[y]]", "[]", 1), 6);
    EXPECT_EQ(StrBalanc("|a|b|", "||", 1), 0);
    EXPECT_EQ(StrBalanc("\xAB" "a\xBB", "\xAB\xBB", 1), 3);
}

TEST(StrSearch, NParamParser) {
    EXPECT_EQ(StrNParam("f(a, b)", 1), "a");
    EXPECT_EQ(StrNParam("f(a, b)", 2), " b");
    EXPECT_EQ(StrNParam("f(a, b)", 3), "");
    EXPECT_EQ(StrNParam("f(x, g(1,2), 'p,q')", 2), " g(1,2)");
    EXPECT_EQ(StrNParam("f(x, g(1,2), 'p,q')", 3), " 'p,q'");
    EXPECT_EQ(StrNParam("f()", 1), "");
    for (int n : {1, 0, -1, 7}) EXPECT_EQ(StrNParam("abc", n), "abc") << n;
    EXPECT_EQ(StrNParam("f(a)", 0), "");
    EXPECT_EQ(StrNParam("f(a)", INT_MIN), "");
    // Fewer parameters than n: what follows the closing parenthesis.
    EXPECT_EQ(StrNParam("f(a) + 1", 2), " + 1");
    EXPECT_EQ(StrNParam("f(a, b) xyz", 3), " xyz");
    EXPECT_EQ(StrNParam("f(a,", 2), "");
    EXPECT_EQ(StrNParam("x.f(g(a,b),c)", 2), "c");
    EXPECT_EQ(StrNParam("f(\"a,(b\", c)", 1), "\"a,(b\"");
    EXPECT_EQ(StrNParam("f(g(')'), x)", 2), " x");
    EXPECT_EQ(StrNParam("f(a,)", 2), "");
    EXPECT_EQ(StrNParam("f(,b)", 1), "");
    // No closing parenthesis, or an unclosed quote: runs to the end.
    EXPECT_EQ(StrNParam("f(a, b", 2), " b");
    EXPECT_EQ(StrNParam("f(a, 'b,c", 2), " 'b,c");
    EXPECT_EQ(StrNParam("f(a\0b, c)"s, 1), "a\0b"s);
}

TEST(StrExtract, FirstLastAndPositions) {
    EXPECT_EQ(StrFirst("   x"), "x");
    EXPECT_EQ(StrFirst("   "), "");
    EXPECT_EQ(StrFirst(""), "");
    EXPECT_EQ(StrFirst("\tx"), "\t");
    EXPECT_EQ(StrFirst(" \0x"s), "\0"s);
    EXPECT_EQ(StrLast("   "), "");
    EXPECT_EQ(StrLast("ab  "), "b");

    EXPECT_EQ(StrN("abc", 1), "a");
    EXPECT_EQ(StrN("abc", 3), "c");
    EXPECT_EQ(StrChar("abc", 2), "bc");
    EXPECT_EQ(StrChar("a\0c"s, 1), "a\0c"s);
    EXPECT_EQ(StrPeek("\xC8", 1), -56);
    EXPECT_EQ(StrPeek("a\x7F\x80\xFF", 2), 127);
    EXPECT_EQ(StrPeek("a\x7F\x80\xFF", 3), -128);
    EXPECT_EQ(StrPeek("a\x7F\x80\xFF", 4), -1);
    for (int n : {0, -1, 4, INT_MIN, INT_MAX}) {
        EXPECT_EQ(StrN("abc", n), "") << n;
        EXPECT_EQ(StrChar("abc", n), "") << n;
        EXPECT_EQ(StrPeek("abc", n), 0) << n;
    }
}

TEST(StrExtract, StartAndEndAgreement) {
    EXPECT_TRUE(StrStart("abc", "ab"));
    EXPECT_TRUE(StrStart("ab", "abc"));
    EXPECT_FALSE(StrStart("abc", "abd"));
    EXPECT_TRUE(StrStart("abc", ""));
    EXPECT_FALSE(StrStart("a\0c"s, "a\0d"s));
    EXPECT_TRUE(StrStart("a\0b"s, "a\0"s));
    EXPECT_TRUE(StrEnd("abc", "bc"));
    EXPECT_TRUE(StrEnd("c", "abc"));
    EXPECT_FALSE(StrEnd("abc", "ac"));
    EXPECT_TRUE(StrEnd("", "abc"));
    EXPECT_FALSE(StrEnd("x\0a"s, "\0b"s));
}

}  // namespace
}  // namespace tarvo
