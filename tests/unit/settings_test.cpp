#include "hostdata/settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvo {
namespace {

// The records, their orders and their init functions are tested through the
// library (tests/dll/settings_test.cpp), where a row can reach the wrong field.
TEST(Settings, TextFieldsKeepTheirCapacity) {
    FieldText<4> field;
    EXPECT_EQ(field.Get(), "") << "starts empty";
    field.Set("abcd");
    EXPECT_EQ(field.Get(), "abcd");
    field.Set("abcdefgh");
    EXPECT_EQ(field.Get(), "abcd");
    field.Set("x");
    EXPECT_EQ(field.Get(), "x") << "the rest of the longer text is gone";
    field.Set("");
    EXPECT_EQ(field.Get(), "");
}

TEST(Settings, MiscellaneousAnswers) {
    EXPECT_EQ(LibraryVersionLine(), "TARVO.FLL - Dasquin - 03 August 1998 17:25-v5.07");
    EXPECT_NEAR(BodyMassIndex(70, 175), 22.857142857, 1e-9);
    EXPECT_NEAR(BodyMassIndex(1, 3), 1111.111111111, 1e-6) << "no integer division";
    EXPECT_TRUE(std::isinf(BodyMassIndex(70, 0)));
    EXPECT_TRUE(std::isnan(BodyMassIndex(0, 0)));
    EXPECT_NEAR(BodyMassIndex(2147483647, -1), 2147483647.0 * 10000, 1);
    EXPECT_STREQ(VersionStringName(1), "ProductName");
    EXPECT_STREQ(VersionStringName(7), "LegalCopyright");
    EXPECT_STREQ(VersionStringName(12), "Comments");
    EXPECT_EQ(VersionStringName(0), nullptr);
    EXPECT_EQ(VersionStringName(13), nullptr);
    EXPECT_EQ(VersionStringName(-2147483647 - 1), nullptr);
}

}  // namespace
}  // namespace tarvo
