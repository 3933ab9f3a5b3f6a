// Shared set-up of the DLL tests: each test gets a Host with TARVO.fll
// (from beside the test program) loaded, exactly as the host loads it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "runner/host.h"

namespace tarvo::test {

inline std::string BesideExe(const char* file) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1) + file;
}

// A scratch folder of the test's own, emptied at start.
inline std::string ScratchDir(const std::string& name) {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    std::string dir = std::string(tmp) + "tarvo-" + name;
    std::string cmd = "cmd /c rmdir /s /q \"" + dir + "\" >nul 2>nul";
    std::system(cmd.c_str());
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

// TARVO_HOSTILE=1 runs every DLL test under hostile memory: unlocked blocks
// move on every service and fresh unzeroed blocks hold garbage.
inline bool HostileRun() {
    const char* v = std::getenv("TARVO_HOSTILE");
    return v && *v && *v != '0';
}

class DllTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        host.hostile = HostileRun();
        ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    }
    void TearDown() override { host.Unload(); }

    // The single value a call returned (fails the test if there was none or
    // an error).
    run::Value One(const std::string& name, std::initializer_list<run::Value> args) {
        run::Outcome o = host.Call(name, args);
        EXPECT_EQ(o.error, 0) << name << ": " << o.message;
        EXPECT_EQ(o.returns.size(), 1u) << name;
        return o.value();
    }
    // The single record a call returned, as the host received it.
    run::Returned Record(const std::string& name, std::initializer_list<run::Value> args) {
        run::Outcome o = host.Call(name, args);
        EXPECT_EQ(o.error, 0) << name << ": " << o.message;
        EXPECT_EQ(o.returns.size(), 1u) << name;
        return o.returns.empty() ? run::Returned{} : o.returns.back();
    }
    std::string Text(const std::string& name, std::initializer_list<run::Value> args) {
        run::Value v = One(name, args);
        EXPECT_EQ(v.type, 'C') << name;
        return v.text;
    }
    std::int32_t Int(const std::string& name, std::initializer_list<run::Value> args) {
        run::Value v = One(name, args);
        EXPECT_EQ(v.type, 'I') << name;
        return v.integer;
    }
    bool Logical(const std::string& name, std::initializer_list<run::Value> args) {
        run::Value v = One(name, args);
        EXPECT_EQ(v.type, 'L') << name;
        return v.logical;
    }

    run::Host host;
};

using run::Value;

}  // namespace tarvo::test
