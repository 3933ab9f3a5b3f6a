// KERNEL.DLL as TARVO.fll finds it: in the system directory, every function
// bound by name, each giving its caller what the caller relies on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "dll_test.h"
#include "kernel/kernel_api.h"

namespace tarvo::test {
namespace {

class CompanionTest : public ::testing::Test {
protected:
    void SetUp() override {
        char sys[MAX_PATH];
        GetSystemDirectoryA(sys, MAX_PATH);
        module = LoadLibraryA((std::string(sys) + "\\KERNEL.DLL").c_str());
        ASSERT_NE(module, nullptr) << "KERNEL.DLL is not in the system directory";
    }
    void TearDown() override {
        if (module) FreeLibrary(module);
    }
    template <typename T>
    T Fn(const char* name) {
        auto p = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    HMODULE module = nullptr;
};

// The function exported as name, as its pointer type.
#define KFN(name) Fn<knl::Fn##name>(#name)

TEST_F(CompanionTest, EveryNameIsExported) {
    const char* names[] = {
#define KNL(name, ret, params, args, fail) #name,
#include "kernel/kernel_list.h"
#undef KNL
    };
    EXPECT_EQ(sizeof names / sizeof *names, 38u);
    for (const char* n : names) EXPECT_NE(GetProcAddress(module, n), nullptr) << n;
}

TEST_F(CompanionTest, VersionAndDates) {
    EXPECT_GE(KFN(_knl_major)(), 1);
    char vers[256] = {};
    KFN(_knl_vers)(vers);
    EXPECT_GT(std::strlen(vers), 0u);
    auto toJdn = KFN(_ymd_to_jdnl);
    auto toYmd = KFN(_jdnl_to_ymd);
    EXPECT_EQ(toJdn(1970, 1, 1, 0), 2440588);
    EXPECT_EQ(toJdn(2000, 3, 1, 0) - toJdn(2000, 2, 28, 0), 2) << "2000 is a leap year";
    int y = 0, m = 0, d = 0;
    toYmd(2451545, &y, &m, &d, 0);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20000101);
    KFN(_easter)(2000, &m, &d);
    EXPECT_EQ(m * 100 + d, 423);
}

TEST_F(CompanionTest, TextHelpers) {
    EXPECT_EQ(KFN(_QckUpper)('a'), 'A');
    char hex[100] = {};
    KFN(_TARVO_NUM_hexa)(hex, 255);
    EXPECT_STREQ(hex, "FF");
    char two[7] = {};
    KFN(_TARVO_STR_hexa)("A\x01z", two, 3);
    EXPECT_STREQ(two, "41017A");
    char bytes[4] = {};
    KFN(_TARVO_STR_htos)("414243", bytes, 6);
    EXPECT_STREQ(bytes, "ABC");
    char pad[9] = {};
    KFN(_TARVO_STR_padl)("42", pad, 9, '0');
    EXPECT_STREQ(pad, "00000042");
}

TEST_F(CompanionTest, Geometry) {
    EXPECT_DOUBLE_EQ(KFN(_QX_distance)(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(KFN(_QX_pente)(0, 1, 2, 5), 2.0);
    EXPECT_DOUBLE_EQ(KFN(_QX_origin)(1, 3, 2, 5), 1.0);
    EXPECT_DOUBLE_EQ(KFN(_QX_TriangleSurface)(0, 0, 4, 0, 0, 3), 6.0);
    EXPECT_DOUBLE_EQ(KFN(_QX_X_intersection)(0, 0, 2, 2, 0, 2, 2, 0), 1.0);
    EXPECT_DOUBLE_EQ(KFN(_QX_Y_intersection)(0, 0, 2, 2, 0, 2, 2, 0), 1.0);
}

TEST_F(CompanionTest, ArchiveRoundTripAndStatusCodes) {
    std::string dir = ScratchDir("zip");
    std::string src = dir + "\\data.txt", zip = dir + "\\data.zip", out = dir + "\\back.txt";
    std::string content;
    for (int i = 0; i < 5000; ++i) content += "line " + std::to_string(i % 97) + "\n";
    std::ofstream(src, std::ios::binary) << content;
    auto zipFn = KFN(_TARVO_QX_FIL_zip);
    auto unzipFn = KFN(_TARVO_QX_FIL_unzip);
    EXPECT_EQ(zipFn(src.c_str(), zip.c_str()), knl::kZipOk);
    EXPECT_EQ(unzipFn(zip.c_str(), out.c_str()), knl::kZipOk);
    std::ifstream back(out, std::ios::binary);
    std::string restored((std::istreambuf_iterator<char>(back)), std::istreambuf_iterator<char>());
    EXPECT_EQ(restored, content);
    EXPECT_EQ(zipFn((dir + "\\missing.txt").c_str(), zip.c_str()), knl::kZipInputMissing);
    EXPECT_EQ(zipFn(src.c_str(), (dir + "\\no\\such\\dir\\x.zip").c_str()), knl::kZipOutputOpen);
    EXPECT_EQ(unzipFn(src.c_str(), (dir + "\\never.txt").c_str()), knl::kZipInputOpen2)
        << "a file that is not an archive is refused";
    EXPECT_EQ(GetFileAttributesA((dir + "\\never.txt").c_str()), INVALID_FILE_ATTRIBUTES)
        << "nothing is half-written";
}

TEST_F(CompanionTest, SystemWrappers) {
    char name[256] = {};
    EXPECT_NE(KFN(_TARVO_SYS_FileSystemName)("C:\\", name, 256), 0);
    EXPECT_GT(std::strlen(name), 0u);
    EXPECT_GT(KFN(_TARVO_bytes_per_sector)("C:\\"), 0u);
    char reply[knl::kReplyLength + 1] = {};
    EXPECT_NE(KFN(_TARVO_QX_MCI_send)("no such command", reply), 0);
    EXPECT_NE(KFN(_TARVO_QX_CD_play)(reply), 0) << "no CD device was opened";
}

TEST_F(CompanionTest, EmptyClipboardOfAWindow) {
    HWND owner = CreateWindowA("STATIC", "owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
    std::memcpy(GlobalLock(text), "hello", 6);
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    auto emptyFn = KFN(_QX_EmptyClipboard);
    EXPECT_NE(emptyFn(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(owner))), 0);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    DestroyWindow(owner);
}

}  // namespace
}  // namespace tarvo::test
