// Drives and volumes: every drive of the test prefix, one of each kind,
// against Windows' own answers; the volume error flag, drive letters, the
// current drive, labels, the format dialog (never opened: its Windows
// function is replaced here), bad input, and the companion library missing.
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

std::string Num(std::int64_t n) { return "I " + std::to_string(static_cast<std::int32_t>(n)); }
std::int32_t Held(std::uint64_t n) { return n > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(n); }

// Each function on each drive, by root path, "x:" or the bare letter as the
// function takes it: the drive type tests, the companion's counts (bytes
// held at 2147483647) and the volume information.
TEST_F(DriveTest, EveryDriveAsWindowsAnswersIt) {
    std::string letters(1, kMissingDrive);
    for (const PrefixDrive& d : kPrefixDrives) letters += d.letter;
    for (const char letter : letters) {
        const std::string root = std::string(1, letter) + ":\\", small = {static_cast<char>(letter | 0x20), ':'};
        SCOPED_TRACE(root);
        const UINT type = GetDriveTypeA(root.c_str());
        const struct {
            const char* name;
            UINT type;
        } kinds[] = {{"SYS_ISFLOP", DRIVE_REMOVABLE}, {"SYS_ISDRIVEFIXED", DRIVE_FIXED}, {"SYS_ISREMO", DRIVE_REMOTE},
                     {"SYS_ISDRIVECD", DRIVE_CDROM},  {"ISRAMDISK", DRIVE_RAMDISK}};
        for (const auto& k : kinds) EXPECT_EQ(Ask(k.name, {C(root)}), AnswerOf(type == k.type)) << k.name;

        DWORD c[4] = {};
        ULARGE_INTEGER available{}, all{}, free{};
        const bool ready = GetDiskFreeSpaceA(root.c_str(), &c[0], &c[1], &c[2], &c[3]) != 0;
        EXPECT_EQ(ready, letter != kMissingDrive);
        GetDiskFreeSpaceExA(root.c_str(), &available, &all, &free);
        EXPECT_EQ(Ask("SYS_ISDRIVEREADY", {C(small)}), AnswerOf(ready));
        EXPECT_EQ(Ask("SYS_SECCLU", {C(small)}), Num(c[0]));
        EXPECT_EQ(Ask("BYTESPERSECTOR", {C(root)}), Num(c[1]));
        EXPECT_EQ(Ask("TOTALCLUSTERS", {C(root)}), Num(c[3]));
        EXPECT_EQ(Ask("DISKSIZE", {C(std::string(1, letter))}), Num(Held(all.QuadPart)));
        if (ready) {  // free space moves while other programs write: within 64 MB
            const double margin = 64.0 * 1024 * 1024;
            EXPECT_NEAR(Int("AVAILABLECLUSTERS", {C(root)}), static_cast<double>(c[2]), margin / (c[0] * c[1]));
            EXPECT_NEAR(Int("SYS_DSKSPA", {C(root)}), static_cast<double>(Held(available.QuadPart)), margin);
        }

        if (letter == 'Z') continue;  // Wine reads no volume of Z: (and says so on standard error)
        char label[256] = {}, fileSystem[256] = {};
        DWORD serial = 0, longest = 0, flags = 0;
        const bool ok = GetVolumeInformationA(root.c_str(), label, sizeof label, &serial, &longest, &flags,
                                              fileSystem, sizeof fileSystem) != 0;
        const std::string items[] = {AnswerOf(label), Num(serial), Num(longest), Num(flags), AnswerOf(fileSystem)};
        for (int item = 1; item <= 5; ++item)
            EXPECT_EQ(Ask("SYS_VOLUME", {C(root), I(item)}), ok ? items[item - 1] : "L .F.") << item;
        EXPECT_EQ(Ask("SYS_VOLUMENAME", {C(root)}), AnswerOf(ok ? label : ""));
        EXPECT_EQ(Ask("FSNAME", {C(root)}), AnswerOf(ok ? fileSystem : ""));
        EXPECT_EQ(Ask("SYS_VOLUMESERIAL", {C(root)}), ok ? Num(serial) : "I -1");
        EXPECT_EQ(Ask("MAXCOMPONENTLENGTH", {C(root)}), ok ? Num(longest) : "I -1");
        const struct {
            const char* name;
            DWORD flag;
        } tests[] = {{"ISFILECASEPRESERVED", FILE_CASE_PRESERVED_NAMES},
                     {"SYS_ISFILECASESENSITIVE", FILE_CASE_SENSITIVE_SEARCH},
                     {"SYS_ISUNICODEONDISK", FILE_UNICODE_ON_DISK},
                     {"SYS_DOESSUPPORTCOMPRESSION", FILE_FILE_COMPRESSION},
                     {"ISCOMPRESSED", FILE_VOLUME_IS_COMPRESSED}};
        for (const auto& t : tests) EXPECT_EQ(Ask(t.name, {C(root)}), AnswerOf(ok && (flags & t.flag))) << t.name;
    }
}

TEST_F(DriveTest, VolumeErrorFlagIsSetByEachQueryAndClearedByReading) {
    EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 0");  // after loading
    const struct {
        const char* name;
        std::vector<Value> args;
        const char* failure;
    } queries[] = {{"SYS_VOLUME", {C("Q:\\"), I(1)}, "L .F."},
                   {"SYS_MAXFILELENGTH", {C("Q:\\")}, "I -1"},
                   {"SYS_ISCOMPRESSED", {C("Q:\\")}, "L .F."}};
    for (const auto& q : queries) {
        SCOPED_TRACE(q.name);
        EXPECT_EQ(Ask(q.name, q.args), q.failure);
        EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 1");
        std::vector<Value> good = q.args;
        good[0] = C("C:\\");
        Ask(q.name, good);
        EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 0");
    }
    // An item that is none fails the query; functions that are no volume
    // query leave the flag alone.
    EXPECT_EQ(Ask("SYS_VOLUME", {C("C:\\"), I(0)}), "L .F.");
    Ask("SYS_DRIVETYPE", {C("C:\\")});
    Ask("SYS_DISKSPACE", {C("C:\\")});
    EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 1");
}

// The prefix's drives are all listed, Q: is not; a character names the
// drive of its distance from A, modulo 32 ("#" C, "3" S, "1" Q). The
// current drive is set by a text's first letter.
TEST_F(DriveTest, DriveLettersAndTheCurrentDrive) {
    const std::string letters = Text("SYS_DRIVESTRING", {});
    for (const PrefixDrive& d : kPrefixDrives) EXPECT_NE(letters.find(d.letter), std::string::npos) << d.letter;
    EXPECT_EQ(letters.find(kMissingDrive), std::string::npos);
    for (const auto& [text, exists] : {std::pair{"#", true}, {"3", true}, {"m:", true}, {"1", false}, {"", false}})
        EXPECT_EQ(Ask("SYS_DOESDRIVEEXIST", {C(text)}), AnswerOf(exists)) << text;
    // The number is taken modulo 256; code 0 stays one character.
    EXPECT_EQ(Ask("SYS_MAKEDRIVE", {I(257)}), "C A");
    EXPECT_EQ(Record("SYS_MAKEDRIVE", {I(-64)}).value.text, std::string(1, '\0'));

    EXPECT_EQ(Ask("SYS_SETDRI", {C("f:\\anything")}), "L .T.");
    EXPECT_EQ(_getdrive(), 6);
    EXPECT_EQ(Ask("SYS_CURDRI", {}), "C F");
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    EXPECT_EQ(Ask("SYS_GETCURRENTDIRECTORY", {}), AnswerOf(folder));
    // A missing drive, and texts that start with no letter: nothing changes.
    for (const char* no : {"q", "", "\xC9"}) {
        EXPECT_EQ(Ask("SYS_SETDRI", {C(no)}), "L .F.") << no;
        EXPECT_EQ(_getdrive(), 6) << no;
    }
}

// Readiness is asked with critical-error boxes off, and the mode is as it
// was afterwards.
TEST_F(DriveTest, ReadinessLeavesTheErrorModeAsItWas) {
    const UINT before = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    for (const char* drive : {"C", "q:", "", "r:\\"}) {
        Ask("SYS_ISDRIVEREADY", {C(drive)});
        EXPECT_EQ(SetErrorMode(SEM_NOOPENFILEERRORBOX), static_cast<UINT>(SEM_NOOPENFILEERRORBOX)) << drive;
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
DWORD WINAPI FakeFormatDrive(HWND owner, UINT drive, UINT format, UINT options) {
    Note("SHFormatDrive", owner, drive, format, options);
    return SHFMT_NOFORMAT;
}

TEST_F(DriveTest, FormatDialogIsAskedWithTheDriveIndex) {
    g_asked.clear();
    Stand("SHELL32.dll", "SHFormatDrive", &FakeFormatDrive);
    EXPECT_EQ(Ask("SYS_FORMATDRIVE", {I(2)}), "none");
    Ask("SYS_FORMATDRIVE", {I(-1)});  // passed on as it came
    EXPECT_EQ(Ask("SYS_FORMAT", {C("a:")}), "none");
    // Owned by the active window, the default format (SHFMT_ID_DEFAULT).
    const std::string owner = ArgText(GetActiveWindow());
    EXPECT_EQ(g_asked, (std::vector<std::string>{"SHFormatDrive|" + owner + "|2|65535|0",
                                                 "SHFormatDrive|" + owner + "|4294967295|65535|0"}));
}

// A network path that is not there answers the failures of any root that
// cannot be read (as Q: does) and leaves no handle open: the calls are made
// twice, since Windows keeps some handles of its own the first time it
// meets a network path. The companion library takes the empty text for
// the current drive; Windows' own calls take it for no root.
TEST_F(DriveTest, BadDriveTextsAnswerFailures) {
    const std::string network = "\\\\nosuchserver\\share\\";
    int handles = 0;
    for (int round = 0; round < 2; ++round) {
        if (round == 1) handles = OpenHandles();
        EXPECT_EQ(Ask("SYS_VOLUME", {C(network), I(1)}), "L .F.");
        EXPECT_EQ(Ask("SYS_ISFILECASEPRESERVED", {C(network)}), "L .F.");
        EXPECT_EQ(Ask("SYS_VOLUMENAME", {C(network)}), "C ");
        EXPECT_EQ(Ask("SYS_VOLUMESERIAL", {C(network)}), "I -1");
        EXPECT_EQ(Ask("SYS_DISKSPACE", {C(network)}), "I 0");
    }
    EXPECT_EQ(OpenHandles(), handles);
    EXPECT_EQ(Ask("SYS_VOLUME", {C(""), I(1)}), "L .F.");
    const std::string current(1, static_cast<char>('@' + _getdrive()));
    for (const char* name : {"SYS_VOLUMESERIAL", "SYS_TOTCLU"})
        EXPECT_EQ(Ask(name, {C("")}), Ask(name, {C(current)})) << name;
}

// Without KERNEL.DLL the companion's questions fail: no names, -1 and the
// volume error flag, counts of 0. Windows' own calls answer as ever, and
// the letters still name their drives (upper-cased or not, modulo 32).
using DriveWithoutCompanion = WithoutCompanion<DriveTest>;

TEST_F(DriveWithoutCompanion, CompanionAnswersFailAndLettersStillWork) {
    for (const auto& [name, failure] : {std::pair{"SYS_VOLUMENAME", "C "}, {"SYS_FILESYSTEMNAME", "C "},
                                        {"SYS_VOLUMESERIAL", "I -1"}, {"SYS_MAXFILELENGTH", "I -1"}}) {
        EXPECT_EQ(Ask(name, {C("C:\\")}), failure) << name;
        EXPECT_EQ(Ask("SYS_LASTERROR", {}), "I 1") << name;
    }
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
