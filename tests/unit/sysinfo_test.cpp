// The selectors and renumberings of the system information functions.
#include <gtest/gtest.h>

#include <string>

#include "system/sysinfo.h"

namespace tarvo {
namespace {

TEST(SystemInfo, MemoryCountsHeldTo32Bits) {
    const MemoryCounts m{42, 1000, 500, 0xFFFFFFFFull, 7, 0x10000000000ull, 3};
    const std::pair<std::int32_t, std::int32_t> memory[] = {
        {1, 42}, {8, 42}, {0, 42}, {-5, 42}, {2, 1000}, {3, 500}, {4, 2147483647},
        {5, 7}, {6, 2147483647}, {7, 3}};
    for (const auto& [selector, answer] : memory) EXPECT_EQ(MemoryItem(m, selector), answer) << selector;
}

TEST(SystemInfo, BinaryTypesRenumbered) {
    // SCS_32BIT, DOS, WOW, PIF, POSIX, OS216, 64BIT.
    const std::pair<std::uint32_t, std::int32_t> types[] = {{0, 1}, {1, 2}, {2, 6}, {3, 4},
                                                            {4, 5}, {5, 3}, {6, 0}, {99, 0}};
    for (const auto& [scs, code] : types) EXPECT_EQ(BinaryTypeCode(scs), code) << scs;
    EXPECT_EQ(BinaryTypeCode(std::nullopt), 0);
}

TEST(SystemInfo, ArchitectureLocalTimeAndEquipment) {
    EXPECT_STREQ(ArchitectureName(0), "Intel");
    EXPECT_STREQ(ArchitectureName(1), "MIPS");
    EXPECT_STREQ(ArchitectureName(2), "Alpha");
    EXPECT_STREQ(ArchitectureName(3), "PowerPC");
    EXPECT_STREQ(ArchitectureName(9), "Unknown");       // AMD64
    EXPECT_STREQ(ArchitectureName(0xABCD0000), "Intel");  // the high word does not count

    EXPECT_EQ(LocalTimeText({2026, 12, 5, 4, 9, 5, 3, 250}), "2026-12-4-5-9-5-3-250");
    EXPECT_EQ(LocalTimeText({1999, 1, 0, 31, 23, 59, 59, 999}), "1999-1-31-0-23-59-59-999");

    EXPECT_EQ((EquipmentField<0, 0xFFFF>()), 0);
    EXPECT_EQ((EquipmentField<6, 3, 1>()), 1);  // diskette drives
    EXPECT_FALSE(EquipmentBitSet<1>());
    EXPECT_TRUE(EquipmentBitClear<8>());  // DMA
    EXPECT_EQ(Saturated32(0x80000000u), 0x7FFFFFFF);
    EXPECT_EQ(Saturated32(0x7FFFFFFFu), 0x7FFFFFFF);
    EXPECT_EQ(Saturated32(12), 12);
}

}  // namespace
}  // namespace tarvo
