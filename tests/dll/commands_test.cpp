// Commands, command files and expressions through the library, with a host
// whose command service records what it is asked to run: the count, the
// command log, the step command, the tracing file and the last evaluation
// error as the handlers keep them.
#include <string>
#include <vector>

#include "files_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

class CommandsTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        // Commands starting with BAD fail with error 16; the others succeed.
        host.hooks.executeCommand = [this](const std::string& command) {
            ran.push_back(command);
            if (command == "NESTED") Logical("DDA_EXECUTE", {C("INNER")});
            return command.rfind("BAD", 0) == 0 ? 16 : 0;
        };
    }
    std::int32_t Count() { return Int("DDA_COUNT", {}); }
    // Runs a file of these bytes; answers the commands the host was asked for.
    std::vector<std::string> RunFile(const char* name, const std::string& bytes) {
        WriteAll(At("file.txt"), bytes);
        ran.clear();
        EXPECT_TRUE(Logical(name, {C(At("file.txt"))}));
        return ran;
    }
    std::vector<std::string> ran;
};

using Texts = std::vector<std::string>;

TEST_F(CommandsTest, CountAndStepCommand) {
    Int("DDA_COUNT", {I(6)});
    EXPECT_FALSE(Logical("DDA_EXECUTE", {C("BAD")}));
    EXPECT_EQ(Count(), 7) << "a failed command counts too";

    // While stepping is on, the step command follows every command,
    // uncounted; commands it sends itself do not step again.
    EXPECT_TRUE(Logical("DDA_SETSTO", {C("STEP")}));
    Logical("DDA_STOP", {Value::Logical(true)});
    ran.clear();
    EXPECT_TRUE(Logical("DDA_EXECUTE", {C("y")}));
    EXPECT_EQ(ran, (Texts{"y", "STEP"}));
    EXPECT_EQ(Count(), 8);
    Logical("DDA_SETSTO", {C("NESTED")});
    ran.clear();
    Logical("DDA_EXECUTE", {C("z")});
    EXPECT_EQ(ran, (Texts{"z", "NESTED", "INNER"}));
    EXPECT_EQ(Count(), 10) << "the inner command counts, the step command does not";
    Logical("DDA_SETSTO", {C("")});
    ran.clear();
    Logical("DDA_EXECUTE", {C("w")});
    EXPECT_EQ(ran, Texts{"w"}) << "an empty step command is not sent";

    Logical("DDA_SETSTO", {C("STEP")});
    EXPECT_TRUE(Logical("DDA_STOP", {Value::Logical(false)}));
    ran.clear();
    Logical("DDA_EXECUTE", {C("v")});
    EXPECT_EQ(ran, Texts{"v"});

    EXPECT_TRUE(Logical("DDA_SETSTO", {C(std::string(600, 's'))}));
    EXPECT_EQ(Text("DDA_GETSTO", {}), std::string(511, 's'));
    EXPECT_EQ(Int("DDA_COUNT", {I(-2147483647 - 1)}), 12);
    EXPECT_EQ(Count(), -2147483647 - 1);
}

TEST_F(CommandsTest, FailuresGoToTheCommandLog) {
    EXPECT_EQ(Text("DDA_GETLOG", {}), "");
    const std::string log = At("commands.log");
    EXPECT_TRUE(Logical("DDA_SETLOG", {C(log)}));
    EXPECT_TRUE(Exists(log)) << "a new log is made";
    EXPECT_EQ(Text("DDA_GETLOG", {}), log);
    Logical("DDA_EXECUTE", {C("BAD 1")});
    Logical("DDA_EXECUTE", {C("good")});
    Logical("DDA_SETSTO", {C("BAD STEP")});
    Logical("DDA_STOP", {Value::Logical(true)});
    Logical("DDA_EXECUTE", {C("BAD 2")});
    Logical("DDA_STOP", {Value::Logical(false)});
    EXPECT_TRUE(Logical("DDA_SETLOG", {C("")}));
    EXPECT_EQ(ReadAll(log), "16 ... BAD 1\r\n16 ... BAD 2\r\n") << "the step command is not logged";
    Logical("DDA_EXECUTE", {C("BAD unlogged")});

    Logical("DDA_SETLOG", {C(log)});
    Logical("DDA_EXECUTE", {C("BAD 3")});
    Logical("DDA_SETLOG", {C(At("other.log"))});
    Logical("DDA_EXECUTE", {C("BAD 4")});
    EXPECT_EQ(ReadAll(log), "16 ... BAD 1\r\n16 ... BAD 2\r\n16 ... BAD 3\r\n")
        << "an existing log is appended to, and closed when another is set";
    EXPECT_EQ(ReadAll(At("other.log")), "16 ... BAD 4\r\n");
    // The host aborting the close of the old log ends the call there: no
    // answer, and the new log is not made.
    host.trace.clear();
    Logical("DDA_SETLOG", {C(At("other.log"))});
    std::size_t close = 0;
    while (close < host.trace.size() && host.trace[close].code != kSvcHostFileClose) ++close;
    ASSERT_LT(close, host.trace.size());
    host.faults.abortAtService = static_cast<int>(close) + 1;
    run::Outcome aborted = host.Call("DDA_SETLOG", {C(At("third.log"))});
    host.faults.abortAtService = 0;
    EXPECT_EQ(aborted.error, 1);
    EXPECT_FALSE(aborted.hasValue());
    EXPECT_FALSE(Exists(At("third.log")));
    EXPECT_EQ(Text("DDA_GETLOG", {}), At("third.log"));
    EXPECT_FALSE(Logical("DDA_EXECUTE", {C("BAD 5")})) << "and logs nothing";
    EXPECT_EQ(ReadAll(At("other.log")), "16 ... BAD 4\r\n");
    host.channels.CloseAll();  // the host kept the channel it refused to close

    // A name is kept to 511 characters; one the host cannot open logs nothing.
    const std::string long_name(600, 'n');
    EXPECT_TRUE(Logical("DDA_SETLOG", {C(long_name)}));
    EXPECT_EQ(Text("DDA_GETLOG", {}), std::string(511, 'n'));
    EXPECT_FALSE(Logical("DDA_EXECUTE", {C("BAD 6")}));
    EXPECT_EQ(host.channels.open(), 0);
}

TEST_F(CommandsTest, UnloadClosesTheCommandLogButNotTheTracingFile) {
    Logical("DDA_SETLOG", {C(At("commands.log"))});
    Logical("TRA_SETLOG", {C(At("trace.txt"))});
    host.trace.clear();
    host.Unload();
    int closes = 0;
    for (const run::Trace& t : host.trace) closes += t.code == kSvcHostFileClose;
    EXPECT_EQ(closes, 1);
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    EXPECT_EQ(Text("DDA_GETLOG", {}), "");
    EXPECT_EQ(Text("TRA_GETLOG", {}), "");
}

TEST_F(CommandsTest, TracingFile) {
    run::Outcome o = host.Call("TRA_LOG", {C("nowhere")});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "TRA_LOG answers no value";
    const std::string first = At("trace.txt"), second = At("trace2.txt");
    WriteAll(first, "earlier\r\n");
    EXPECT_TRUE(Logical("TRA_SETLOG", {C(first)}));
    host.Call("TRA_LOG", {C("one\0hidden"s)});
    host.Call("TRA_LOG", {C("")});
    EXPECT_TRUE(Logical("TRA_SETTRACINGFILE", {C(second)}));
    host.Call("TRA_LOG", {C("two")});
    EXPECT_EQ(Text("TRA_GETTRACINGFILE", {}), second);
    Logical("DDA_EXECUTE", {C("BAD")});
    Logical("TRA_SETLOG", {C("")});
    EXPECT_EQ(ReadAll(first), "earlier\r\none\r\n\r\n");
    EXPECT_EQ(ReadAll(second), "two\r\n") << "failed commands go to the command log only";
    Logical("TRA_SETLOG", {C(std::string(300, 't'))});
    EXPECT_EQ(Text("TRA_GETLOG", {}), std::string(255, 't'));
    Logical("TRA_SETLOG", {C("")});
}

TEST_F(CommandsTest, CommandFiles) {
    Int("DDA_COUNT", {I(0)});
    EXPECT_EQ(RunFile("DDA_FILEXE", "x = 1 ;\r\n// only a comment\r\na // c\r\n\r\nBAD 9\r\nlast;"),
              (Texts{"x = 1 ", "a", "", "BAD 9"}));
    EXPECT_EQ(Count(), 4) << "the empty line counts; the last line's continuation never ran";
    EXPECT_EQ(RunFile("DDA_EXECUTEFILE", "one;\ntwo\n"), Texts{"onetwo"});
    EXPECT_EQ(RunFile("EXECUTEFILE", std::string(600, 'q') + "\r\nnext"),
              (Texts{std::string(511, 'q'), "next"}));
    EXPECT_EQ(RunFile("DDA_FILEEXECUTE", ""), Texts{});

    ran.clear();
    EXPECT_TRUE(Logical("DDA_EXECUTEFILE", {C(At("missing.txt"))}));
    EXPECT_TRUE(ran.empty());

    // A command file that is also the command log ends, and runs none of
    // the lines its commands add to it. (The host's stdio channels under
    // Wine lose the reading position of a file another channel grows, so
    // how many of the first lines ran is not fixed here.)
    const std::string log = At("both.txt");
    WriteAll(log, "BAD a\r\nBAD b\r\n");
    Logical("DDA_SETLOG", {C(log)});
    ran.clear();
    EXPECT_TRUE(Logical("DDA_EXECUTEFILE", {C(log)}));
    Logical("DDA_SETLOG", {C("")});
    ASSERT_GE(ran.size(), 1u);
    ASSERT_LE(ran.size(), 2u);
    std::string expected = "BAD a\r\nBAD b\r\n";
    for (const std::string& command : ran) expected += "16 ... " + command + "\r\n";
    EXPECT_EQ(ReadAll(log), expected);
    EXPECT_EQ(ran[0], "BAD a");
}

TEST_F(CommandsTest, SnapInFiles) {
    const char* snapIn = "DDA_EXECUTESNAPIN";
    EXPECT_EQ(RunFile(snapIn, "QX1.0 my tools\r\nfirst ;\r\nsecond\r\n"), Texts{"first second"});
    EXPECT_EQ(RunFile(snapIn, "QX1.0\r\n\r\n"), Texts{""});
    EXPECT_EQ(RunFile(snapIn, "QX1.0\r\n"), Texts{}) << "nothing after the signature";
    EXPECT_EQ(RunFile(snapIn, "QX1.0"), Texts{});
    EXPECT_EQ(RunFile(snapIn, "x = 1\r\ny = 2\r\n"), Texts{}) << "no signature";
    EXPECT_EQ(RunFile(snapIn, " QX1.0\r\ny = 2\r\n"), Texts{});
    EXPECT_EQ(RunFile(snapIn, ""), Texts{});
}

TEST_F(CommandsTest, AnAbortedCommandClosesTheFile) {
    host.faults.abortCommand = "ABORT";
    WriteAll(At("file.txt"), "a\r\nABORT\r\nb\r\n");
    ran.clear();
    run::Outcome o = host.Call("DDA_EXECUTEFILE", {C(At("file.txt"))});
    EXPECT_EQ(o.error, 10);
    EXPECT_EQ(ran, Texts{"a"});
    EXPECT_EQ(host.channels.open(), 0);
}

TEST_F(CommandsTest, EvaluationKeepsTheLastError) {
    host.hooks.evaluate = [](const std::string& e, Value& out) {
        if (e == "6 * 7") out = Value::Int(42);
        else if (e == "name") out = Value::Char("Ann");
        else if (e == "1.5") out = Value::Num(1.5, 1);
        else return 10;
        return 0;
    };
    host.hooks.errorText = [](int n) { return "Error text " + std::to_string(n) + "."; };
    Logical("DDA_SETLOG", {C(At("eval.log"))});
    Int("DDA_COUNT", {I(0)});
    EXPECT_EQ(Int("DDA_EVALUA", {C("6 * 7")}), 42);
    const int before = host.HandlesInUse();
    EXPECT_EQ(Text("DDA_EVALUATE", {C("name")}), "Ann");
    EXPECT_EQ(host.HandlesInUse(), before) << "the host's text block went back to it";
    run::Returned n = Record("DDA_EVALUATE", {C("1.5")});
    EXPECT_EQ(n.type, 'N');
    EXPECT_EQ(n.value.number, 1.5);

    EXPECT_FALSE(Logical("DDA_EVALUATE", {C("1 +")}));
    EXPECT_EQ(Int("DDA_ERROR", {}), 10);
    EXPECT_EQ(Int("DDA_EXTENDEDERROR", {}), 10) << "the host's answer for the error";
    EXPECT_EQ(Text("DDA_EXTENDEDERRORMESSAGE", {}), "Error text 10.");
    EXPECT_EQ(Count(), 4) << "every evaluation counts";
    EXPECT_EQ(Int("DDA_EVALUA", {C("6 * 7")}), 42);
    EXPECT_EQ(Int("DDA_ERROR", {}), 0) << "a success clears the error";
    EXPECT_EQ(Int("DDA_EXTENDEDERROR", {}), 0);
    EXPECT_EQ(Text("DDA_EXTENDEDERRORMESSAGE", {}), "");
    Logical("DDA_SETLOG", {C("")});
    EXPECT_EQ(ReadAll(At("eval.log")), "10 ... 1 +\r\n");
}

}  // namespace
}  // namespace tarvo::test
