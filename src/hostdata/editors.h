// The editor slots: 50 of them, each the host's editor window of one file
// (-1 when free) and the file's name, which stays in a freed slot until it
// is used again.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvo {

constexpr int kEditorSlots = 50;

struct EditorSlot {
    std::int32_t window = -1;
    std::string fileName;
};

struct EditorTable {
    std::array<EditorSlot, kEditorSlots> slots;

    // The lowest free slot, or -1.
    std::int32_t FirstFree() const;
    // The window of a slot in use; -1 for a free slot or one outside 0 to 49.
    std::int32_t WindowOf(std::int32_t slot) const;
    void FreeAll();
};

EditorTable& Editors();

}  // namespace tarvo
