// The string searches and extraction through the function table, called
// exactly as the host calls them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

using SearchTest = DllTest;

// Where the naive comparison finds the pattern first (1-based, 0: nowhere).
std::int32_t NaiveReference(const std::string& pattern, const std::string& text) {
    if (pattern.size() > text.size()) return 0;
    for (std::size_t j = 0; j + pattern.size() <= text.size(); ++j) {
        std::size_t k = 0;
        while (k < pattern.size() && text[j + k] == pattern[k]) ++k;
        if (k == pattern.size()) return static_cast<std::int32_t>(j) + 1;
    }
    return 0;
}

TEST_F(SearchTest, Signatures) {
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"STR_NAIVESEARCH", "C,C"}, {"STR_CPBRK", "C,C"}, {"STR_NPBRK", "C,C"},
        {"STR_CHRCNT", "C,C"},      {"STR_BALANC", "C,C,I"}, {"STR_NPARAM", "C,I"},
        {"STR_FIRST", "C"},         {"STR_LAST", "C"},    {"STR_N", "C,I"},
        {"STR_CHAR", "C,I"},        {"STR_PEEK", "C,I"},  {"STR_START", "C,C"},
        {"STR_END", "C,C"}};
    for (const auto& [name, types] : expected) {
        const run::FunctionInfo* f = host.Find(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->types, types) << name;
        EXPECT_EQ(f->count, static_cast<std::int16_t>(f->params.size())) << name;
    }
}

TEST_F(SearchTest, NaiveSearchTakesThePatternFirst) {
    auto search = [&](const std::string& pattern, const std::string& text) {
        return Int("STR_NAIVESEARCH", {Value::Char(pattern), Value::Char(text)});
    };
    EXPECT_EQ(search("bc", "abcd"), 2);
    EXPECT_EQ(search("cd", "abcd"), 3);
    EXPECT_EQ(search("abcd", "abcd"), 1);
    EXPECT_EQ(search("abcde", "abc"), 0);
    EXPECT_EQ(search("", "abc"), 1);
    EXPECT_EQ(search("", ""), 1);
    EXPECT_EQ(search("a", ""), 0);
    EXPECT_EQ(search("x", "abc"), 0);
    EXPECT_EQ(search("aab", "aaaab"), 3);
    EXPECT_EQ(search("\0b"s, "a\0\0b"s), 3) << "zero bytes are compared too";
    EXPECT_EQ(search("\xE9\xFF", "ab\xE9\xFF"), 3);
    // Long patterns, found and not, around the old buffer size.
    const std::string block(3000, 'k');
    EXPECT_EQ(search(block, "xy" + block + "z"), 3);
    EXPECT_EQ(search(block + "k", "xy" + block + "z"), 0);
    EXPECT_EQ(search(block.substr(0, 2048), "xy" + block), 3);
}

// Patterns longer than the short-pattern path, on a two-letter alphabet where
// partial matches overlap: the same answers as the naive comparison.
TEST_F(SearchTest, NaiveSearchAgreesOnLongOverlappingPatterns) {
    std::uint32_t state = 12345;
    auto next = [&] { state = state * 1103515245u + 12345u; return (state >> 16) & 0x7FFF; };
    for (int round = 0; round < 60; ++round) {
        std::string text;
        const std::size_t size = 200 + next() % 600;
        for (std::size_t i = 0; i < size; ++i) text.push_back(next() % 5 == 0 ? 'b' : 'a');
        const std::size_t length = 60 + next() % 80;
        std::string pattern;
        if (round % 3 != 0 && length < text.size()) {
            pattern = text.substr(next() % (text.size() - length), length);
        } else {
            for (std::size_t i = 0; i < length; ++i) pattern.push_back(next() % 7 == 0 ? 'b' : 'a');
        }
        if (round % 4 == 1) pattern.back() = 'c';
        ASSERT_EQ(Int("STR_NAIVESEARCH", {Value::Char(pattern), Value::Char(text)}),
                  NaiveReference(pattern, text))
            << "round " << round;
    }
}

TEST_F(SearchTest, CharacterSets) {
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char("abc"), Value::Char("xyz")}), "");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char("abc"), Value::Char("cb")}), "bc");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char("abc"), Value::Char("a")}), "abc");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char(""), Value::Char("a")}), "");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char("abc"), Value::Char("")}), "");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char("ab\xE9z"), Value::Char("\xE9")}), "\xE9z");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char("a\0bc"s), Value::Char("c")}), "c");
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char("abc"), Value::Char("cb")}), 2);
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char("abc"), Value::Char("xyz")}), 0);
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char(""), Value::Char("a")}), 0);
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char("abc"), Value::Char("")}), 0);
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char("a\0b"s), Value::Char("\0"s)}), 2);
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char("a\0b"s), Value::Char("b")}), 3);
    EXPECT_EQ(Int("STR_NPBRK", {Value::Char("xx\xFF"), Value::Char("\x80\xFF")}), 3);
}

TEST_F(SearchTest, CountingACharacter) {
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char("banana"), Value::Char("a")}), 3);
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char("banana"), Value::Char("nx")}), 2) << "the first character";
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char(""), Value::Char("a")}), 0);
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char("banana"), Value::Char("z")}), 0);
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char("a\0a\0"s), Value::Char("a")}), 2) << "the whole length";
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char("a\0a\0"s), Value::Char("")}), 2) << "zero bytes";
    EXPECT_EQ(Int("STR_CHRCNT", {Value::Char("\xC8x\xC8"), Value::Char("\xC8")}), 2);
}

TEST_F(SearchTest, Balance) {
    auto balance = [&](const std::string& t, const std::string& pair, int n) {
        return Int("STR_BALANC", {Value::Char(t), Value::Char(pair), Value::Int(n)});
    };
    EXPECT_EQ(balance("a(b(c)d)e", "()", 1), 8);
    EXPECT_EQ(balance("a(b(c)d)e", "()", 2), 6);
    EXPECT_EQ(balance("a(b(c)d)e", "()", 3), 0);
    EXPECT_EQ(balance("a(b(c)d)e", "()", 0), 0);
    EXPECT_EQ(balance("a(b(c)d)e", "()", -1), 0);
    EXPECT_EQ(balance("((x)", "()", 1), 0) << "the text ends first";
    EXPECT_EQ(balance("((x)", "()", 2), 4);
    EXPECT_EQ(balance("|a|b|", "||", 1), 0) << "equal characters never close";
    EXPECT_EQ(balance("", "()", 1), 0);
    EXPECT_EQ(balance("[x[y]]", "[]", 1), 6);
    EXPECT_EQ(balance("(\0)"s, "()", 1), 3) << "zero bytes are walked over";
}

TEST_F(SearchTest, NthParameter) {
    auto nparam = [&](const std::string& call, int n) {
        return Text("STR_NPARAM", {Value::Char(call), Value::Int(n)});
    };
    EXPECT_EQ(nparam("f(a, b)", 2), " b");
    EXPECT_EQ(nparam("f(a, b)", 1), "a");
    EXPECT_EQ(nparam("f(a, b)", 3), "");
    EXPECT_EQ(nparam("f(x, g(1,2), 'p,q')", 2), " g(1,2)");
    EXPECT_EQ(nparam("f(x, g(1,2), 'p,q')", 3), " 'p,q'");
    EXPECT_EQ(nparam("f(x, \"a,(b\", y)", 2), " \"a,(b\"");
    EXPECT_EQ(nparam("f(x, \"a,(b\", y)", 3), " y");
    EXPECT_EQ(nparam("f()", 1), "");
    EXPECT_EQ(nparam("f(a) + 1", 2), " + 1") << "what follows the call";
    EXPECT_EQ(nparam("f('a,b", 1), "'a,b") << "an unclosed quote runs to the end";
    EXPECT_EQ(nparam("f(a, b)", 0), "");
    EXPECT_EQ(nparam("f(a, b)", -2), "");
    for (int n : {-1, 0, 1, 5}) EXPECT_EQ(nparam("abc", n), "abc") << n;
    EXPECT_EQ(nparam("", 1), "");
}

TEST_F(SearchTest, SingleCharactersAndTails) {
    EXPECT_EQ(Text("STR_FIRST", {Value::Char("   x")}), "x");
    EXPECT_EQ(Text("STR_FIRST", {Value::Char("   ")}), "");
    EXPECT_EQ(Text("STR_FIRST", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_FIRST", {Value::Char(" \tx")}), "\t") << "only code 32 is a blank";
    EXPECT_EQ(Text("STR_FIRST", {Value::Char("  \xE9")}), "\xE9");
    EXPECT_EQ(Text("STR_LAST", {Value::Char("x   ")}), "x");
    EXPECT_EQ(Text("STR_LAST", {Value::Char("   ")}), "");
    EXPECT_EQ(Text("STR_LAST", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_LAST", {Value::Char("ab c ")}), "c");

    auto nth = [&](const std::string& t, int n) { return Text("STR_N", {Value::Char(t), Value::Int(n)}); };
    auto tail = [&](const std::string& t, int n) { return Text("STR_CHAR", {Value::Char(t), Value::Int(n)}); };
    auto peek = [&](const std::string& t, int n) { return Int("STR_PEEK", {Value::Char(t), Value::Int(n)}); };
    EXPECT_EQ(nth("abc", 1), "a");
    EXPECT_EQ(nth("abc", 3), "c");
    for (int out : {0, 4, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(nth("abc", out), "") << out;
        EXPECT_EQ(tail("abc", out), "") << out;
        EXPECT_EQ(peek("abc", out), 0) << out;
    }
    EXPECT_EQ(nth("", 1), "");
    EXPECT_EQ(tail("abc", 1), "abc");
    EXPECT_EQ(tail("abc", 2), "bc");
    EXPECT_EQ(tail("abc", 3), "c");
    EXPECT_EQ(tail("a\0bc"s, 3), "bc");
    EXPECT_EQ(tail("a\0bc"s, 2), "");
    EXPECT_EQ(peek("\xC8", 1), -56);
    EXPECT_EQ(peek("A", 1), 65);
    EXPECT_EQ(peek("a\x7F", 2), 127);
    EXPECT_EQ(peek("\x80", 1), -128);
    EXPECT_EQ(peek("\xFF", 1), -1);
    EXPECT_EQ(peek("a\0b"s, 2), 0);
    for (int code = 128; code < 256; ++code)
        ASSERT_EQ(peek(std::string(1, static_cast<char>(code)), 1), code - 256) << code;
}

TEST_F(SearchTest, PrefixAndSuffix) {
    auto starts = [&](const std::string& a, const std::string& b) {
        return Logical("STR_START", {Value::Char(a), Value::Char(b)});
    };
    auto ends = [&](const std::string& a, const std::string& b) {
        return Logical("STR_END", {Value::Char(a), Value::Char(b)});
    };
    EXPECT_TRUE(starts("abc", "ab"));
    EXPECT_TRUE(starts("ab", "abc"));
    EXPECT_FALSE(starts("abc", "abd"));
    EXPECT_TRUE(starts("abc", ""));
    EXPECT_TRUE(starts("", "abc"));
    EXPECT_TRUE(starts("", ""));
    EXPECT_FALSE(starts("a\0b"s, "a\0c"s)) << "compared over the whole length";
    EXPECT_TRUE(starts("\xE9t\xE9", "\xE9t"));
    EXPECT_TRUE(ends("abc", "bc"));
    EXPECT_TRUE(ends("c", "abc"));
    EXPECT_FALSE(ends("abc", "ac"));
    EXPECT_TRUE(ends("", "x"));
    EXPECT_FALSE(ends("x\0a"s, "\0b"s));
    Outcome o = host.Call("STR_START", {Value::Char("abc"), Value::Char("abd")});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'L');
    EXPECT_EQ(o.returns[0].length, 0);
}

}  // namespace
}  // namespace tarvo::test
