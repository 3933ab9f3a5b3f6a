// The host's handle table and value table, as plain operations over the
// memory the host lends the library. The block allocator is passed in, so
// the slot rules can be tested without Windows.
//
// Handle table: u16 next-free, u16 capacity, u32 slots[capacity] (offset 4).
// Value table:  u16 next-free, u16 in use, u16 capacity, u32 slots (offset 6).
// Index 0 is never valid; the free-slot search starts at next-free without
// skipping slot 0, advances (and stores) next-free while slots are taken, and
// answers 0 at the capacity.
#pragma once

#include <cstdint>

namespace tarvo {

// Movable memory blocks, by operating-system handle (0 = none).
struct BlockOps {
    // A zero-filled movable block of `size` bytes.
    std::uint32_t (*alloc)(std::uint32_t size);
    void (*release)(std::uint32_t block);
    // Raises the lock count and answers the block's address; lowers it again.
    std::uint8_t* (*lock)(std::uint32_t block);
    void (*unlock)(std::uint32_t block);
};

// Handle table.
std::uint16_t TableCapacity(const std::uint8_t* table);
std::uint16_t TableNextFree(const std::uint8_t* table);
// The block in slot `handle`, or 0 when the handle is invalid or free.
std::uint32_t TableBlock(const std::uint8_t* table, std::uint32_t handle);
void TableSetBlock(std::uint8_t* table, std::uint32_t handle, std::uint32_t block);
// Allocate a block of size + 2 bytes tagged `tag`; the new handle or 0.
std::uint32_t TableAlloc(std::uint8_t* table, std::uint32_t size, std::uint16_t tag,
                         const BlockOps& ops);
// Release the block of a valid, taken handle; anything else is ignored.
void TableFree(std::uint8_t* table, std::uint32_t handle, const BlockOps& ops);
// Number of slots in use (for audits).
int TableInUse(const std::uint8_t* table);

// Value table.
std::uint32_t ValueAdd(std::uint8_t* table, std::uint32_t value);
void ValueRemove(std::uint8_t* table, std::uint32_t id);
std::uint32_t ValueGet(const std::uint8_t* table, std::uint32_t id);
std::uint16_t ValueInUse(const std::uint8_t* table);
std::uint16_t ValueNextFree(const std::uint8_t* table);

}  // namespace tarvo
