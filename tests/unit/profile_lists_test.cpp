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
    std::string list;
    for (const char* line :
         {"[A]", "  [B C]", "x=1", "[D] x=1", "\t[T]", "; [comment]", "[E", "", "key=[F]"})
        AddSectionOfLine(line, list);
    EXPECT_EQ(FinishSectionList(list), "A,B C,D,E")
        << "blanks before [ are skipped, tabs are not; an unclosed name runs to the line's end";
    list.clear();
    AddSectionOfLine("[]", list);
    AddSectionOfLine("[x]]", list);
    EXPECT_EQ(FinishSectionList(list), ",x");
    EXPECT_EQ(FinishSectionList(""), "");
    list.clear();
    AddSectionOfLine("   ", list);
    AddSectionOfLine(" [", list);
    EXPECT_EQ(FinishSectionList(list), "");
}

}  // namespace
}  // namespace tarvo
