#include "files/profile_lists.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace tarvo {
namespace {

TEST(ProfileLists, NameListsJoinWithSemicolons) {
    EXPECT_EQ(JoinNameList("a\0b\0c\0\0"s), "a;b;c");
    EXPECT_EQ(JoinNameList("k\0\0"s), "k");
    EXPECT_EQ(JoinNameList("\0\0"s), "");
    EXPECT_EQ(JoinNameList("a\0\0junk\0\0"s), "a") << "the list ends at the first double zero";
    EXPECT_EQ(JoinNameList("a\0b"s), "a;b") << "a list without its end runs to the buffer's end";
    EXPECT_EQ(JoinNameList(""), "");
}

TEST(ProfileLists, SectionScan) {
    constexpr std::size_t kRoomy = 100;
    std::string list;
    for (const char* line :
         {"[A]", "  [B C]", "x=1", "[D] x=1", "\t[T]", "; [comment]", "[E", "", "key=[F]"})
        AddSectionOfLine(line, list, kRoomy);
    EXPECT_EQ(FinishSectionList(list), "A,B C,D,E")
        << "blanks before [ are skipped, tabs are not; an unclosed name runs to the line's end";
    list.clear();
    AddSectionOfLine("[]", list, kRoomy);
    AddSectionOfLine("[x]]", list, kRoomy);
    EXPECT_EQ(FinishSectionList(list), ",x");
    EXPECT_EQ(FinishSectionList(""), "");
    list.clear();
    AddSectionOfLine("   ", list, kRoomy);
    AddSectionOfLine(" [", list, kRoomy);
    EXPECT_EQ(FinishSectionList(list), "");
}

// The list stops at its limit: in the middle of a name, or after a "," when
// the limit falls just behind one and another header follows.
TEST(ProfileLists, SectionScanStopsAtTheLimit) {
    std::string list;
    EXPECT_TRUE(AddSectionOfLine("[abc]", list, 6));
    EXPECT_FALSE(AddSectionOfLine("[defg]", list, 6));
    EXPECT_EQ(list, "abc,de");
    list.clear();
    EXPECT_TRUE(AddSectionOfLine("[abc]", list, 4));
    EXPECT_EQ(FinishSectionList(list), "abc") << "a file that ends there loses only the \",\"";
    EXPECT_FALSE(AddSectionOfLine("[d]", list, 4));
    EXPECT_EQ(list, "abc,");
    EXPECT_TRUE(AddSectionOfLine("key=1", list, 4)) << "other lines never meet the limit";
}

}  // namespace
}  // namespace tarvo
