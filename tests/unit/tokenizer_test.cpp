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

TEST(TokSeparators, TextIsAscendingUnsignedAndEndsAtCodeZero) {
    SeparatorSet set;
    EXPECT_EQ(set.Text(), "");
    EXPECT_EQ(set.Replace(", "), "");
    EXPECT_EQ(set.Replace(";,"), " ,");
    EXPECT_EQ(set.Replace("\xFF" "A\x80"), ",;");
    EXPECT_EQ(set.Text(), "A\x80\xFF");
    EXPECT_EQ(set.Replace(""), "A\x80\xFF");
    EXPECT_EQ(set, SeparatorSet{});

    set.Replace("a\0b"s);  // every byte, the zero too
    EXPECT_TRUE(set.IsSeparator('\0'));
    EXPECT_TRUE(set.IsSeparator('b'));
    EXPECT_EQ(set.Text(), "");

    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
    set.Replace(all);
    for (int c = 0; c < 256; ++c) EXPECT_TRUE(set.IsSeparator(static_cast<unsigned char>(c)));
    EXPECT_EQ(set.Replace("x"), "");
}

TEST(TokSeparators, ProcessWideSetThroughSetAndReset) {
    const SeparatorSet saved = Separators();
    StrSetSep(", ");
    EXPECT_EQ(StrSetSep(";,"), " ,");
    EXPECT_EQ(CountTokens("a;b,c d"), 3);
    StrResSep();
    EXPECT_EQ(StrSetSep(";"), "");
    Separators() = saved;
}

TEST(TokDirect, EmptySetMakesOneToken) {
    const SeparatorSet none;
    EXPECT_EQ(CountTokens("a,b", none), 1);
    EXPECT_EQ(CopyToken(1, "a,b", none), "a,b");
    EXPECT_EQ(CopyToken(2, "a,b", none), "");
}

TEST(TokDirect, CountNthAndPosition) {
    const SeparatorSet comma = Set(",");
    EXPECT_EQ(CountTokens("a,,b,", comma), 4);
    EXPECT_EQ(CountTokens("", comma), 1);
    EXPECT_EQ(CountTokens(",,,", comma), 4);
    EXPECT_EQ(CopyToken(2, "a,,b,", comma), "");
    EXPECT_EQ(CopyToken(3, "a,,b,", comma), "b");
    EXPECT_EQ(CopyToken(4, "a,,b,", comma), "");
    EXPECT_EQ(CopyToken(9, "a,b", comma), "");
    EXPECT_EQ(CopyToken(1, "", comma), "");
    EXPECT_EQ(TokenPosition(1, "a,,b", comma), 1);
    EXPECT_EQ(TokenPosition(3, "a,,b", comma), 4);
    EXPECT_EQ(TokenPosition(4, ",,,", comma), 4);
    // Beyond the separators, and n below 1 (n - 1 taken unsigned): length + 1.
    for (int n : {5, 0, -1, INT_MIN, INT_MAX}) EXPECT_EQ(TokenPosition(n, "a,b", comma), 4) << n;
    EXPECT_EQ(CopyToken(0, "a,b", comma), "");
    EXPECT_EQ(TokenStart("ab,cd", 2, comma), 3u);
    EXPECT_EQ(TokenLength("ab,cd", 3, comma), 2u);
    EXPECT_EQ(TokenLength("ab,cd", 5, comma), 0u);
}

TEST(TokDirect, ZeroBytesAndHighCodes) {
    EXPECT_EQ(CopyToken(1, "a\0b,c"s, Set(",")), "a\0b"s);
    const SeparatorSet zero = Set("\0"s);
    EXPECT_EQ(CountTokens("a\0b\0"s, zero), 3);
    EXPECT_EQ(CopyToken(2, "a\0bc\0"s, zero), "bc");
    const SeparatorSet high = Set("\xE9\xFF");
    EXPECT_EQ(CountTokens("a\xE9" "b\xFF\x80", high), 3);
    EXPECT_EQ(CopyToken(3, "a\xE9" "b\xFF\x80", high), "\x80");
    EXPECT_EQ(TokenPosition(2, "a\xE9" "b", high), 3);
}

TEST(TokStrtok, RunsSkippedNoEmptyTokens) {
    EXPECT_EQ(StrStrTok(2, ",,a,,b", ","), "b");
    EXPECT_EQ(StrStrTok(1, ",,a,,b,,", ","), "a");
    EXPECT_EQ(StrStrTok(3, "a,b", ","), "");
    EXPECT_EQ(StrStrTok(0, "a", ","), "");
    EXPECT_EQ(StrStrTok(-3, "a", ","), "");
    EXPECT_EQ(StrStrTok(1, ",,,", ","), "");
    EXPECT_EQ(StrStrTok(1, "a b", ""), "a b");
    EXPECT_EQ(StrStrTok(3, "x; y ,z", " ;,"), "z");
    EXPECT_EQ(StrStrTok(2, "a\xFF\xFF" "b", "\xFF"), "b");
    // As with strtok, texts end at their first zero byte.
    EXPECT_EQ(StrStrTok(2, "a,b\0,c"s, ","), "b");
    EXPECT_EQ(StrStrTok(3, "a,b\0,c"s, ","), "");
    EXPECT_EQ(StrStrTok(1, "a;b", "\0;"s), "a;b");
}

TEST(TokWalk, FreshWalkIsFinishedAndYieldsEmpty) {
    TokenWalk walk;
    EXPECT_TRUE(walk.Finished());
    EXPECT_EQ(walk.Next(Set(",")), "");
    EXPECT_TRUE(walk.Finished());
    EXPECT_EQ(walk.GetOffset(), 0);
}

TEST(TokWalk, FinishesWithTheLastToken) {
    const SeparatorSet comma = Set(",");
    TokenWalk walk;
    EXPECT_TRUE(walk.Init("a,b"));
    EXPECT_FALSE(walk.Finished());
    EXPECT_EQ(walk.Next(comma), "a");
    EXPECT_FALSE(walk.Finished());
    EXPECT_EQ(walk.GetOffset(), 2);
    EXPECT_EQ(walk.Next(comma), "b");
    EXPECT_TRUE(walk.Finished());
    EXPECT_EQ(walk.copy, 0u);
    EXPECT_EQ(walk.length, 0);
    EXPECT_EQ(walk.Next(comma), "");
    EXPECT_TRUE(walk.Finished());

    walk.Init("a,b,");
    EXPECT_EQ(walk.Next(comma), "a");
    EXPECT_EQ(walk.Next(comma), "b");
    EXPECT_FALSE(walk.Finished());
    EXPECT_EQ(walk.Next(comma), "");
    EXPECT_TRUE(walk.Finished());
    EXPECT_EQ(walk.copy, 0u);  // the empty last token ends the walk too
    EXPECT_EQ(walk.GetOffset(), 4);

    walk.Init("");
    EXPECT_FALSE(walk.Finished());
    EXPECT_EQ(walk.Next(comma), "");
    EXPECT_TRUE(walk.Finished());
}

TEST(TokWalk, FetchCountEqualsTokenCount) {
    const SeparatorSet seps = Set(",;");
    for (std::string text : {"", ",", ",,", "abc", ",a,,b;", "x;y", ";;;;;"}) {
        TokenWalk walk;
        walk.Init(text);
        std::string joined;
        int fetches = 0;
        do {
            if (fetches++) joined += ',';
            joined += walk.Next(seps);
        } while (!walk.Finished() && fetches < 100);
        EXPECT_EQ(fetches, CountTokens(text, seps)) << text;
        for (char& c : text) c = c == ';' ? ',' : c;
        EXPECT_EQ(joined, text);
    }
}

TEST(TokWalk, OffsetsMoveTheWalk) {
    const SeparatorSet comma = Set(",");
    TokenWalk walk;
    walk.Init("ab,cd,ef");
    EXPECT_EQ(walk.Next(comma), "ab");
    EXPECT_EQ(walk.GetOffset(), 3);
    EXPECT_EQ(walk.Next(comma), "cd");
    walk.SetOffset(3);
    EXPECT_EQ(walk.Next(comma), "cd");
    walk.SetOffset(1);
    EXPECT_EQ(walk.Next(comma), "b");
    walk.SetOffset(-5);
    EXPECT_EQ(walk.GetOffset(), 0);
    EXPECT_EQ(walk.Next(comma), "ab");
    walk.SetOffset(8);  // exactly the length: the empty last token
    EXPECT_EQ(walk.Next(comma), "");
    EXPECT_TRUE(walk.Finished());

    walk.Init("ab,cd");
    walk.SetOffset(100);
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

TEST(TokWalk, LongTokensAndZeroBytesComeBackWhole) {
    const SeparatorSet comma = Set(",");
    const std::string big(5000, 'x');
    TokenWalk walk;
    walk.Init(big + "," + "a\0b"s);
    EXPECT_EQ(walk.Next(comma), big);
    EXPECT_EQ(walk.Next(comma), "a\0b"s);
    EXPECT_TRUE(walk.Finished());
    EXPECT_EQ(CopyToken(1, big + ",y", comma), big);
}

TEST(TokWalk, ManyTokensWalkToTheEnd) {
    const SeparatorSet comma = Set(",");
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "ab,";
    TokenWalk walk;
    walk.Init(text);
    int fetches = 0;
    while (!walk.Finished()) {
        const std::string token = walk.Next(comma);
        ++fetches;
        if (!walk.Finished()) {
            ASSERT_EQ(token, "ab");
        }
    }
    EXPECT_EQ(fetches, 200001);
    EXPECT_EQ(CountTokens(text, comma), 200001);
    EXPECT_EQ(TokenPosition(200001, text, comma), static_cast<int>(text.size()) + 1);
}

}  // namespace
}  // namespace tarvo
