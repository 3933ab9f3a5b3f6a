// Tests of TARVO.fll with its companion library missing. They run in a Wine
// prefix whose system directory holds no KERNEL.DLL: ctest's
// FLAVOUR.dll_tests_bare (and _bare_hostile) run only the suites named
// *WithoutCompanion there, with TARVO_NO_COMPANION=1. Anywhere else these
// suites skip their tests; every other suite needs the companion and is left
// out of those runs.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tarvo::test {

inline bool CompanionAbsentRun() {
    const char* v = std::getenv("TARVO_NO_COMPANION");
    return v && *v && *v != '0';
}

inline bool KernelInSystemDir() {
    char sys[MAX_PATH];
    GetSystemDirectoryA(sys, MAX_PATH);
    return GetFileAttributesA((std::string(sys) + "\\KERNEL.DLL").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The fixture Base in the prefix without the companion:
//   using ProtocolWithoutCompanion = WithoutCompanion<ProtocolTest>;
template <typename Base>
class WithoutCompanion : public Base {
protected:
    void SetUp() override {
        if (!CompanionAbsentRun())
            GTEST_SKIP() << "runs in the Wine prefix without KERNEL.DLL (TARVO_NO_COMPANION=1)";
        ASSERT_FALSE(KernelInSystemDir()) << "TARVO_NO_COMPANION=1, yet KERNEL.DLL is in the system directory";
        Base::SetUp();
    }
};

}  // namespace tarvo::test
