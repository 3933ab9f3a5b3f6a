#include "files/notifications.h"

#include <cstdlib>

#include "strings/tokenizer.h"

namespace tarvo {

void NotificationSlot::Free() {
    handle = kNoNotification;
    path.clear();
    command.clear();
    suspended = 0;
    strategy = 1;
}

int FirstFreeSlot(const NotificationTable& table) {
    for (int i = 0; i < kNotificationSlots; ++i)
        if (table[i].free()) return i;
    return -1;
}

int FreeSlots(const NotificationTable& table) {
    int n = 0;
    for (const NotificationSlot& s : table) n += s.free();
    return n;
}

std::string ActionText(const NotificationSlot& slot, int n) {
    return (slot.strategy == 1 ? "DO " + slot.command + " WITH " : slot.command + " ") + std::to_string(n);
}

std::string SaveText(const NotificationTable& table) {
    std::string out;
    for (const NotificationSlot& s : table) {
        if (!out.empty()) out += '^';
        out += s.path + ";" + s.command + ";" + std::to_string(s.subtree) + ";" + std::to_string(s.filter) + ";" +
               std::to_string(s.suspended) + ";" + std::to_string(s.strategy);
    }
    return out;
}

SavedNotification SavedRecord(std::string_view text, int n) {
    SeparatorSet records, fields;
    records.Replace("^");
    fields.Replace(";");
    const std::string record = CopyToken(n, text, records);
    auto field = [&](int i) { return CopyToken(i, record, fields); };
    auto number = [&](int i) { return static_cast<std::int32_t>(std::atoi(field(i).c_str())); };
    return {field(1), field(2), number(3), number(4), number(5), number(6)};
}

}  // namespace tarvo
