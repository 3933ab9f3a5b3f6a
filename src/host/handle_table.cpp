#include "host/handle_table.h"

#include <cstring>

namespace tarvo {
namespace {

std::uint16_t Get16(const std::uint8_t* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}
void Put16(std::uint8_t* p, std::uint16_t v) { std::memcpy(p, &v, 2); }
std::uint32_t Get32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
void Put32(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

constexpr int kHandleSlots = 4;
constexpr int kValueSlots = 6;

// Starting at next-free, advance (and store) next-free past taken slots.
// Answers the free slot, or the capacity when there is none.
std::uint32_t FindFree(std::uint8_t* nextFreeField, std::uint16_t capacity,
                       const std::uint8_t* slots) {
    std::uint16_t i = Get16(nextFreeField);
    while (i < capacity && Get32(slots + 4u * i) != 0) {
        ++i;
        Put16(nextFreeField, i);
    }
    return i;
}

}  // namespace

std::uint16_t TableCapacity(const std::uint8_t* table) { return Get16(table + 2); }
std::uint16_t TableNextFree(const std::uint8_t* table) { return Get16(table); }

std::uint32_t TableBlock(const std::uint8_t* table, std::uint32_t handle) {
    if (handle == 0 || handle >= TableCapacity(table)) return 0;
    return Get32(table + kHandleSlots + 4u * handle);
}

void TableSetBlock(std::uint8_t* table, std::uint32_t handle, std::uint32_t block) {
    if (handle == 0 || handle >= TableCapacity(table)) return;
    Put32(table + kHandleSlots + 4u * handle, block);
}

std::uint32_t TableAlloc(std::uint8_t* table, std::uint32_t size, std::uint16_t tag,
                         const BlockOps& ops) {
    std::uint16_t capacity = TableCapacity(table);
    std::uint32_t slot = FindFree(table, capacity, table + kHandleSlots);
    if (slot >= capacity) return 0;
    if (size > 0xFFFFFFFFu - 2) return 0;
    std::uint32_t block = ops.alloc(size + 2);
    if (block == 0) return 0;
    Put32(table + kHandleSlots + 4u * slot, block);
    std::uint8_t* p = ops.lock(block);
    if (p) Put16(p, tag);
    ops.unlock(block);
    return slot;
}

void TableFree(std::uint8_t* table, std::uint32_t handle, const BlockOps& ops) {
    std::uint32_t block = TableBlock(table, handle);
    if (block == 0) return;
    ops.release(block);
    Put32(table + kHandleSlots + 4u * handle, 0);
    if (TableNextFree(table) > handle) Put16(table, static_cast<std::uint16_t>(handle));
}

int TableInUse(const std::uint8_t* table) {
    int n = 0;
    for (std::uint32_t i = 0; i < TableCapacity(table); ++i)
        if (Get32(table + kHandleSlots + 4u * i) != 0) ++n;
    return n;
}

std::uint32_t ValueAdd(std::uint8_t* table, std::uint32_t value) {
    std::uint16_t capacity = Get16(table + 4);
    std::uint32_t slot = FindFree(table, capacity, table + kValueSlots);
    if (slot >= capacity) return 0;
    Put16(table + 2, static_cast<std::uint16_t>(Get16(table + 2) + 1));
    Put32(table + kValueSlots + 4u * slot, value);
    return slot;
}

void ValueRemove(std::uint8_t* table, std::uint32_t id) {
    std::uint16_t capacity = Get16(table + 4);
    if (id == 0 || id >= capacity) return;
    std::uint8_t* slot = table + kValueSlots + 4u * id;
    if (Get32(slot) == 0) return;
    Put16(table + 2, static_cast<std::uint16_t>(Get16(table + 2) - 1));
    Put32(slot, 0);
    if (Get16(table) > id) Put16(table, static_cast<std::uint16_t>(id));
}

std::uint32_t ValueGet(const std::uint8_t* table, std::uint32_t id) {
    if (id == 0 || id >= Get16(table + 4)) return 0;
    return Get32(table + kValueSlots + 4u * id);
}

std::uint16_t ValueInUse(const std::uint8_t* table) { return Get16(table + 2); }
std::uint16_t ValueNextFree(const std::uint8_t* table) { return Get16(table); }

}  // namespace tarvo
