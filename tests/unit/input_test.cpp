#include "ui/input.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(Input, NibblesAndLanguageIds) {
    EXPECT_EQ(SwappedNibbles(18), 33);
    EXPECT_EQ(SwappedNibbles(0x1F2), 0x2F) << "the low byte only";
    EXPECT_EQ(SwappedNibbles(-1), 0xFF);
    EXPECT_EQ(MakeLangId(12, 1), 1036);
    EXPECT_EQ(MakeLangId(0x1000C, 0x10001), 1036) << "low 16 bits of each";
    EXPECT_EQ(PrimaryLanguage(1036), 12);
    EXPECT_EQ(SubLanguage(1036), 1);
    EXPECT_EQ(PrimaryLanguage(MakeLangId(9, 2)), 9);
}

TEST(Input, ColourDepthAndCount) {
    EXPECT_EQ(ColorDepth(32, 0, 0), 32);
    EXPECT_EQ(ColorDepth(16, 32, 32), 15);
    EXPECT_EQ(ColorDepth(16, 64, 32), 16);
    EXPECT_EQ(ColorCount(24), 16777216);
    EXPECT_EQ(ColorCount(15), 32768);
    EXPECT_EQ(ColorCount(32), 0) << "2 to the 32nd does not fit";
    EXPECT_EQ(ColorCount(31), -2147483647 - 1);

    // A 5-5-5 display keeps 32 levels a channel; a failing pixel counts none.
    const ChannelLevels five = CountLevels([](int grey) { long g = grey & 0xF8; return g | g << 8 | g << 16; });
    EXPECT_EQ(five.red, 32);
    EXPECT_EQ(five.green, 32);
    const ChannelLevels six = CountLevels([](int grey) {
        long r = grey & 0xF8, g = grey & 0xFC;
        return r | g << 8 | r << 16;
    });
    EXPECT_EQ(six.green, 64);
    EXPECT_EQ(CountLevels([](int grey) { return grey == 3 ? -1L : 0L; }).blue, 0);
}

}  // namespace
}  // namespace tarvo
