#include "files/copying.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo {
namespace {

// The commands a copy of `length` bytes sends, its blocks done in steps of
// `stride` blocks.
std::vector<std::string> Commands(std::int64_t length, std::int64_t stride = 1) {
    CopyProgress progress{BlockCount(length)};
    std::vector<std::string> out;
    for (std::int64_t step = 1; step < progress.blocks + stride; step += stride)
        progress.DoneUpTo(
            step, [&](std::int32_t percent) { out.push_back(ProgressCommand("P", percent)); });
    return out;
}

TEST(Copying, BlocksAndProgress) {
    for (const auto& [length, blocks] : {std::pair<std::int64_t, std::int32_t>{0, 1}, {4095, 1},
                                         {4096, 2}, {2147483647, 524288}, {-1, 1}})
        EXPECT_EQ(BlockCount(length), blocks) << length;
    EXPECT_EQ(Commands(10000), (std::vector<std::string>{"P(33)", "P(66)", "P(100)"}));
    EXPECT_EQ(Commands(4096, 7), (std::vector<std::string>{"P(50)", "P(100)"}));
    EXPECT_EQ(Commands(0), (std::vector<std::string>{"P(100)"}));
    EXPECT_EQ(ProgressPercent(524288, 524288), 100) << "no overflow on the largest files";
    // Every block sends its command, a large file repeating percentages.
    const std::vector<std::string> large = Commands(256 << 20, 256);
    ASSERT_EQ(large.size(), 65537u);
    EXPECT_EQ(large[0], "P(0)");
    EXPECT_EQ(large[654], "P(0)");
    EXPECT_EQ(large[655], "P(1)");
    EXPECT_EQ(large[65535], "P(99)");
    EXPECT_EQ(large.back(), "P(100)");
    EXPECT_EQ(Commands(256 << 20, 1 << 20), large) << "the same whatever the steps";
    EXPECT_EQ(ProgressCommand(std::string(200, 'n'), 7).size(), 203u) << "long names are kept";
}

TEST(Copying, SliceCounts) {
    for (const auto& [length, size, count] :
         {std::tuple<std::int64_t, std::int64_t, std::int32_t>{10000, 4096, 3}, {8192, 4096, 2},
          {1, 1, 1}, {10, 0, 0}, {10, -5, 0}, {2147483647, 1, 2147483647}})
        EXPECT_EQ(SliceCount(length, size), count) << length << " " << size;
}

}  // namespace
}  // namespace tarvo
