#include "strings/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "strings/geometry.h"

namespace tarvo {
namespace {

std::uint64_t Bits(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

TEST(Units, FactorsAsStored) {
    const struct {
        double (*convert)(double);
        std::uint64_t bits;
    } cases[] = {
        {MetConvert<kCmToInch>, 0x3FD9326180000000}, {MetConvert<kInchToCm>, 0x400451EB80000000},
        {MetConvert<kKmToMile>, 0x3FE3E28240000000}, {MetConvert<kMileToKm>, 0x3FF9BE76C0000000},
        {MetConvert<kMToYard>, 0x3FF17F6E40000000},  {MetConvert<kYardToM>, 0x3FED42C3C0000000},
        {MetConvert<kInchToFeet>, 0x3FB5555555555555}, {MetConvert<kFeetToInch>, 0x4028000000000000},
        {MetConvert<kInchToYard>, 0x3F9C71C71C71C71C}, {MetConvert<kYardToInch>, 0x4042000000000000},
        {MetConvert<kInchToMile>, 0x3EF08CABB37565E2}, {MetConvert<kMileToInch>, 0x40EEF00000000000},
        {MetConvert<kFeetToYard>, 0x3FD5555555555555}, {MetConvert<kYardToFeet>, 0x4008000000000000},
        {MetConvert<kFeetToMile>, 0x3F28D3018D3018D3}, {MetConvert<kMileToFeet>, 0x40B4A00000000000},
        {MetConvert<kMileToYard>, 0x409B800000000000}, {MetConvert<kYardToMile>, 0x3F429E4129E4129E},
    };
    for (const auto& c : cases) EXPECT_EQ(Bits(c.convert(1.0)), c.bits) << std::hex << c.bits;
    EXPECT_EQ(MetConvert<kFeetToInch>(2.5), 30.0);
    EXPECT_NE(MetConvert<kCmToInch>(MetConvert<kInchToCm>(1.0)), 1.0);
    EXPECT_EQ(MetConvert<kMileToFeet>(-2), -10560.0);
}

TEST(Factorial, AbsoluteWholeValue) {
    EXPECT_EQ(MthFactorielle({0}), 1.0);
    EXPECT_EQ(MthFactorielle({1}), 1.0);
    EXPECT_EQ(MthFactorielle({-1}), 1.0);
    EXPECT_EQ(MthFactorielle({-5}), 120.0);
    EXPECT_EQ(MthFactorielle({20}), 2432902008176640000.0);
    EXPECT_TRUE(std::isfinite(MthFactorielle({170})));
    EXPECT_EQ(MthFactorielle({171}), std::numeric_limits<double>::infinity());
    EXPECT_EQ(MthFactorielle({INT32_MIN}), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace tarvo
