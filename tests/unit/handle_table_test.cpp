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

std::vector<std::uint8_t> HandleTable(std::uint16_t capacity, std::uint16_t nextFree) {
    std::vector<std::uint8_t> t(4 + 4u * capacity, 0);
    const HandleTableHeader h{nextFree, capacity};
    std::memcpy(t.data(), &h, sizeof h);
    return t;
}

TEST(HandleTable, AllocationFreeingAndNextFree) {
    g_blocks.clear();
    auto t = HandleTable(4, 1);
    const std::uint32_t h = TableAlloc(t.data(), 5, 16, kFake);
    ASSERT_EQ(h, 1u);
    EXPECT_EQ(TableNextFree(t.data()), 1u);  // left on the slot just taken
    EXPECT_EQ(g_blocks[TableBlock(t.data(), h)], (std::vector<std::uint8_t>{16, 0, 0, 0, 0, 0, 0}));  // tag, size
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 2u);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 3u);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 0u);  // full
    EXPECT_EQ(TableNextFree(t.data()), 4u);
    TableFree(t.data(), 2, kFake);
    EXPECT_EQ(TableNextFree(t.data()), 2u);  // freeing lowers next-free
    EXPECT_EQ(TableInUse(t.data()), 2);
    // Invalid handles and free slots are ignored.
    const auto before = t;
    for (std::uint32_t bad : {0u, 2u, 4u, 60000u}) TableFree(t.data(), bad, kFake);
    EXPECT_EQ(t, before);
    EXPECT_EQ(g_blocks.size(), 2u);
    // A failed allocation, or a size whose tag would not fit 32 bits, leaves
    // next-free on the free slot.
    g_failAlloc = true;
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 0u);
    g_failAlloc = false;
    EXPECT_EQ(TableAlloc(t.data(), 0xFFFFFFFEu, 16, kFake), 0u);
    EXPECT_EQ(TableNextFree(t.data()), 2u);
    EXPECT_EQ(g_blocks.size(), 2u);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 2u);
}

TEST(HandleTable, SearchStartsAtNextFreeWithoutSkippingSlotZero) {
    auto t = HandleTable(4, 0);
    EXPECT_EQ(TableAlloc(t.data(), 1, 16, kFake), 0u);  // slot 0 is taken, as handle 0
    EXPECT_EQ(TableBlock(t.data(), 0), 0u);              // but handle 0 is never valid
    EXPECT_EQ(TableInUse(t.data()), 1);
}

TEST(ValueTable, IdsCountsAndNextFree) {
    std::vector<std::uint8_t> t(6 + 4 * 4, 0);
    const ValueTableHeader h{1, 0, 4};
    std::memcpy(t.data(), &h, sizeof h);
    for (std::uint32_t id = 1; id <= 3; ++id) EXPECT_EQ(ValueAdd(t.data(), 10 * id), id);
    EXPECT_EQ(ValueAdd(t.data(), 40), 0u);  // full
    EXPECT_EQ(ValueNextFree(t.data()), 4u);
    for (std::uint32_t id : {0u, 4u, 2u, 2u}) ValueRemove(t.data(), id);  // only the first 2 counts
    EXPECT_EQ(ValueInUse(t.data()), 2u);
    EXPECT_EQ(ValueNextFree(t.data()), 2u);
    EXPECT_EQ(ValueGet(t.data(), 2), 0u);
    EXPECT_EQ(ValueGet(t.data(), 3), 30u);
    EXPECT_EQ(ValueGet(t.data(), 4), 0u);  // at the capacity
    EXPECT_EQ(ValueAdd(t.data(), 50), 2u);
}

}  // namespace
}  // namespace tarvo
