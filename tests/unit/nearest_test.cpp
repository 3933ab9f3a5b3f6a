// The names offered for a name that is not known.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/nearest.h"

namespace tarvo {
namespace {

TEST(NameDistance, CountsEachEditOnceAndIgnoresCase) {
    EXPECT_EQ(NameDistance("STR_REVERS", "str_revers"), 0);
    EXPECT_EQ(NameDistance("STR_REVRS", "STR_REVERS"), 1);   // a letter left out
    EXPECT_EQ(NameDistance("STR_REVEERS", "STR_REVERS"), 1); // one too many
    EXPECT_EQ(NameDistance("STR_RVEERS", "STR_REVERS"), 1);  // two swapped
    EXPECT_EQ(NameDistance("STR_LEFX", "STR_LEFT"), 1);
    EXPECT_EQ(NameDistance("", "ABC"), 3);
    EXPECT_EQ(NameDistance("ABC", ""), 3);
    EXPECT_EQ(NameDistance("ABCD", "WXYZ"), 4);
}

TEST(NearestNames, OffersTheClosestFirstWithinALimitThatGrowsWithTheName) {
    const std::vector<std::string> names = {"STR_LEFT", "STR_REVERS", "STR_RIGHT", "LEFT", "STR_LEFTS",
                                            "DAT_EOM"};
    EXPECT_EQ(NearestNames("str_revrs", names), std::vector<std::string>{"STR_REVERS"});
    // Only the nearest: STR_LEFTS is two edits away where STR_LEFT is one.
    EXPECT_EQ(NearestNames("STR_LEF", names), std::vector<std::string>{"STR_LEFT"});
    EXPECT_EQ(NearestNames("STR_LEFTX", names), (std::vector<std::string>{"STR_LEFT", "STR_LEFTS"}));
    // Short names get one edit only: LEX is two from LEFT.
    EXPECT_TRUE(NearestNames("LEX", names).empty());
    EXPECT_EQ(NearestNames("LEF", names), std::vector<std::string>{"LEFT"});
    // A name without its family's prefix finds the prefixed one.
    EXPECT_EQ(NearestNames("EOM", names), std::vector<std::string>{"DAT_EOM"});
    EXPECT_TRUE(NearestNames("SOMETHING_ELSE", names).empty());
}

TEST(NearestNames, AnswersNothingForAKnownNameAndKeepsTheLimit) {
    const std::vector<std::string> names = {"AB1", "AB2", "AB3", "AB4", "AB5", "AB2"};
    EXPECT_TRUE(NearestNames("ab3", names).empty());
    EXPECT_EQ(NearestNames("AB", names, 2), (std::vector<std::string>{"AB1", "AB2"}));
    EXPECT_EQ(NearestNames("AB", names, 10).size(), 5u);  // each name once
    EXPECT_TRUE(NearestNames("AB", {}).empty());
}

}  // namespace
}  // namespace tarvo
