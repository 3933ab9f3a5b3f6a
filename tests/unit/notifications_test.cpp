#include "files/notifications.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(Notifications, SaveTextOfAFreshTable) {
    NotificationTable table;
    const std::string text = SaveText(table);
    EXPECT_EQ(text.size(), 499u);
    EXPECT_EQ(text.substr(0, 20), ";;0;0;0;1^;;0;0;0;1^");
    EXPECT_NE(text.back(), '^');
    EXPECT_EQ(FreeSlots(table), 50);
    EXPECT_EQ(FirstFreeSlot(table), 0);
}

TEST(Notifications, RecordsComeBackFieldByField) {
    NotificationTable table;
    table[0] = {"c:\\data", "Changed", 1, 23, 7, 1, 2};
    table[2] = {"c:\\other", "watcher.exe", 0, 1, 9, 0, 5};
    const std::string text = SaveText(table);
    const SavedNotification first = SavedRecord(text, 1);
    EXPECT_EQ(first.path, "c:\\data");
    EXPECT_EQ(first.command, "Changed");
    EXPECT_EQ(first.subtree, 1);
    EXPECT_EQ(first.filter, 23);
    EXPECT_EQ(first.suspended, 1);
    EXPECT_EQ(first.strategy, 2);
    EXPECT_EQ(SavedRecord(text, 2).path, "") << "a free slot";
    EXPECT_EQ(SavedRecord(text, 3).strategy, 5);
    EXPECT_EQ(SavedRecord(text, 51).path, "") << "past the last record";
    // Truncated and malformed records: missing fields are empty, numbers
    // without digits 0, and a path stays a path.
    const SavedNotification bad = SavedRecord("c:\\x;cmd;1;x7^d", 1);
    EXPECT_EQ(bad.path, "c:\\x");
    EXPECT_EQ(bad.filter, 0);
    EXPECT_EQ(bad.strategy, 0);
    EXPECT_EQ(SavedRecord("c:\\x;cmd;1;x7^d", 2).path, "d");
}

TEST(Notifications, ActionsAndFreeSlots) {
    NotificationSlot s{"c:\\data", "OnChange", 0, 1, 5, 1, 1};
    EXPECT_EQ(ActionText(s, 3), "DO OnChange WITH 3");
    s.strategy = 0;
    EXPECT_EQ(ActionText(s, 3), "OnChange 3");
    s.Free();
    EXPECT_TRUE(s.free());
    EXPECT_EQ(s.strategy, 1);
    EXPECT_EQ(s.filter, 1) << "filter and subtree stay";
}

}  // namespace
}  // namespace tarvo
