#include "network/network.h"

#include <gtest/gtest.h>

#include <string>

#include "hostdata/network_mode.h"

namespace tarvo {
namespace {

TEST(Network, ConnectionListStopsAtItsLength) {
    std::string list;
    EXPECT_TRUE(AppendConnection(list, "Q:", "\\\\S\\a"));
    EXPECT_TRUE(AppendConnection(list, "LPT1", ""));
    EXPECT_EQ(list, "Q:^\\\\S\\a;LPT1^;");
    const std::string remote(kConnectionListLength - list.size() - 3, 'r');
    std::string full = list;
    EXPECT_FALSE(AppendConnection(full, "Z:", remote.c_str())) << "one character too many";
    EXPECT_EQ(full, list);
    EXPECT_TRUE(AppendConnection(full, "Z", remote.c_str()));
    EXPECT_EQ(full.size(), kConnectionListLength);
}

// Settings answer the value before the call and take only a value of their
// own type; the network mode is the flag table replacements read.
TEST(Network, SettingsAndMode) {
    EXPECT_EQ(NetSetting<kNetMax>({}), 10);
    EXPECT_EQ(NetSetting<kNetMax>({{true, 3}}), 10);
    EXPECT_EQ(NetSetting<kNetMax>({}), 3);
    EXPECT_EQ(NetSetting<kNetUserNo>({{true, -7}}), 0);
    EXPECT_EQ(NetSettingValue(kNetUserNo), -7);
    EXPECT_EQ(NetSettingValue(kNetMode), 0);
    EXPECT_FALSE(NetSetNet({}));
    EXPECT_FALSE(NetSetNet({{true, true}}));
    EXPECT_TRUE(NetworkMode());
    EXPECT_TRUE(NetSetNet({{true, false}}));
    EXPECT_FALSE(NetworkMode());
}

}  // namespace
}  // namespace tarvo
