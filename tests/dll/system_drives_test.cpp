// Drives and volumes beyond one call: the volume error flag, the current
// drive, drive letters in every form, labels, the format dialog (never
// opened: its Windows function is replaced here) and bad input.
#include <windows.h>

#include <direct.h>
#include <shlobj.h>

#include <string>

#include "system_test.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

class DriveTest : public SystemTest {
  protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, saved_);
        SystemTest::SetUp();
    }
    void TearDown() override {
        SystemTest::TearDown();
        SetCurrentDirectoryA(saved_);
    }

  private:
    char saved_[MAX_PATH] = {};
};

TEST_F(DriveTest, VolumeErrorFlagIsSetByEachQueryAndClearedByReading) {
    EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 0");  // after loading
    const struct {
        const char* name;
        std::vector<Value> args;
        const char* failure;
    } queries[] = {
        {"SYS_VOLUME", {C("Q:\\"), I(1)}, "L .F."},       {"SYS_VOLUMENAME", {C("Q:\\")}, "C "},
        {"SYS_FILESYSTEMNAME", {C("Q:\\")}, "C "},        {"SYS_VOLUMESERIAL", {C("Q:\\")}, "I -1"},
        {"SYS_MAXFILELENGTH", {C("Q:\\")}, "I -1"},       {"SYS_ISFILECASEPRESERVED", {C("Q:\\")}, "L .F."},
        {"SYS_ISFILECASESENSITIVE", {C("Q:\\")}, "L .F."}, {"SYS_ISUNICODEONDISK", {C("Q:\\")}, "L .F."},
        {"SYS_DOESSUPPORTCOMPRESSION", {C("Q:\\")}, "L .F."}, {"SYS_ISCOMPRESSED", {C("Q:\\")}, "L .F."},
    };
    for (const auto& q : queries) {
        SCOPED_TRACE(q.name);
        EXPECT_EQ(Ask(q.name, q.args), q.failure);
        EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 1");
        std::vector<Value> good = q.args;
        good[0] = C("C:\\");
        Ask(q.name, good);
        EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 0");
    }
    // Functions that are no volume query leave the flag alone.
    EXPECT_EQ(Ask("SYS_VOLUME", {C("C:\\"), I(0)}), "L .F.");
    Ask("SYS_DRIVETYPE", {C("Q:\\")});
    Ask("SYS_DISKSPACE", {C("Q:\\")});
    EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 1");
}

TEST_F(DriveTest, CurrentDriveByFirstLetter) {
    EXPECT_EQ(Ask("SYS_SETDRI", {C("f:\\anything")}), "L .T.");
    EXPECT_EQ(_getdrive(), 6);
    EXPECT_EQ(Ask("SYS_CURDRI", {}), "C F");
    EXPECT_EQ(Ask("SYS_SETDRI", {C("C")}), "L .T.");
    EXPECT_EQ(_getdrive(), 3);
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    EXPECT_EQ(Ask("SYS_GETCURRENTDIRECTORY", {}), AnswerOf(folder));
    // A missing drive, and texts that start with no letter: nothing changes.
    for (const char* no : {"q", "", "[", "@", "\xC9"}) {
        EXPECT_EQ(Ask("SYS_SETDRI", {C(no)}), "L .F.") << no;
        EXPECT_EQ(_getdrive(), 3) << no;
    }
}

// The number is taken modulo 256; code 0 stays one character.
TEST_F(DriveTest, DriveLettersOfNumbers) {
    EXPECT_EQ(Ask("SYS_MAKEDRIVE", {I(257)}), "C A");
    const run::Returned r = Record("SYS_MAKEDRIVE", {I(-64)});
    EXPECT_EQ(r.value.text, std::string(1, '\0'));
}

TEST_F(DriveTest, ErrorModeAndReadinessLeaveTheModeAsItWas) {
    const UINT before = SetErrorMode(0);
    EXPECT_EQ(Ask("SYS_ERRHAN", {I(SEM_FAILCRITICALERRORS)}), "I 0");
    EXPECT_EQ(SetErrorMode(0), static_cast<UINT>(SEM_FAILCRITICALERRORS));
    for (const char* drive : {"C", "q:", "", "r:\\"}) {
        Ask("SYS_ISDRIVEREADY", {C(drive)});
        EXPECT_EQ(SetErrorMode(0), 0u) << drive;
    }
    SetErrorMode(before);
}

TEST_F(DriveTest, LabelsOnlyOfDrivesThatExist) {
    // F: is a folder of the build, never C:.
    EXPECT_EQ(Ask("SYS_SETVOL", {C("F:\\"), C("TARVO")}), "L .T.");
    EXPECT_EQ(Ask("SYS_SETVOLUMELABEL", {C("F:\\"), C("")}), "L .T.");  // removed again
    EXPECT_EQ(Ask("SYS_SETVOL", {C("Q:\\"), C("TARVO")}), "L .F.");
    EXPECT_EQ(Ask("SYS_SETVOL", {C(std::string(300, 'x')), C("TARVO")}), "L .F.");
}

// SYS_FORMATDRIVE opens the shell's format dialog: the dialog is replaced
// here, and shows what the library asks of it. SYS_FORMAT never asks.
struct FormatCall {
    int count = 0;
    HWND owner = nullptr;
    UINT drive = 0, format = 0, options = 0;
};
FormatCall g_format;
DWORD WINAPI FakeFormatDrive(HWND owner, UINT drive, UINT format, UINT options) {
    g_format = {g_format.count + 1, owner, drive, format, options};
    return SHFMT_NOFORMAT;
}

TEST_F(DriveTest, FormatDialogIsAskedWithTheDriveIndex) {
    g_format = {};
    Stand("SHELL32.dll", "SHFormatDrive", &FakeFormatDrive);
    run::Outcome o = host.Call("SYS_FORMATDRIVE", {I(2)});
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(g_format.count, 1);
    EXPECT_EQ(g_format.owner, GetActiveWindow());
    EXPECT_EQ(g_format.drive, 2u);
    EXPECT_EQ(g_format.format, static_cast<UINT>(SHFMT_ID_DEFAULT));
    EXPECT_EQ(g_format.options, 0u);
    host.Call("SYS_FORMATDRIVE", {I(-1)});
    EXPECT_EQ(g_format.drive, 0xFFFFFFFFu);  // passed on as it came
    o = host.Call("SYS_FORMAT", {C("a:")});
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(o.error, 0);
    EXPECT_EQ(g_format.count, 2);
}

// Empty, 300-character and unusual drive texts: the failure answers, no
// handle left open. The companion library takes the empty text for the
// current drive; Windows' own calls take it for no root.
TEST_F(DriveTest, BadDriveTextsAnswerFailures) {
    const std::string long300(300, 'x');
    // The second round opens no handle the first did not: Windows keeps
    // some of its own the first time it meets a network path.
    int handles = 0;
    for (int round = 0; round < 2; ++round) {
        if (round == 1) handles = OpenHandles();
        for (const std::string& bad : {std::string(""), long300, std::string("\\\\nosuchserver\\share\\"),
                                       std::string("C:\\windows\\")}) {
            SCOPED_TRACE(bad.size());
            EXPECT_EQ(Ask("SYS_VOLUME", {C(bad), I(1)}), "L .F.");
            EXPECT_EQ(Ask("SYS_ISFILECASEPRESERVED", {C(bad)}), "L .F.");
            EXPECT_EQ(Ask("SYS_DRIVETYPE", {C(bad)}), AnswerOf(static_cast<std::int32_t>(GetDriveTypeA(bad.c_str()))));
            EXPECT_EQ(Ask("SYS_ISFIXE", {C(bad)}), AnswerOf(GetDriveTypeA(bad.c_str()) == DRIVE_FIXED));
            EXPECT_EQ(Ask("SYS_MEDIATYPE", {C(bad)}), "I -1");
            if (bad.empty()) continue;
            EXPECT_EQ(Ask("SYS_VOLUMENAME", {C(bad)}), "C ");
            EXPECT_EQ(Ask("SYS_VOLUMESERIAL", {C(bad)}), "I -1");
            EXPECT_EQ(Ask("SYS_MAXFILELENGTH", {C(bad)}), "I -1");
            if (bad[1] != ':') EXPECT_EQ(Ask("SYS_DISKSPACE", {C(bad)}), "I 0");
        }
        const std::string current(1, static_cast<char>('@' + _getdrive()));
        for (const char* name : {"SYS_VOLUMESERIAL", "SYS_MAXFILELENGTH", "SYS_TOTCLU", "SYS_BYTSEC"})
            EXPECT_EQ(Ask(name, {C("")}), Ask(name, {C(current)})) << name;
        // The 300 x's start with x: the letter X, which the prefix does not have.
        EXPECT_EQ(Ask("SYS_ISDRIVEREADY", {C(long300)}), "L .F.");
        EXPECT_EQ(Ask("SYS_DOESDRIVEEXIST", {C(long300)}), "L .F.");
        EXPECT_EQ(Ask("SYS_SETDRI", {C(long300)}), "L .F.");
    }
    EXPECT_EQ(OpenHandles(), handles);
}

// Without KERNEL.DLL the companion's questions fail: no names, -1 and the
// volume error flag, counts of 0. Windows' own calls answer as ever, and
// the letters still name their drives (upper-cased or not, modulo 32).
using DriveWithoutCompanion = WithoutCompanion<DriveTest>;

TEST_F(DriveWithoutCompanion, CompanionAnswersFailAndLettersStillWork) {
    EXPECT_EQ(Ask("SYS_VOLUMENAME", {C("C:\\")}), "C ");
    EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 1");
    EXPECT_EQ(Ask("SYS_FILESYSTEMNAME", {C("C:\\")}), "C ");
    EXPECT_EQ(Ask("SYS_VOLUMESERIAL", {C("C:\\")}), "I -1");
    EXPECT_EQ(Ask("SYS_MAXFILELENGTH", {C("C:\\")}), "I -1");
    for (const char* count : {"SYS_DSKSPA", "SYS_DISKSIZE", "SYS_TOTCLU", "SYS_AVACLU", "SYS_SECCLU", "SYS_BYTSEC"})
        EXPECT_EQ(Ask(count, {C("C:\\")}), "I 0") << count;
    char fileSystem[256] = {};
    ASSERT_TRUE(GetVolumeInformationA("C:\\", nullptr, 0, nullptr, nullptr, nullptr, fileSystem, sizeof fileSystem));
    EXPECT_EQ(Ask("SYS_VOLUME", {C("C:\\"), I(5)}), AnswerOf(fileSystem));
    EXPECT_EQ(Ask("SYS_DOESDRIVEEXIST", {C("c")}), "L .T.");
    EXPECT_EQ(Ask("SYS_ISDRIVEREADY", {C("c")}), "L .T.");
    EXPECT_EQ(Ask("SYS_SETDRI", {C("f")}), "L .T.");
    EXPECT_EQ(Ask("SYS_CURDRI", {}), "C F");
}

}  // namespace
}  // namespace tarvo::test
