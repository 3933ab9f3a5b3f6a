#include "hostdata/fpt.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo::fpt {
namespace {

TEST(FptHeader, DecodesAndNeverFallsBehindTheFile) {
    // {next free, block size}, file size -> next free (0: refused)
    const struct { Header in; std::uint64_t size; std::uint32_t next; } cases[] = {
        {{8, 64}, 512, 8},  {{8, 64}, 1000, 16},  // the file ends inside block 15
        {{100, 64}, 1000, 100}, {{0, 100}, 8, 6},  // never inside the header
        {{8, 0}, 512, 0},   {{8, 64}, 7, 0},
    };
    for (const auto& [in, size, next] : cases) {
        Header h;
        ASSERT_EQ(DecodeHeader(EncodeHeader(in).data(), size, &h), next != 0) << in.nextFree << " " << size;
        if (next) EXPECT_TRUE(h.nextFree == next && h.blockSize == in.blockSize) << h.nextFree;
    }
}

TEST(FptLocate, OnlyMemosInsideTheFile) {
    const Header h{10, 64};
    const unsigned char head[8] = {0, 0, 0, 1, 0, 0, 0, 5}, huge[8] = {0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF};
    std::uint64_t at = 0;
    std::uint32_t n = 0;
    ASSERT_TRUE(Locate(h, 525, 8, head, &at, &n));
    EXPECT_TRUE(at == 520 && n == 5);
    EXPECT_FALSE(Locate(h, 524, 8, head, &at, &n));     // the text runs past the end
    EXPECT_FALSE(Locate(h, 519, 8, head, &at, &n));     // so does the head
    EXPECT_FALSE(Locate(h, 100000, 0, head, &at, &n));
    EXPECT_FALSE(Locate(h, 100000, 7, head, &at, &n));  // inside the header
    EXPECT_FALSE(Locate(h, 100000, 0xFFFFFFFF, head, &at, &n));
    EXPECT_FALSE(Locate(h, 100000, 8, huge, &at, &n));
}

TEST(FptMemo, FillsWholeBlocks) {
    const std::vector<unsigned char> m = EncodeMemo("abc", 64);
    ASSERT_EQ(m.size(), 64u);
    EXPECT_EQ(std::vector<unsigned char>(m.begin(), m.begin() + 12),
              (std::vector<unsigned char>{0, 0, 0, 1, 0, 0, 0, 3, 'a', 'b', 'c', 0}));
    const struct { std::size_t text; std::uint32_t block; std::size_t size; } sizes[] = {
        {0, 64, 64}, {56, 64, 64}, {57, 64, 128}, {3, 1, 11}, {3, 0, 11}};
    for (const auto& [text, block, size] : sizes) EXPECT_EQ(EncodeMemo(std::string(text, 'x'), block).size(), size);
    EXPECT_TRUE(FirstBlock(64) == 8 && FirstBlock(100) == 6 && FirstBlock(1) == 512 && FirstBlock(0) == 512);
}

}  // namespace
}  // namespace tarvo::fpt
