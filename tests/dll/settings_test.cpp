// The settings records and the miscellaneous functions through the library:
// each row reaches its own field, with the answer order and the result
// record its kind has, and the version strings of the project's own DLLs.
#include <string>
#include <utility>

#include "dll_test.h"
#include "host/version.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

Value C(std::string s) { return Value::Char(std::move(s)); }

using SettingsTest = DllTest;

// Each row's own field is shown by its example; here the capacities, the
// first zero byte, aliases sharing a field, and the records kept apart.
TEST_F(SettingsTest, TextsCutToTheirFields) {
    Text("USR_COMPANY", {C("Acme\0hidden"s)});
    EXPECT_EQ(Text("USERCOMPANY", {}), "Acme");
    Text("VER_COPYRIGHTS", {C(std::string(100, 'c'))});
    EXPECT_EQ(Text("VER_CPYRIG", {}), std::string(70, 'c'));
    const std::pair<const char*, std::size_t> fields[] = {
        {"DSK_CARGO", 256}, {"DSK_TITLE", 264}, {"DSK_FILL", 64},    {"DSK_CENTER", 64},
        {"FNT_CARGO", 256}, {"FNT_NAME", 42},   {"HLP_CARGO", 256},  {"HLP_TOPIC", 282},
        {"USR_CARGO", 256}, {"USR_NAME", 60},   {"USR_CMPANY", 61},  {"VER_CARGO", 256},
        {"VER_NAME", 60},   {"VER_AUTHOR", 40}, {"VER_CPYRIG", 70},  {"VER_INI", 64},
        {"VER_DATE", 20}};
    for (const auto& [name, capacity] : fields) {
        Text(name, {C(std::string(400, 'x'))});
        EXPECT_EQ(Text(name, {}), std::string(capacity, 'x')) << name;
    }
}

// A text that cannot be made zero-terminated (error 182) stores nothing;
// a field that answers its value before the call has answered it already.
TEST_F(SettingsTest, TextsWithoutMemoryComeAfterOrBeforeTheAnswer) {
    Text("USR_NAME", {C("old")});
    Text("DSK_TITLE", {C("old")});
    auto starved = [&](const char* name) {
        host.hostile = true;
        host.resizeCount = 0;
        host.faults.failResizeAt = 1;
        run::Outcome o = host.Call(name, {C("new")});
        host.hostile = HostileRun();
        host.faults.failResizeAt = 0;
        return o;
    };
    run::Outcome previous = starved("USR_NAME");
    EXPECT_EQ(previous.error, 182);
    ASSERT_EQ(previous.returns.size(), 1u);
    EXPECT_EQ(previous.value().text, "old");
    run::Outcome stored = starved("DSK_TITLE");
    EXPECT_EQ(stored.error, 182);
    EXPECT_TRUE(stored.returns.empty());
    EXPECT_EQ(Text("USR_NAME", {}), "old");
    EXPECT_EQ(Text("DSK_TITLE", {}), "old");
}

TEST_F(SettingsTest, InitClearsItsOwnRecordButTheUsersLevel) {
    Text("DSK_TITLE", {C("t")});
    Text("FNT_NAME", {C("f")});
    Text("USR_NAME", {C("u")});
    Int("USR_NO", {Value::Int(4)});
    Text("VER_NAME", {C("v")});
    EXPECT_TRUE(Logical("DSK_INIT", {}));
    EXPECT_EQ(Text("DSK_TITLE", {}), "");
    EXPECT_EQ(Text("FNT_NAME", {}), "f") << "the other records keep theirs";
    EXPECT_TRUE(Logical("USR_INIT", {}));
    EXPECT_EQ(Int("USR_NO", {}), 0);
    EXPECT_EQ(Text("VER_NAME", {}), "v");
}

TEST_F(SettingsTest, MiscellaneousAnswers) {
    for (int n = 0; n <= 10; ++n) {
        std::vector<run::Arg> args;
        for (int k = 0; k < n; ++k)
            args.push_back(run::ByValue(k % 3 == 0 ? C("x") : k % 3 == 1 ? Value::Int(k) : Value::Logical(false)));
        run::Outcome t = host.Call("MIS_TRUE", args), f = host.Call("MIS_FALSE", args);
        ASSERT_EQ(t.returns.size(), 1u);
        ASSERT_EQ(f.returns.size(), 1u);
        EXPECT_EQ(t.returns[0].type, 'L');
        EXPECT_TRUE(t.value().logical) << n;
        EXPECT_FALSE(f.value().logical) << n;
    }
    run::Outcome zero = host.Call("MIS_BODYMASSINDEX", {Value::Int(70), Value::Int(0)});
    EXPECT_EQ(zero.error, 0) << "a height of 0 is no error";
}

TEST_F(SettingsTest, VersionStringsOfOurOwnLibraries) {
    const std::string fll = BesideExe("TARVO.fll"), kernel = BesideExe("KERNEL.DLL");
    auto info = [&](const std::string& file, int index) {
        return Text("VER_GETFILEVERSIONINFO", {C(file), Value::Int(index)});
    };
    EXPECT_EQ(info(fll, 1), "TARVO");
    EXPECT_EQ(info(fll, 2), TARVO_VERSION_TEXT);
    EXPECT_EQ(info(fll, 4), "TARVO extension library");
    EXPECT_EQ(info(fll, 6), "TARVO project");
    EXPECT_EQ(info(fll, 9), "TARVO");
    EXPECT_EQ(info(kernel, 3), "KERNEL.DLL");
    EXPECT_EQ(info(kernel, 5), TARVO_VERSION_TEXT);
    EXPECT_EQ(info(fll, 12), "") << "a string the resource lacks";
    EXPECT_EQ(info(fll, 0), "");
    EXPECT_EQ(info(fll, -1), "");
    EXPECT_EQ(info(fll + ".missing", 1), "");
    EXPECT_EQ(info(BesideExe(""), 1), "") << "a folder";
    // Names up to 259 characters are read; longer ones are not asked for.
    const std::string folder = BesideExe("");
    auto padded = [&](std::size_t length) {
        return folder + std::string(length - folder.size() - 9, '\\') + "TARVO.fll";
    };
    EXPECT_EQ(info(padded(259), 1), "TARVO");
    EXPECT_EQ(info(padded(260), 1), "");
    EXPECT_EQ(info(std::string(65535, 'n'), 1), "");
}

// Without KERNEL.DLL its version numbers are 0 and its text empty.
using SettingsWithoutCompanion = WithoutCompanion<SettingsTest>;

TEST_F(SettingsWithoutCompanion, KernelVersionIsEmpty) {
    EXPECT_EQ(Int("MIS_KNLMAJOR", {}), 0);
    EXPECT_EQ(Int("MIS_KNLMINOR", {}), 0);
    EXPECT_EQ(Text("MIS_KNLVER", {}), "");
    EXPECT_EQ(Int("MIS_MAJOR", {}), 5) << "the library's own answers do not need it";
}

}  // namespace
}  // namespace tarvo::test
