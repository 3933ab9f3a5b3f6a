// The slot rules of the host's handle and value tables, over a fake block
// allocator.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "host/handle_table.h"
#include "host/protocol.h"

namespace tarvo {
namespace {

// Blocks are small numbers; their memory lives in a map.
std::map<std::uint32_t, std::vector<std::uint8_t>> g_blocks;
std::uint32_t g_next = 100;
bool g_failAlloc = false;

std::uint32_t FakeAlloc(std::uint32_t size) {
    if (g_failAlloc) return 0;
    g_blocks[g_next].assign(size, 0);
    return g_next++;
}
void FakeRelease(std::uint32_t b) { g_blocks.erase(b); }
std::uint8_t* FakeLock(std::uint32_t b) { return g_blocks[b].data(); }
void FakeUnlock(std::uint32_t) {}
const BlockOps kFake = {FakeAlloc, FakeRelease, FakeLock, FakeUnlock};

std::vector<std::uint8_t> HandleTableOf(std::uint16_t capacity, std::uint16_t nextFree = 1) {
    std::vector<std::uint8_t> t(4 + 4u * capacity, 0);
    HandleTableHeader h{nextFree, capacity};
    std::memcpy(t.data(), &h, sizeof h);
    return t;
}

class HandleTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_blocks.clear();
        g_failAlloc = false;
    }
};

TEST_F(HandleTableTest, AllocTagsTheBlockAndLeavesNextFreeOnIt) {
    auto t = HandleTableOf(8);
    std::uint32_t h = TableAlloc(t.data(), 5, 16, kFake);
    EXPECT_EQ(h, 1u);
    EXPECT_EQ(TableNextFree(t.data()), 1u);
    std::uint32_t block = TableBlock(t.data(), h);
    ASSERT_EQ(g_blocks[block].size(), 7u) << "size + 2 for the tag";
    EXPECT_EQ(g_blocks[block][0], 16);
    EXPECT_EQ(g_blocks[block][1], 0);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 2u);
}

TEST_F(HandleTableTest, FullTableAnswersZeroWithNextFreeAtCapacity) {
    auto t = HandleTableOf(4);
    for (std::uint32_t i = 1; i < 4; ++i) EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), i);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 0u);
    EXPECT_EQ(TableNextFree(t.data()), 4u);
    TableFree(t.data(), 2, kFake);
    EXPECT_EQ(TableNextFree(t.data()), 2u) << "freeing lowers next-free";
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 2u) << "and the next allocation takes it";
}

TEST_F(HandleTableTest, SearchStartsAtNextFreeWithoutSkippingSlotZero) {
    auto t = HandleTableOf(4, 0);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 0u) << "slot 0 is taken as handle 0";
    EXPECT_EQ(TableBlock(t.data(), 0), 0u) << "but handle 0 is never valid";
}

TEST_F(HandleTableTest, InvalidFreesChangeNothing) {
    auto t = HandleTableOf(4);
    TableAlloc(t.data(), 1, 16, kFake);
    auto before = t;
    TableFree(t.data(), 0, kFake);
    TableFree(t.data(), 4, kFake);
    TableFree(t.data(), 60000, kFake);
    TableFree(t.data(), 3, kFake);  // free already
    EXPECT_EQ(t, before);
    EXPECT_EQ(g_blocks.size(), 1u);
}

TEST_F(HandleTableTest, FailedAllocationKeepsNextFreeOnTheFreeSlot) {
    auto t = HandleTableOf(4);
    TableAlloc(t.data(), 1, 16, kFake);
    g_failAlloc = true;
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 0u);
    EXPECT_EQ(TableNextFree(t.data()), 2u);
    EXPECT_EQ(TableInUse(t.data()), 1);
}

TEST(ValueTable, IdsCountsAndNextFree) {
    std::vector<std::uint8_t> t(6 + 4 * 4, 0);
    ValueTableHeader h{1, 0, 4};
    std::memcpy(t.data(), &h, sizeof h);
    EXPECT_EQ(ValueAdd(t.data(), 10), 1u);
    EXPECT_EQ(ValueAdd(t.data(), 20), 2u);
    EXPECT_EQ(ValueAdd(t.data(), 30), 3u);
    EXPECT_EQ(ValueAdd(t.data(), 40), 0u) << "full";
    EXPECT_EQ(ValueInUse(t.data()), 3u);
    EXPECT_EQ(ValueNextFree(t.data()), 4u);
    ValueRemove(t.data(), 0);
    ValueRemove(t.data(), 4);
    EXPECT_EQ(ValueInUse(t.data()), 3u);
    ValueRemove(t.data(), 2);
    ValueRemove(t.data(), 2);  // a free slot: nothing changes
    EXPECT_EQ(ValueInUse(t.data()), 2u);
    EXPECT_EQ(ValueNextFree(t.data()), 2u);
    EXPECT_EQ(ValueGet(t.data(), 2), 0u);
    EXPECT_EQ(ValueGet(t.data(), 3), 30u);
    EXPECT_EQ(ValueGet(t.data(), 4), 0u) << "at the capacity";
    EXPECT_EQ(ValueAdd(t.data(), 50), 2u);
}

}  // namespace
}  // namespace tarvo
