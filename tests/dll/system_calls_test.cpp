// The system family's rows that are one Windows call and one answer, as a
// table: each call's answer has the type and width of its kind and equals
// what the same Windows call made here answers (counts that move while the
// test runs, such as free memory, within a margin).
#include <windows.h>

#include <direct.h>

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
        calls.push_back({"SYS_DSKSPA", {C(root)}, IntOf([bytes] { return bytes(false); })});
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

// The free clusters move while other programs write: within 64 MB.
TEST_F(SystemCallsTest, FreeClustersFollowTheDisk) {
    for (const PrefixDrive& d : kPrefixDrives) {
        const std::string root = std::string(1, d.letter) + ":\\";
        DWORD c[4] = {};
        ASSERT_TRUE(GetDiskFreeSpaceA(root.c_str(), &c[0], &c[1], &c[2], &c[3])) << root;
        const std::int32_t answer = Int("AVAILABLECLUSTERS", {C(root)});
        EXPECT_NEAR(answer, static_cast<double>(c[2]), 64.0 * 1024 * 1024 / (c[0] * c[1])) << root;
    }
    EXPECT_EQ(Int("SYS_AVACLU", {C(std::string(1, kMissingDrive))}), 0);
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

}  // namespace
}  // namespace tarvo::test
