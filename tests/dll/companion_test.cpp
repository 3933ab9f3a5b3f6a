// KERNEL.DLL as TARVO.fll finds it: in the system directory, every function
// bound by name in both builds. What each function answers is tested on its
// own source (tests/unit/kernel_*_test.cpp) and through the library by the
// row examples of the names that call it; here only what no row shows: the
// clipboard emptied for the window it is given.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
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
