// The system family's rows that are one Windows call and one answer, as a
// table: each call's answer has the type and width of its kind and equals
// what the same Windows call made here answers (counts that move while the
// test runs, such as free memory, within a margin).
#include <windows.h>

#include <direct.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "system_test.h"

namespace tarvo::test {
namespace {

using Direct = std::function<Value()>;

struct OneCall {
    std::string name;
    std::vector<Value> args;
    Direct direct;
};

std::int32_t Held(std::uint64_t n) { return n > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(n); }

class SystemCallsTest : public SystemTest {
  protected:
    // Each call answers its kind with the width of that kind and the direct
    // answer.
    void Check(const std::vector<OneCall>& calls) {
        for (const OneCall& c : calls) {
            SCOPED_TRACE(c.name);
            std::vector<run::Arg> args;
            for (const Value& v : c.args) args.push_back(run::ByValue(v));
            const Value want = c.direct();
            const run::Outcome o = host.Call(c.name, args);
            ASSERT_EQ(o.error, 0) << o.message;
            ASSERT_EQ(o.returns.size(), 1u);
            const run::Returned& r = o.returns[0];
            EXPECT_EQ(r.value.type, want.type);
            if (want.type == 'I') {
                EXPECT_EQ(r.type, 'I');
                EXPECT_EQ(r.width, 10);
                EXPECT_EQ(r.value.integer, want.integer);
            } else if (want.type == 'L') {
                EXPECT_EQ(r.type, 'L');
                EXPECT_EQ(r.value.logical, want.logical);
            } else {
                EXPECT_EQ(r.value.text, want.text);
            }
        }
    }
};

Direct IntOf(std::function<std::int64_t()> f) {
    return [f] { return Value::Int(static_cast<std::int32_t>(f())); };
}
Direct BoolOf(std::function<bool()> f) {
    return [f] { return Value::Logical(f()); };
}
Direct TextOf(std::function<std::string()> f) {
    return [f] { return Value::Char(f()); };
}

// Drives: every function on every drive the test prefix has, in each form
// of root and letter, against GetDriveType, GetVolumeInformation,
// GetDiskFreeSpace(Ex) and GetLogicalDrives.
struct Volume {
    bool ok = false;
    std::string label, fileSystem;
    DWORD serial = 0, maxComponent = 0, flags = 0;
};
Volume ReadVolume(const std::string& root) {
    Volume v;
    char label[256] = {}, fs[256] = {};
    v.ok = GetVolumeInformationA(root.c_str(), label, sizeof label, &v.serial, &v.maxComponent,
                                 &v.flags, fs, sizeof fs) != 0;
    v.label = label;
    v.fileSystem = fs;
    return v;
}

TEST_F(SystemCallsTest, DrivesAndVolumes) {
    std::vector<OneCall> calls;
    std::vector<std::string> roots;
    for (const PrefixDrive& d : kPrefixDrives) roots.push_back(std::string(1, d.letter) + ":\\");
    roots.push_back(std::string(1, kMissingDrive) + ":\\");
    for (const std::string& root : roots) {
        const std::string letter = root.substr(0, 1);
        const std::string small = std::string(1, static_cast<char>(root[0] | 0x20)) + ":";
        for (const std::string& form : {root, small, letter, root + "windows", std::string("")})
            calls.push_back({"SYS_DRIVETYPE", {C(form)}, IntOf([form] { return GetDriveTypeA(form.c_str()); })});
        const struct {
            const char* name;
            UINT type;
        } kinds[] = {{"SYS_ISFLOP", DRIVE_REMOVABLE}, {"ISREMOVABLE", DRIVE_REMOVABLE},
                     {"SYS_ISDRIVEFIXED", DRIVE_FIXED}, {"SYS_ISREMO", DRIVE_REMOTE},
                     {"SYS_ISDRIVECD", DRIVE_CDROM}, {"ISRAMDISK", DRIVE_RAMDISK}};
        for (const auto& k : kinds)
            calls.push_back({k.name, {C(root)}, BoolOf([root, k] { return GetDriveTypeA(root.c_str()) == k.type; })});
        if (root[0] == 'Z') continue;  // Wine reads no volume of Z: (and says so on standard error)
        for (int item = 1; item <= 5; ++item) {
            Direct d = [root, item] {
                const Volume v = ReadVolume(root);
                if (!v.ok) return Value::Logical(false);
                switch (item) {
                case 1: return Value::Char(v.label);
                case 2: return Value::Int(static_cast<std::int32_t>(v.serial));
                case 3: return Value::Int(static_cast<std::int32_t>(v.maxComponent));
                case 4: return Value::Int(static_cast<std::int32_t>(v.flags));
                default: return Value::Char(v.fileSystem);
                }
            };
            calls.push_back({"SYS_VOLUME", {C(root), I(item)}, d});
        }
        calls.push_back({"SYS_VOLUME", {C(root), I(6)}, BoolOf([] { return false; })});
        calls.push_back({"SYS_VOLUMENAME", {C(root)}, TextOf([root] { return ReadVolume(root).label; })});
        calls.push_back({"FSNAME", {C(root)}, TextOf([root] { return ReadVolume(root).fileSystem; })});
        calls.push_back({"SYS_VOLUMESERIAL", {C(root)}, IntOf([root] {
                             const Volume v = ReadVolume(root);
                             return v.ok ? static_cast<std::int32_t>(v.serial) : -1;
                         })});
        calls.push_back({"MAXCOMPONENTLENGTH", {C(root)}, IntOf([root] {
                             const Volume v = ReadVolume(root);
                             return v.ok ? static_cast<std::int32_t>(v.maxComponent) : -1;
                         })});
        const struct {
            const char* name;
            DWORD flag;
        } flags[] = {{"ISFILECASEPRESERVED", FILE_CASE_PRESERVED_NAMES},
                     {"SYS_ISFILECASESENSITIVE", FILE_CASE_SENSITIVE_SEARCH},
                     {"SYS_ISUNICODEONDISK", FILE_UNICODE_ON_DISK},
                     {"SYS_DOESSUPPORTCOMPRESSION", FILE_FILE_COMPRESSION},
                     {"ISCOMPRESSED", FILE_VOLUME_IS_COMPRESSED}};
        for (const auto& f : flags)
            calls.push_back({f.name, {C(root)}, BoolOf([root, f] {
                                 const Volume v = ReadVolume(root);
                                 return v.ok && (v.flags & f.flag);
                             })});
        // Byte counts held at 2147483647, the total clusters, the cluster size.
        auto bytes = [root](bool total) {
            ULARGE_INTEGER available{}, all{}, free{};
            if (!GetDiskFreeSpaceExA(root.c_str(), &available, &all, &free)) return std::int32_t{0};
            return Held(total ? all.QuadPart : available.QuadPart);
        };
        auto clusters = [root](int which) {
            DWORD c[4] = {};
            if (!GetDiskFreeSpaceA(root.c_str(), &c[0], &c[1], &c[2], &c[3])) return std::int32_t{0};
            return static_cast<std::int32_t>(c[which]);
        };
        calls.push_back({"DISKSIZE", {C(letter)}, IntOf([bytes] { return bytes(true); })});
        calls.push_back({"SYS_SECCLU", {C(small)}, IntOf([clusters] { return clusters(0); })});
        calls.push_back({"BYTESPERSECTOR", {C(root)}, IntOf([clusters] { return clusters(1); })});
        calls.push_back({"TOTALCLUSTERS", {C(root)}, IntOf([clusters] { return clusters(3); })});
        calls.push_back({"SYS_ISDRIVEREADY", {C(small)}, BoolOf([root] {
                             DWORD c[4];
                             return GetDiskFreeSpaceA(root.c_str(), &c[0], &c[1], &c[2], &c[3]) != 0;
                         })});
    }
    Check(calls);
}

// Free space moves while other programs write: within 64 MB of
// GetDiskFreeSpace(Ex)'s, bytes held at 2147483647.
TEST_F(SystemCallsTest, FreeSpaceFollowsTheDisk) {
    for (const PrefixDrive& d : kPrefixDrives) {
        const std::string root = std::string(1, d.letter) + ":\\";
        DWORD c[4] = {};
        ULARGE_INTEGER available{}, all{}, free{};
        ASSERT_TRUE(GetDiskFreeSpaceA(root.c_str(), &c[0], &c[1], &c[2], &c[3])) << root;
        ASSERT_TRUE(GetDiskFreeSpaceExA(root.c_str(), &available, &all, &free)) << root;
        const double margin = 64.0 * 1024 * 1024;
        EXPECT_NEAR(Int("AVAILABLECLUSTERS", {C(root)}), static_cast<double>(c[2]), margin / (c[0] * c[1])) << root;
        EXPECT_NEAR(Int("SYS_DSKSPA", {C(root)}), static_cast<double>(Held(available.QuadPart)), margin) << root;
    }
    EXPECT_EQ(Int("SYS_AVACLU", {C(std::string(1, kMissingDrive))}), 0);
    EXPECT_EQ(Int("DISKROOM", {C(std::string(1, kMissingDrive))}), 0);
}

TEST_F(SystemCallsTest, DriveLettersAndTheCurrentDrive) {
    std::vector<OneCall> calls = {
        {"SYS_DRISTR", {}, TextOf([] {
             char list[512] = {};
             GetLogicalDriveStringsA(sizeof list, list);
             std::string letters;
             for (const char* p = list; *p; p += std::strlen(p) + 1) letters += p[0];
             return letters;
         })},
        {"GETNUMDRIVES", {}, IntOf([] {
             int n = 0;
             for (DWORD m = GetLogicalDrives(); m; m &= m - 1) ++n;
             return n;
         })},
        {"SYS_CURDRI", {}, TextOf([] { return std::string(1, static_cast<char>(_getdrive() + 64)); })},
        {"GETCURRENTDIRECTORY", {}, TextOf([] {
             char d[MAX_PATH];
             GetCurrentDirectoryA(MAX_PATH, d);
             return std::string(d);
         })},
    };
    // Every first character: its distance from A, modulo 32, is the bit.
    for (int code = 1; code < 256; code += (code < 128 ? 1 : 17)) {
        const std::string text(1, static_cast<char>(code));
        char up = static_cast<char>(code);
        CharUpperBuffA(&up, 1);  // the companion's upper case
        const int upper = static_cast<unsigned char>(up);
        calls.push_back({"SYS_DOESDRIVEEXIST", {C(text + ":\\")}, BoolOf([upper] {
                             return ((GetLogicalDrives() >> ((upper - 'A') & 31)) & 1) != 0;
                         })});
    }
    calls.push_back({"SYS_DOESDRIVEEXIST", {C("")}, BoolOf([] { return false; })});
    Check(calls);
    // The prefix's drives, one of each kind, are all there, Q: is not.
    const std::string letters = Text("SYS_DRIVESTRING", {});
    for (const PrefixDrive& d : kPrefixDrives) EXPECT_NE(letters.find(d.letter), std::string::npos) << d.letter;
    EXPECT_EQ(letters.find(kMissingDrive), std::string::npos);
}

// System information.
std::int32_t Address(const void* p) { return Held(reinterpret_cast<std::uintptr_t>(p)); }
std::int32_t ModuleNumber(const void* m) {
    const auto n = reinterpret_cast<std::uintptr_t>(m);
    return n > 0xFFFFFFFFu ? -1 : static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}
OSVERSIONINFOA Version() {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    GetVersionExA(&v);
    return v;
}
SYSTEM_INFO SystemInfo() {
    SYSTEM_INFO s;
    GetSystemInfo(&s);
    return s;
}
SYSTEM_POWER_STATUS Power() {
    SYSTEM_POWER_STATUS p = {};
    GetSystemPowerStatus(&p);
    return p;
}
std::string ModulePath(HMODULE m) {
    char path[MAX_PATH * 4] = {};
    GetModuleFileNameA(m, path, sizeof path);
    return path;
}
std::string SystemIni(const char* section, const char* key) {
    char text[133] = {};
    GetPrivateProfileStringA(section, key, "", text, sizeof text, "SYSTEM.INI");
    return text;
}
std::string Domain(const char* account) {
    char sid[256], domain[256] = {};
    DWORD sidSize = sizeof sid, domainSize = sizeof domain;
    SID_NAME_USE use;
    return LookupAccountNameA(nullptr, account, sid, &sidSize, domain, &domainSize, &use) ? domain : "";
}
std::string Ansi(const WCHAR* w) {
    char text[256] = {};
    WideCharToMultiByte(CP_ACP, 0, w, -1, text, sizeof text, nullptr, nullptr);
    return text;
}
TIME_ZONE_INFORMATION Zone() {
    TIME_ZONE_INFORMATION z;
    GetTimeZoneInformation(&z);
    return z;
}
std::string ArchitectureName(WORD a) {
    switch (a) {
    case PROCESSOR_ARCHITECTURE_INTEL: return "Intel";
    case PROCESSOR_ARCHITECTURE_MIPS: return "MIPS";
    case PROCESSOR_ARCHITECTURE_ALPHA: return "Alpha";
    case PROCESSOR_ARCHITECTURE_PPC: return "PowerPC";
    default: return "Unknown";
    }
}

TEST_F(SystemCallsTest, VersionProcessorPowerAndScreen) {
    std::vector<OneCall> calls = {
        {"SYS_WINMAJ", {}, IntOf([] { return Version().dwMajorVersion; })},
        {"SYS_WINDOWSMINOR", {}, IntOf([] { return Version().dwMinorVersion; })},
        {"SYS_WINBUILD", {}, IntOf([] { return Version().dwBuildNumber; })},
        {"SYS_OS", {I(1)}, IntOf([] { return Version().dwMajorVersion; })},
        {"SYS_OS", {I(2)}, IntOf([] { return Version().dwMinorVersion; })},
        {"SYS_OS", {I(3)}, IntOf([] { return Version().dwBuildNumber; })},
        {"SYS_OS", {I(4)}, IntOf([] { return Version().dwPlatformId; })},
        {"SYS_OS", {I(5)}, TextOf([] { return std::string(Version().szCSDVersion); })},
        {"SYS_OS", {I(0)}, BoolOf([] { return false; })},
        {"DOSMAJOR", {}, IntOf([] { return GetVersion() >> 24; })},
        {"SYS_DOSMIN", {}, IntOf([] { return (GetVersion() >> 16) & 0xFF; })},
        {"ISNT", {}, BoolOf([] { return !(GetVersion() & 0x80000000u); })},
        {"SYS_PROCESSORARCHITECTURE", {}, TextOf([] { return ArchitectureName(SystemInfo().wProcessorArchitecture); })},
        {"SYS_OEMID", {}, IntOf([] { return SystemInfo().dwOemId; })},
        {"SYS_PAGESIZE", {}, IntOf([] { return SystemInfo().dwPageSize; })},
        {"MINAPPLADDRESS", {}, IntOf([] { return Address(SystemInfo().lpMinimumApplicationAddress); })},
        {"SYS_MAXAPPLADDRESS", {}, IntOf([] { return Address(SystemInfo().lpMaximumApplicationAddress); })},
        {"SYS_PROCESSORMASK", {}, IntOf([] { return Held(SystemInfo().dwActiveProcessorMask); })},
        {"SYS_NUMBEROFPROCESSORS", {}, IntOf([] { return SystemInfo().dwNumberOfProcessors; })},
        {"SYS_PROCESSORTYPE", {}, IntOf([] { return SystemInfo().dwProcessorType; })},
        {"ACLINESTATUS", {}, IntOf([] { return Power().ACLineStatus; })},
        {"SYS_BATTERYFLAG", {}, IntOf([] { return Power().BatteryFlag; })},
        {"SYS_BATTERYLIFEPERCENT", {}, IntOf([] { return Power().BatteryLifePercent; })},
        {"BATTERYLIFETIME", {}, IntOf([] { return static_cast<std::int32_t>(Power().BatteryLifeTime); })},
        {"SYS_BATTERYFULLLIFETIME", {}, IntOf([] { return static_cast<std::int32_t>(Power().BatteryFullLifeTime); })},
        {"SYS_GETSYSTEMMETRICS", {I(0)}, IntOf([] { return GetSystemMetrics(0); })},
        {"SYS_GETSYSTEMMETRICS", {I(SM_CYSCREEN)}, IntOf([] { return GetSystemMetrics(SM_CYSCREEN); })},
        {"SYS_GETSYSTEMMETRICS", {I(-5)}, IntOf([] { return GetSystemMetrics(-5); })},
        {"SYS_ISPEN", {}, BoolOf([] { return GetSystemMetrics(SM_PENWINDOWS) != 0; })},
        {"GETSYSCOLOR", {I(COLOR_WINDOW)}, IntOf([] { return GetSysColor(COLOR_WINDOW); })},
        {"SYS_GETSYSCOLOR", {I(COLOR_HIGHLIGHT)}, IntOf([] { return GetSysColor(COLOR_HIGHLIGHT); })},
        {"SYS_GETSYSCOLOR", {I(-1)}, IntOf([] { return GetSysColor(-1); })},
        {"SYS_GETMENUCHECKMARKDIMENSIONS", {}, IntOf([] { return GetMenuCheckMarkDimensions(); })},
        {"GETCARETBLINKTIME", {}, IntOf([] { return GetCaretBlinkTime(); })},
        {"SYS_JOYSTICKENUMDEVS", {}, IntOf([] { return joyGetNumDevs(); })},
        {"SYS_JOYSTICKCAPS", {I(0)}, BoolOf([] {
             JOYCAPSA caps;
             return joyGetDevCapsA(0, &caps, sizeof caps) == JOYERR_NOERROR;
         })},
        {"SYS_JOYSTICKCAPS", {I(-1)}, BoolOf([] {
             JOYCAPSA caps;
             return joyGetDevCapsA(static_cast<UINT>(-1), &caps, sizeof caps) == JOYERR_NOERROR;
         })},
        {"GETTHREADLOCALE", {}, IntOf([] { return GetThreadLocale(); })},
        {"SYS_ISVALIDLOCALE", {I(0x409), I(LCID_SUPPORTED)}, BoolOf([] { return IsValidLocale(0x409, LCID_SUPPORTED) != 0; })},
        {"SYS_GETCONSOLECP", {}, IntOf([] { return GetConsoleCP(); })},
    };
    Check(calls);
}

TEST_F(SystemCallsTest, HostModulesFoldersAndSettings) {
    const HMODULE library = host.module();
    char libraryName[MAX_PATH];
    GetModuleFileNameA(library, libraryName, MAX_PATH);
    const std::string libraryFile = std::string(libraryName).substr(std::string(libraryName).find_last_of('\\') + 1);
    const HWND main = host.mainWindow();
    std::vector<OneCall> calls = {
        {"SYS_GETCOMMANDLINE", {}, TextOf([] { return GetCommandLineA(); })},
        {"GETHINSTANCE", {}, IntOf([main] { return ModuleNumber(reinterpret_cast<void*>(GetWindowLongPtrA(main, GWLP_HINSTANCE))); })},
        {"SYS_EXENAM", {}, TextOf([] { return ModulePath(nullptr); })},
        {"REALEXECUTABLENAME", {}, TextOf([] { return ModulePath(nullptr); })},
        {"SYS_MODULENAME", {I(ModuleNumber(library))}, TextOf([library] { return ModulePath(library); })},
        {"SYS_MODULEHANDLE", {C(libraryFile)}, IntOf([library] { return ModuleNumber(library); })},
        {"MODULEHANDLE", {C("")}, IntOf([] { return ModuleNumber(GetModuleHandleA(nullptr)); })},
        {"SYS_WINDIR", {}, TextOf([] {
             char d[MAX_PATH];
             GetWindowsDirectoryA(d, MAX_PATH);
             return std::string(d);
         })},
        {"SYS_SYSDIR", {}, TextOf([] {
             char d[MAX_PATH];
             GetSystemDirectoryA(d, MAX_PATH);
             return std::string(d);
         })},
        {"GETTMPPATH", {}, TextOf([] {
             char d[MAX_PATH + 1];
             GetTempPathA(sizeof d, d);
             return std::string(d);
         })},
        {"SYS_SWAP", {}, TextOf([] { return SystemIni("386Enh", "pagingfile"); })},
        {"SYS_NETWOR", {}, TextOf([] { return SystemIni("boot.description", "network.drv"); })},
        {"SYS_MOUSE", {}, TextOf([] { return SystemIni("boot.description", "mouse.drv"); })},
        {"SYS_DISPLA", {}, TextOf([] { return SystemIni("boot.description", "display.drv"); })},
        {"SYS_LOOKUPDOMAIN", {C("Administrators")}, TextOf([] { return Domain("Administrators"); })},
        {"SYS_LOOKUPDOMAIN", {C("nobody of that name")}, TextOf([] { return Domain("nobody of that name"); })},
        {"SYS_LOOKUPDOMAIN", {C(std::string(32767, 'a'))}, TextOf([] { return ""; })},  // not asked
        {"GETTIMEZONEINFORMATION", {I(1)}, IntOf([] { return Zone().Bias; })},
        {"SYS_GETTIMEZONEINFORMATION", {I(2)}, TextOf([] { return Ansi(Zone().StandardName); })},
        {"SYS_GETTIMEZONEINFORMATION", {I(4)}, IntOf([] { return Zone().StandardBias; })},
        {"SYS_GETTIMEZONEINFORMATION", {I(5)}, TextOf([] { return Ansi(Zone().DaylightName); })},
        {"SYS_GETTIMEZONEINFORMATION", {I(7)}, IntOf([] { return Zone().DaylightBias; })},
        {"SYS_GETTIMEZONEINFORMATION", {I(6)}, TextOf([] { return "Not yet supported"; })},
        {"SYS_GETTIMEZONEINFORMATION", {I(0)}, TextOf([] { return "Don't know what you want"; })},
    };
    Check(calls);
}

}  // namespace
}  // namespace tarvo::test
