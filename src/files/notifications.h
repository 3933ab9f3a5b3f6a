// Change notifications: the table of 50 slots, each watching one directory
// with a Windows change notification and naming what runs when it fires,
// and the save text that holds the table (records "%s;%s;%i;%d;%i;%i" of
// path, command, subtree flag, filter, suspended flag and strategy, joined
// by "^").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

constexpr int kNotificationSlots = 50;
constexpr std::uintptr_t kNoNotification = static_cast<std::uintptr_t>(-1);

struct NotificationSlot {
    std::string path;
    std::string command;
    std::int32_t subtree = 0;
    std::int32_t filter = 0;
    std::uintptr_t handle = kNoNotification;  // the Windows handle; kNoNotification: free
    std::int32_t suspended = 0;
    std::int32_t strategy = 1;  // 1: "DO command WITH slot"; else the program "command slot"

    bool free() const { return handle == kNoNotification; }
    // The free state; subtree and filter keep their last values.
    void Free();
};

using NotificationTable = std::array<NotificationSlot, kNotificationSlots>;

// The lowest free slot, or -1.
int FirstFreeSlot(const NotificationTable& table);
int FreeSlots(const NotificationTable& table);

// What a slot runs: "DO command WITH n" for strategy 1, else "command n".
std::string ActionText(const NotificationSlot& slot, int n);

std::string SaveText(const NotificationTable& table);

// Record n (1-based) of a save text, its fields read as a restore reads
// them: text between the separators, empty when missing; the numbers by
// atoi (no digits give 0).
struct SavedNotification {
    std::string path, command;
    std::int32_t subtree = 0, filter = 0, suspended = 0, strategy = 0;
};
SavedNotification SavedRecord(std::string_view text, int n);

}  // namespace tarvo
