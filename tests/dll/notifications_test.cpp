// Change notifications through the library with real folders: the poll runs
// from this thread's message loop and sends its commands to the host.
#include <fstream>

#include "runner/host.h"
#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

class NotificationTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        dir = ScratchDir("notify");
        host.hooks.executeCommand = [this](const std::string& c) {
            commands.push_back(c);
            return abortCommands ? 1098 : 0;
        };
        EXPECT_EQ(Int("NOT_FREQUENCY", {Value::Int(50)}), 5000);
    }
    void Touch(const std::string& name) { std::ofstream(dir + "\\" + name) << "x"; }
    // Serves messages until `n` commands came (or a second went by).
    void WaitFor(std::size_t n) {
        for (int i = 0; i < 100 && commands.size() < n; ++i) host.Pump(10);
    }
    std::int32_t Set(const std::string& folder, const std::string& command = "OnChange") {
        return Int("NOT_SET", {Value::Char(folder), Value::Char(command), Value::Logical(false), Value::Int(1)});
    }
    std::string dir;
    std::vector<std::string> commands;
    bool abortCommands = false;
};

TEST_F(NotificationTest, ChangesRunTheProcedureFromTheLoop) {
    EXPECT_EQ(Int("NOT_HANDLESFREE", {}), 50);
    ASSERT_EQ(Set(dir), 0);
    EXPECT_EQ(Text("NOT_LASTERROR", {}), "") << "starting the poll empties it";
    EXPECT_TRUE(Logical("NOT_ISTIMER", {}));
    ASSERT_EQ(Set(dir, "Other"), 1);
    EXPECT_EQ(Text("NOT_LASTERROR", {}), "The operation completed successfully.");
    host.Pump(150);
    EXPECT_TRUE(commands.empty()) << "nothing changed yet";
    Touch("a.txt");
    WaitFor(2);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], "DO OnChange WITH 0");
    EXPECT_EQ(commands[1], "DO Other WITH 1");

    // A suspended slot is skipped; a host error in an action ends that poll
    // only and the next ones go on.
    host.Call("NOT_SUSPEND", {Value::Int(1)});
    commands.clear();
    abortCommands = true;
    Touch("b.txt");
    WaitFor(1);
    EXPECT_EQ(commands.size(), 1u);
    abortCommands = false;
    Touch("c.txt");
    WaitFor(2);
    EXPECT_EQ(commands.back(), "DO OnChange WITH 0");

    EXPECT_TRUE(Logical("NOT_KILL", {Value::Int(0)}));
    EXPECT_TRUE(Logical("NOT_ISTIMER", {})) << "slot 1 still watches";
    EXPECT_TRUE(Logical("NOT_KILL", {Value::Int(1)}));
    EXPECT_FALSE(Logical("NOT_ISTIMER", {})) << "the last one stops the poll";
    EXPECT_FALSE(Logical("NOT_KILL", {Value::Int(1)})) << "a free slot";
}

TEST_F(NotificationTest, FailuresAndTheirTexts) {
    EXPECT_EQ(Set(dir + "\\missing"), -1);
    EXPECT_EQ(Text("NOT_LASTERROR", {}), "Cannot set notification on " + dir + "\\missing");
    Touch("file.txt");
    EXPECT_EQ(Set(dir + "\\file.txt"), -1) << "a file is no folder";
    EXPECT_EQ(Set(std::string(300, 'd')), -1);
    EXPECT_EQ(Text("NOT_INFO", {Value::Int(50), Value::Int(1)}), "");
    EXPECT_EQ(Int("NOT_STRATEGY", {Value::Int(-1), Value::Int(2)}), -1);
    EXPECT_FALSE(Logical("NOT_KILL", {Value::Int(77)}));
    EXPECT_FALSE(Logical("NOT_RESTOREALL", {Value::Char(dir + "\\missing;P;0;1;0;1")}));
    EXPECT_EQ(Text("NOT_LASTERROR", {}), "Cannot restore notification on " + dir + "\\missing");
    EXPECT_TRUE(Logical("NOT_RESTOREALL", {Value::Char("^^;;;;^;x;1")})) << "records without a folder";
    EXPECT_EQ(Int("NOT_HANDLESFREE", {}), 50);
}

TEST_F(NotificationTest, SaveAndRestore) {
    CreateDirectoryA((dir + "\\a").c_str(), nullptr);
    CreateDirectoryA((dir + "\\b").c_str(), nullptr);
    CreateDirectoryA((dir + "\\c").c_str(), nullptr);
    Set(dir + "\\a", "OnA");
    Set(dir + "\\b", "OnB");
    Set(dir + "\\c", "OnC");
    host.Call("NOT_SUSPEND", {Value::Int(0)});
    Int("NOT_STRATEGY", {Value::Int(2), Value::Int(0)});
    Logical("NOT_KILL", {Value::Int(1)});
    const std::string saved = Text("NOT_SAVEALL", {});
    EXPECT_EQ(saved.substr(0, saved.find('^')), dir + "\\a;OnA;0;1;1;1");
    host.Call("NOT_ZAPALL", {});
    EXPECT_EQ(Int("NOT_HANDLESFREE", {}), 50);
    EXPECT_TRUE(Logical("NOT_RESTOREALL", {Value::Char(saved)}));
    EXPECT_EQ(Int("NOT_HANDLESFREE", {}), 48);
    EXPECT_EQ(Text("NOT_INFO", {Value::Int(1), Value::Int(2)}), "OnC") << "the gap closes up";
    EXPECT_TRUE(One("NOT_INFO", {Value::Int(0), Value::Int(5)}).logical) << "still suspended";
    EXPECT_EQ(One("NOT_INFO", {Value::Int(1), Value::Int(6)}).integer, 0) << "its strategy";
}

// Unloading the library closes every notification and stops the poll: no
// tick reaches the host afterwards.
TEST_F(NotificationTest, UnloadStopsEverything) {
    Set(dir);
    host.Unload();
    Touch("after.txt");
    host.Pump(200);
    EXPECT_TRUE(commands.empty());
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    EXPECT_EQ(Text("NOT_LASTERROR", {}), "") << "empty at load";
    EXPECT_EQ(Int("NOT_HANDLESFREE", {}), 50);
    EXPECT_FALSE(Logical("NOT_ISTIMER", {}));
    EXPECT_EQ(Int("NOT_FREQUENCY", {}), 5000);
}

}  // namespace
}  // namespace tarvo::test
