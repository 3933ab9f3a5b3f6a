#include "hostdata/editors.h"

namespace tarvo {

std::int32_t EditorTable::FirstFree() const {
    for (std::int32_t i = 0; i < kEditorSlots; ++i)
        if (slots[i].window == -1) return i;
    return -1;
}

std::int32_t EditorTable::WindowOf(std::int32_t slot) const {
    return slot >= 0 && slot < kEditorSlots ? slots[slot].window : -1;
}

void EditorTable::FreeAll() {
    for (EditorSlot& s : slots) s.window = -1;
}

EditorTable& Editors() {
    static EditorTable table;
    return table;
}

}  // namespace tarvo
