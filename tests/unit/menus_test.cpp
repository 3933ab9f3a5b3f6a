#include "hostdata/menus.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

std::string Shape(const std::vector<MenuItem>& items) {
    std::string s;
    for (const MenuItem& m : items) s += m.separator ? "|-" : "|" + m.text + "=" + std::to_string(m.id);
    return s;
}

TEST(Menus, PopupEntriesAreNumberedSkippingSeparators) {
    EXPECT_EQ(Shape(PopupItems("Open^\\-^Close")), "|Open=1|-|Close=2");
    EXPECT_EQ(Shape(PopupItems("")), "");
    EXPECT_EQ(Shape(PopupItems("^A^^B^")), "|A=1|B=2") << "empty items are skipped";
    EXPECT_EQ(Shape(PopupItems("\\-^\\-")), "|-|-");
    EXPECT_EQ(Shape(PopupItems("\\-x^-")), "|\\-x=1|-=2") << "only the exact item separates";
}

TEST(Menus, SystemEntriesTakeTheFollowingIdentifier) {
    EXPECT_EQ(Shape(SystemItems("Print^101^\\-^Close^102")), "|Print=101|-|Close=102");
    EXPECT_EQ(Shape(SystemItems("Print^101^Close")), "|Print=101") << "no identifier: left out";
    EXPECT_EQ(Shape(SystemItems("A^12x^B^x")), "|A=12|B=0") << "read as atoi reads";
    EXPECT_EQ(Shape(SystemItems("A^\\-")), "|A=0") << "the item after a text is its identifier";
    EXPECT_EQ(Shape(SystemItems("")), "");
}

}  // namespace
}  // namespace tarvo
