// The settings records and the miscellaneous functions through the library:
// each row reaches its own field, with the answer order and the result
// record its kind has, and the version strings of the project's own DLLs.
#include <string>

#include "dll_test.h"
#include "host/version.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

Value C(std::string s) { return Value::Char(std::move(s)); }
Value L(bool b) { return Value::Logical(b); }

using SettingsTest = DllTest;

TEST_F(SettingsTest, TextFieldsByRecord) {
    // Desktop, font and help texts answer the value stored; user and
    // version texts the value before the call.
    for (const char* name : {"DSK_CARGO", "DSK_TITLE", "DSK_FILL", "DSK_CENTER", "FNT_CARGO",
                             "FNT_NAME", "HLP_CARGO", "HLP_TOPIC"}) {
        EXPECT_EQ(Text(name, {}), "") << name;
        EXPECT_EQ(Text(name, {C(name)}), name) << name;
        EXPECT_EQ(Text(name, {}), name) << name;
    }
    for (const char* name : {"USR_CARGO", "USR_NAME", "USR_CMPANY", "VER_CARGO", "VER_NAME",
                             "VER_AUTHOR", "VER_CPYRIG", "VER_INI", "VER_DATE"}) {
        EXPECT_EQ(Text(name, {C(name)}), "") << name;
        EXPECT_EQ(Text(name, {C("x")}), name) << name;
        EXPECT_EQ(Text(name, {}), "x") << name;
    }
    // Aliases share their field; a text is taken up to its first zero byte
    // and cut to the field's capacity.
    Text("USR_COMPANY", {C("Acme\0hidden"s)});
    EXPECT_EQ(Text("USERCOMPANY", {}), "Acme");
    Text("VER_COPYRIGHTS", {C(std::string(100, 'c'))});
    EXPECT_EQ(Text("VER_CPYRIG", {}), std::string(70, 'c'));
    EXPECT_EQ(Text("DSK_TITLE", {C(std::string(300, 't'))}), std::string(264, 't'));
    EXPECT_EQ(Text("FNT_NAME", {C(std::string(50, 'f'))}), std::string(42, 'f'));
}

TEST_F(SettingsTest, ValueFieldsAnswerThePreviousValue) {
    for (const char* name : {"FNT_SIZE", "HLP_CODE", "USR_NO", "USR_LEVEL", "VER_MAJOR",
                             "VER_MINOR", "VER_COUNTE"}) {
        EXPECT_EQ(Int(name, {Value::Int(7)}), 0) << name;
        EXPECT_EQ(Int(name, {Value::Int(-1)}), 7) << name;
        EXPECT_EQ(Int(name, {}), -1) << name;
    }
    EXPECT_EQ(Int("VER_COUNTER", {}), -1);
    EXPECT_EQ(Int("VER_APPLCOUNTER", {}), -1);

    run::Returned height = Record("DSK_HEIGHT", {Value::Num(480.25, 2)});
    EXPECT_EQ(height.type, 'N');
    EXPECT_EQ(height.width, 20);
    EXPECT_EQ(height.length, 4) << "4 decimals";
    EXPECT_EQ(height.value.number, 0);
    EXPECT_EQ(One("DSK_HEIGHT", {}).number, 480.25);
    One("DSK_WIDTH", {Value::Num(-640, 0)});
    EXPECT_EQ(One("DSK_WIDTH", {}).number, -640);
    EXPECT_FALSE(Logical("DSK_MAXIMI", {L(true)}));
    EXPECT_TRUE(Logical("DSK_MAXIMI", {}));
}

TEST_F(SettingsTest, InitClearsItsOwnRecordButTheUsersLevel) {
    Text("DSK_TITLE", {C("t")});
    Text("FNT_NAME", {C("f")});
    Text("HLP_TOPIC", {C("h")});
    Text("USR_NAME", {C("u")});
    Int("USR_NO", {Value::Int(4)});
    Int("USR_LEVEL", {Value::Int(3)});
    Text("VER_NAME", {C("v")});
    Logical("VER_BETA", {L(true)});

    EXPECT_TRUE(Logical("DSK_INIT", {}));
    EXPECT_EQ(Text("DSK_TITLE", {}), "");
    EXPECT_EQ(Text("FNT_NAME", {}), "f") << "the other records keep theirs";
    EXPECT_TRUE(Logical("FNT_INIT", {}));
    EXPECT_EQ(Text("FNT_NAME", {}), "");
    EXPECT_TRUE(Logical("HLP_INIT", {}));
    EXPECT_EQ(Text("HLP_TOPIC", {}), "");
    EXPECT_TRUE(Logical("USR_INIT", {}));
    EXPECT_EQ(Text("USR_NAME", {}), "");
    EXPECT_EQ(Int("USR_NO", {}), 0);
    EXPECT_EQ(Int("USR_LEVEL", {}), 3) << "USR_INIT keeps the level";
    EXPECT_EQ(Text("VER_NAME", {}), "v");
    EXPECT_TRUE(Logical("VER_INIT", {}));
    EXPECT_EQ(Text("VER_NAME", {}), "");
    EXPECT_FALSE(Logical("VER_BETA", {}));
}

TEST_F(SettingsTest, ReleaseFlagsExcludeOneAnother) {
    EXPECT_FALSE(Logical("VER_ALPHA", {L(true)}));
    EXPECT_FALSE(Logical("VER_BETA", {L(true)}));
    EXPECT_FALSE(Logical("VER_ALPHA", {})) << "storing .T. in VER_BETA cleared VER_ALPHA";
    EXPECT_FALSE(Logical("VER_PREREL", {L(true)}));
    EXPECT_FALSE(Logical("VER_BETA", {}));
    EXPECT_FALSE(Logical("VER_BETA", {L(false)}));
    EXPECT_TRUE(Logical("VER_PREREL", {})) << "storing .F. leaves the others";
}

TEST_F(SettingsTest, MiscellaneousAnswers) {
    for (int n = 0; n <= 10; ++n) {
        std::vector<run::Arg> args;
        for (int k = 0; k < n; ++k)
            args.push_back(run::ByValue(k % 3 == 0 ? C("x") : k % 3 == 1 ? Value::Int(k) : L(false)));
        run::Outcome t = host.Call("MIS_TRUE", args), f = host.Call("MIS_FALSE", args);
        ASSERT_EQ(t.returns.size(), 1u);
        ASSERT_EQ(f.returns.size(), 1u);
        EXPECT_EQ(t.returns[0].type, 'L');
        EXPECT_TRUE(t.value().logical) << n;
        EXPECT_FALSE(f.value().logical) << n;
    }
    EXPECT_EQ(Int("MIS_MAJOR", {}), 5);
    EXPECT_EQ(Int("MIS_MINOR", {}), 7);
    EXPECT_EQ(Text("MIS_VERS", {}), "TARVO.FLL - Dasquin - 03 August 1998 17:25-v5.07");
    EXPECT_EQ(Int("MIS_KNLMAJOR", {}), 1);
    EXPECT_EQ(Int("MIS_KNLMINOR", {}), 0);
    EXPECT_EQ(Text("MIS_KNLVERSION", {}), "KERNEL 1.0");

    run::Returned bmi = Record("MIS_BODYMASSINDEX", {Value::Int(70), Value::Int(175)});
    EXPECT_EQ(bmi.type, 'N');
    EXPECT_EQ(bmi.width, 20);
    EXPECT_EQ(bmi.length, 4);
    EXPECT_NEAR(bmi.value.number, 22.8571, 0.0001);
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
    EXPECT_EQ(info(fll, 3), "TARVO.fll");
    EXPECT_EQ(info(fll, 4), "TARVO extension library");
    EXPECT_EQ(info(fll, 6), "TARVO project");
    EXPECT_EQ(info(fll, 9), "TARVO");
    EXPECT_EQ(info(kernel, 3), "KERNEL.DLL");
    EXPECT_EQ(info(kernel, 5), TARVO_VERSION_TEXT);
    EXPECT_EQ(info(fll, 12), "") << "a string the resource lacks";
    EXPECT_EQ(info(fll, 0), "");
    EXPECT_EQ(info(fll, 13), "");
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
