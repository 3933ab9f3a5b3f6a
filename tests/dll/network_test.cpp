// The network names under Wine: names compared with what Windows tells the
// test, the settings and the network timer, and the connections through
// the tests' network provider (tests/fakenp), which answers while
// TARVO_FAKE_NETWORK is 1 in this process: Q: to \\FAKESRV\share and T: to
// \\FAKESRV\other. Nothing leaves the machine.
#include <winsock2.h>

#include <functional>
#include <string>
#include <vector>

#include "files_test.h"
#include "host_pump.h"

namespace tarvo::test {
namespace {

class NetworkTest : public FilesTest {
protected:
    std::vector<std::string> commands;
    struct FakeNetwork {
        FakeNetwork() { SetEnvironmentVariableA("TARVO_FAKE_NETWORK", "1"); }
        ~FakeNetwork() { SetEnvironmentVariableA("TARVO_FAKE_NETWORK", nullptr); }
    };
};

TEST_F(NetworkTest, NamesAsWindowsTellsThem) {
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "", user[256] = "", host_[261] = "";
    DWORD n = sizeof computer, u = sizeof user;
    GetComputerNameA(computer, &n);
    GetUserNameA(user, &u);
    gethostname(host_, sizeof host_);  // Wine answers without WSAStartup, Windows fails
    Expect({{"NET_GETCOMPUTERNAME", {}, computer}, {"NET_GETUSERNAME", {}, user},
            {"NET_GETHOSTNAME", {}, host_}});
    EXPECT_NE(std::string(computer), "");
}

TEST_F(NetworkTest, SettingsAndMode) {
    // Each setting's slot is shown by its row example; here the slots are
    // apart.
    Expect({{"NET_MAX", {I(4)}, "10"}, {"NET_LEVEL", {}, "0"}, {"NET_MODE", {I(2)}, "0"},
            {"NET_USERNO", {}, "0"}, {"NET_MAX", {}, "4"}});
}

// The timers run the current NET_PROC command (its first 128 characters)
// while messages are served; NET_TIMKIL stops them.
TEST_F(NetworkTest, TimerRunsTheStoredCommand) {
    CollectCommands(host, commands);
    EXPECT_TRUE(Logical("NET_PROC", {C(std::string(200, 'n'))}));
    const std::int32_t id = Int("NET_TIMSET", {I(10)});
    ASSERT_NE(id, 0);
    ASSERT_TRUE(PumpUntil(host, [&] { return !commands.empty(); }));
    EXPECT_EQ(commands[0], std::string(128, 'n'));
    Logical("NET_PROC", {C("NEXT")});
    commands.clear();
    ASSERT_TRUE(PumpUntil(host, [&] { return !commands.empty(); }));
    EXPECT_EQ(commands[0], "NEXT");
    Logical("TIM_PROC", {C("TIM")});
    commands.clear();
    ASSERT_TRUE(PumpUntil(host, [&] { return !commands.empty(); }));
    EXPECT_EQ(commands[0], "NEXT") << "the network timer has its own command";
    EXPECT_TRUE(Logical("NET_TIMKIL", {I(id)}));
    EXPECT_FALSE(KillTimer(nullptr, static_cast<UINT_PTR>(id))) << "stopped";
}

// Without the provider answering there is no network; with it the
// connections are listed, looked up and cancelled.
TEST_F(NetworkTest, ConnectionsOfTheFakeProvider) {
    const std::string longName(300, 'x');
    Expect({{"NET_GETCONNECTION", {C("Q:")}, ""}, {"NET_CONNECTIONDIALOG", {}, ".F."},
            {"NET_DISCONNECTDIALOG", {}, ".F."}});
    FakeNetwork on;
    Expect({{"NET_ENUMCONNECTIONS", {}, "Q:^\\\\FAKESRV\\share;T:^\\\\FAKESRV\\other;"},
            // Wine looks up a drive letter by its drive type and never asks the
            // providers (1200 for a letter with no drive): Windows would answer
            // \\FAKESRV\share here.
            {"NET_GETCONNECTION", {C("q:")}, ""},
            {"NET_GETCONNECTION", {C("X:")}, ""}, {"NET_GETCONNECTION", {C(longName)}, ""},
            {"NET_GETCONNECTION", {C("")}, ""},
            {"FIL_GETUNIVERSALNAME", {C("T:\\dir\\a.txt")}, "\\\\FAKESRV\\other"},
            {"NET_CANCELCONNECTION", {C(longName), Value::Logical(true)}, ".F."},
            {"NET_CANCELCONNECTION", {C("T:"), Value::Logical(true)}, ".T."},
            {"NET_CANCELCONNECTION", {C("T:")}, ".F."},
            {"NET_GETCONNECTION", {C("T:")}, ""},
            {"NET_ENUMCONNECTIONS", {}, "Q:^\\\\FAKESRV\\share;"}});
}

}  // namespace
}  // namespace tarvo::test
