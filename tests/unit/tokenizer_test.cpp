#include "strings/tokenizer.h"

#include <gtest/gtest.h>

#include <climits>
#include <new>
#include <string>

using namespace std::string_literals;

namespace tarvo {
namespace {

SeparatorSet Set(std::string_view chars) {
    SeparatorSet set;
    set.Replace(chars);
    return set;
}

TEST(TokSeparators, TextReplaceAndTheProcessWideSet) {
    SeparatorSet set;
    EXPECT_EQ(set.Replace(";,"), "");
    EXPECT_EQ(set.Replace("\xFF" "A\x80"), ",;");  // the previous set, ascending
    EXPECT_EQ(set.Text(), "A\x80\xFF");            // by unsigned code
    EXPECT_EQ(set.Replace(""), "A\x80\xFF");
    EXPECT_EQ(set, SeparatorSet{});
    set.Replace("a\0b"s);  // every byte, the zero too, which then ends the text at once
    EXPECT_TRUE(set.IsSeparator('\0') && set.IsSeparator('b'));
    EXPECT_EQ(set.Text(), "");

    const SeparatorSet saved = Separators();
    StrSetSep(", ");
    EXPECT_EQ(StrSetSep(";,"), " ,");
    EXPECT_EQ(StrNumTok("a;b,c d"), 3);
    EXPECT_EQ(StrNToken(2, "a;b,c d"), "b");
    EXPECT_EQ(StrTokPos(3, "a;b,c d"), 5);
    StrResSep();
    EXPECT_EQ(StrSetSep(";"), "");
    Separators() = saved;
}

TEST(TokDirect, NthTokenAndItsPosition) {
    const SeparatorSet comma = Set(",");
    const struct { const char* text; int n; const char* token; int position; } cases[] = {
        {"a,,b,", 1, "a", 1}, {"a,,b,", 2, "", 3}, {"a,,b,", 3, "b", 4}, {"a,,b,", 4, "", 6},
        {"a,,b,", 5, "", 6},  {"", 1, "", 1},      {",,,", 4, "", 4},
        // n - 1 is taken unsigned: n below 1 is never reached either.
        {"a,b", 0, "", 4},    {"a,b", -1, "", 4},  {"a,b", INT_MIN, "", 4}, {"a,b", INT_MAX, "", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CopyToken(c.n, c.text, comma), c.token) << c.text << " " << c.n;
        EXPECT_EQ(TokenPosition(c.n, c.text, comma), c.position) << c.text << " " << c.n;
    }
    EXPECT_EQ(CountTokens("a,,b,", comma), 4);
    EXPECT_EQ(CountTokens("", comma), 1);
    EXPECT_EQ(CountTokens("a,b", SeparatorSet{}), 1);  // nothing separates
    EXPECT_EQ(CopyToken(1, "a,b", SeparatorSet{}), "a,b");
    // Zero bytes are characters, or separators when in the set; high codes too.
    EXPECT_EQ(CopyToken(1, "a\0b,c"s, comma), "a\0b"s);
    EXPECT_EQ(CountTokens("a\0b\0"s, Set("\0"s)), 3);
    EXPECT_EQ(CopyToken(2, "a\0bc\0"s, Set("\0"s)), "bc");
    EXPECT_EQ(CopyToken(3, "a\xE9" "b\xFF\x80", Set("\xE9\xFF")), "\x80");
}

TEST(TokStrtok, RunsOfDelimitersAndNoEmptyTokens) {
    const struct { int n; std::string text, delimiters; const char* token; } cases[] = {
        {2, ",,a,,b", ",", "b"},   {1, ",,a,,b,,", ",", "a"}, {3, "a,b", ",", ""},
        {0, "a", ",", ""},         {-3, "a", ",", ""},        {1, ",,,", ",", ""},
        {1, "a b", "", "a b"},     {3, "x; y ,z", " ;,", "z"}, {2, "a\xFF\xFF" "b", "\xFF", "b"},
        // Texts and delimiters end at their first zero byte.
        {2, "a,b\0,c"s, ",", "b"}, {3, "a,b\0,c"s, ",", ""},  {1, "a;b", "\0;"s, "a;b"},
    };
    for (const auto& c : cases) EXPECT_EQ(StrStrTok(c.n, c.text, c.delimiters), c.token) << c.text << " " << c.n;
}

// Walking a text fetches as many tokens as it has, the last one finishing
// the walk and dropping the copy; together they give the text back.
TEST(TokWalk, FetchesEveryTokenAndFinishesWithTheLast) {
    const SeparatorSet seps = Set(",;");
    TokenWalk walk;
    EXPECT_TRUE(walk.Finished());  // a fresh walk
    EXPECT_EQ(walk.Next(seps), "");
    for (std::string text : {"", ",", "abc", "a,b", "a,b,", ",a,,b;", ";;;;;"}) {
        EXPECT_TRUE(walk.Init(text));
        std::string joined;
        int fetches = 0;
        do {
            EXPECT_FALSE(walk.Finished());
            joined += (fetches++ ? "," : "") + walk.Next(seps);
        } while (!walk.Finished() && fetches < 100);
        EXPECT_EQ(fetches, CountTokens(text, seps)) << text;
        EXPECT_EQ(walk.GetOffset(), static_cast<int>(text.size()));
        EXPECT_TRUE(walk.copy == 0 && walk.length == 0);
        EXPECT_EQ(walk.Next(seps), "");
        for (char& c : text) c = c == ';' ? ',' : c;
        EXPECT_EQ(joined, text);
    }
    // Tokens come back whole, however long, zero bytes and all.
    const std::string big(5000, 'x');
    walk.Init(big + "," + "a\0b"s);
    EXPECT_EQ(walk.Next(seps), big);
    EXPECT_EQ(walk.Next(seps), "a\0b"s);
}

TEST(TokWalk, OffsetsMoveTheWalk) {
    const SeparatorSet comma = Set(",");
    TokenWalk walk;
    walk.Init("ab,cd,ef");
    EXPECT_EQ(walk.Next(comma), "ab");
    EXPECT_EQ(walk.GetOffset(), 3);
    walk.SetOffset(1);
    EXPECT_EQ(walk.Next(comma), "b");
    walk.SetOffset(-5);  // taken as 0
    EXPECT_EQ(walk.GetOffset(), 0);
    EXPECT_EQ(walk.Next(comma), "ab");
    walk.SetOffset(8);  // exactly the length: the empty last token
    EXPECT_EQ(walk.Next(comma), "");
    EXPECT_TRUE(walk.Finished());
    walk.Init("ab,cd");
    walk.SetOffset(6);  // past the end: empty, finished
    EXPECT_EQ(walk.Next(comma), "");
    EXPECT_TRUE(walk.Finished());
    walk.Init("xy,z");  // a new walk starts over
    EXPECT_FALSE(walk.Finished());
    EXPECT_EQ(walk.Next(comma), "xy");
}

// A store that counts its blocks, can refuse one, and can lose sight of them
// (as the library's store does on a thread whose handle table is another).
struct CountingStore {
    static inline int live = 0, made = 0;
    static inline bool refuse = false, reachable = true;
    static char* Acquire(std::uint32_t size, std::uintptr_t* id) {
        if (refuse) throw std::bad_alloc();
        ++live, ++made;
        return reinterpret_cast<char*>(*id = reinterpret_cast<std::uintptr_t>(new char[size]));
    }
    static const char* Address(std::uintptr_t id) {
        return reachable ? reinterpret_cast<const char*>(id) : nullptr;
    }
    static void Release(std::uintptr_t id) {
        --live;
        delete[] reinterpret_cast<char*>(id);
    }
};
const CopyStore kCounting = {CountingStore::Acquire, CountingStore::Address, CountingStore::Release};

TEST(TokWalk, OneCopyAtATimeReleasedWithTheLastToken) {
    const SeparatorSet comma = Set(",");
    {
        TokenWalk walk(&kCounting);
        walk.Init("a,b");
        walk.Init("c,d");
        EXPECT_EQ(CountingStore::made, 2);
        EXPECT_EQ(CountingStore::live, 1) << "a new walk drops the previous copy";
        EXPECT_EQ(walk.Next(comma), "c");
        EXPECT_EQ(CountingStore::live, 1);
        EXPECT_EQ(walk.Next(comma), "d");
        EXPECT_EQ(CountingStore::live, 0) << "the last token drops the copy";

        walk.Init("p,q");
        CountingStore::refuse = true;
        EXPECT_THROW(walk.Init("r,s"), std::bad_alloc);
        CountingStore::refuse = false;
        EXPECT_EQ(CountingStore::live, 0) << "a refused copy leaves none";
        EXPECT_EQ(walk.copy, 0u);
        EXPECT_EQ(walk.length, 0);
        EXPECT_FALSE(walk.Finished());
        EXPECT_EQ(walk.Next(comma), "");
        EXPECT_TRUE(walk.Finished());

        walk.Init("u,v");
        CountingStore::reachable = false;
        EXPECT_EQ(walk.Next(comma), "") << "a copy out of reach reads as the empty text";
        CountingStore::reachable = true;
        walk.Init("w");
    }
    EXPECT_EQ(CountingStore::live, 0) << "the walk's end drops its copy";
}

}  // namespace
}  // namespace tarvo
