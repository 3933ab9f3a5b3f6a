// Shared set-up of the system family's DLL tests: answers as text, the
// open handles of the process, stand-ins for Windows functions the library
// imports, the test prefix's drives, and the Windows 95 runs.
#pragma once

#include <windows.h>

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "files_test.h"
#include "runner/imports.h"

namespace tarvo::test {

// The prefix runs dll_tests95.exe as Windows 95 (scripts/wine-prefix.sh);
// suites whose names hold "Win95" run there, and skip in dll_tests.exe.
inline bool Win95Mode() { return (GetVersion() & 0x80000000u) != 0; }

// The handles this process holds open, registry keys and tool-help
// snapshots included: every handle value Windows answers for.
inline int OpenHandles() {
    int n = 0;
    DWORD flags;
    for (ULONG_PTR h = 4; h < 0x8000; h += 4)
        if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++n;
    return n;
}

// The drives the test prefix adds, by letter, with their GetDriveType codes.
struct PrefixDrive {
    char letter;
    UINT type;
};
inline constexpr PrefixDrive kPrefixDrives[] = {
    {'C', DRIVE_FIXED},  {'F', DRIVE_FIXED},     {'M', DRIVE_RAMDISK}, {'N', DRIVE_REMOTE},
    {'R', DRIVE_REMOVABLE}, {'S', DRIVE_CDROM}, {'Z', DRIVE_FIXED}};
inline constexpr char kMissingDrive = 'Q';

inline Value L(bool b) { return Value::Logical(b); }

// What the stand-ins of Windows functions were asked, a line a call: the
// function's name and its arguments as text (numbers in decimal, texts as
// they are, other pointers in hex), joined by "|".
inline std::vector<std::string> g_asked;
template <typename T>
std::string ArgText(T v) {
    if constexpr (std::is_integral_v<T>) {
        return std::to_string(v);
    } else if constexpr (std::is_convertible_v<T, const char*>) {
        return v ? std::string(v) : "(null)";
    } else {
        std::ostringstream o;
        o << "0x" << std::hex << reinterpret_cast<std::uintptr_t>(v);
        return o.str();
    }
}
template <typename... A>
void Note(const char* function, A... args) {
    std::string line = function;
    ((line += "|" + ArgText(args)), ...);
    g_asked.push_back(line);
}

class SystemTest : public DllTest {
  protected:
    // A call's answer as text: "I n", "L .T.", "C text", "none" (no value)
    // or "error n".
    std::string Ask(const std::string& name, const std::vector<Value>& args) {
        std::vector<run::Arg> a;
        for (const Value& v : args) a.push_back(run::ByValue(v));
        const run::Outcome o = host.Call(name, a);
        if (o.error) return "error " + std::to_string(o.error);
        if (!o.hasValue()) return "none";
        const Value v = o.value();
        return v.type == 'I'   ? "I " + std::to_string(v.integer)
               : v.type == 'L' ? std::string("L ") + (v.logical ? ".T." : ".F.")
               : v.type == 'C' ? "C " + v.text
                               : std::string("? ") + v.type;
    }
    static std::string AnswerOf(std::int32_t n) { return "I " + std::to_string(n); }
    static std::string AnswerOf(bool b) { return b ? "L .T." : "L .F."; }
    static std::string AnswerOf(const std::string& s) { return "C " + s; }
    static std::string AnswerOf(const char* s) { return "C " + std::string(s); }

    // Replaces the library's import of a Windows function for the rest of
    // the test.
    template <typename F>
    void Stand(const char* dll, const char* function, F* replacement) {
        patches_.push_back(std::make_unique<run::ImportPatch>(host.module(), dll, function,
                                                              reinterpret_cast<void*>(replacement)));
        ASSERT_TRUE(patches_.back()->active()) << "TARVO.fll imports no " << function;
    }
    void TearDown() override {
        patches_.clear();
        DllTest::TearDown();
    }

  private:
    std::vector<std::unique_ptr<run::ImportPatch>> patches_;
};

// Suites that run only as Windows 95 (dll_tests95.exe).
class SystemWin95Test : public SystemTest {
  protected:
    void SetUp() override {
        if (!Win95Mode()) GTEST_SKIP() << "runs as Windows 95, in dll_tests95.exe";
        SystemTest::SetUp();
    }
};

}  // namespace tarvo::test
