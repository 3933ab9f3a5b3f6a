// System information beyond one call: program types of files the test
// makes, the last error's text (GetLastError replaced here, so the code is
// known), the local time as text and into variables, memory counts that
// move, the caret of the main window.
#include <windows.h>

#include <cstdio>
#include <string>

#include "system_test.h"

namespace tarvo::test {
namespace {

class InfoTest : public SystemTest {};

// Windows' types renumbered: a DOS program (an MZ header only) 2, this
// 32-bit program 1, a 64-bit one 0, as any file that is none.
TEST_F(InfoTest, ProgramTypesAsWindowsRenumbersThem) {
    const std::string dir = ScratchDir("system-info");
    std::string dos(128, '\0');
    dos[0] = 'M', dos[1] = 'Z', dos[0x18] = 0x1C;  // relocation table inside the 28-byte header
    WriteAll(dir + "\\dos.exe", dos);
    DWORD type = 0;
    ASSERT_TRUE(GetBinaryTypeA((dir + "\\dos.exe").c_str(), &type));
    ASSERT_EQ(type, static_cast<DWORD>(SCS_DOS_BINARY));
    EXPECT_EQ(Ask("SYS_GETBINARYTYPE", {C(dir + "\\dos.exe")}), "I 2");
    EXPECT_EQ(Ask("SYS_GETBINARYTYPE", {C(BesideExe("dll_tests.exe"))}), sizeof(void*) == 4 ? "I 1" : "I 0");
    for (const std::string& none : {std::string(300, 'p'), std::string("")})
        EXPECT_EQ(Ask("SYS_GETBINARYTYPE", {C(none)}), "I 0") << none.size();
    RemoveTree(dir);
}

// GetLastError answers what the stand-in says, so the text is known.
DWORD g_lastError = 0;
DWORD WINAPI FakeGetLastError() { return g_lastError; }

TEST_F(InfoTest, LastErrorAsText) {
    Stand("KERNEL32.dll", "GetLastError", &FakeGetLastError);
    g_lastError = ERROR_ACCESS_DENIED;
    char* text = nullptr;
    ASSERT_TRUE(FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                               nullptr, g_lastError, LANG_USER_DEFAULT, reinterpret_cast<char*>(&text), 0, nullptr));
    EXPECT_EQ(Ask("SYS_OSLASTERROR", {}), AnswerOf(text));
    LocalFree(text);
    g_lastError = 0x2AAAAAAA;  // no text for it
    EXPECT_EQ(Ask("SYS_OSLASTERROR", {}), "C ");
}

// The clock as text and into variables, between two readings made here:
// each field in its place.
ULONGLONG Moment(const SYSTEMTIME& t) {
    FILETIME f;
    SystemTimeToFileTime(&t, &f);
    return (ULONGLONG{f.dwHighDateTime} << 32) | f.dwLowDateTime;
}

TEST_F(InfoTest, LocalTimeAsTextAndIntoVariables) {
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const std::string text = Text("LOCALTIME", {});
    GetLocalTime(&after);
    SYSTEMTIME got = {};
    ASSERT_EQ(std::sscanf(text.c_str(), "%hu-%hu-%hu-%hu-%hu-%hu-%hu-%hu", &got.wYear, &got.wMonth, &got.wDay,
                          &got.wDayOfWeek, &got.wHour, &got.wMinute, &got.wSecond, &got.wMilliseconds),
              8)
        << text;
    EXPECT_GE(Moment(got), Moment(before));
    EXPECT_LE(Moment(got), Moment(after));
    EXPECT_TRUE(got.wDayOfWeek == before.wDayOfWeek || got.wDayOfWeek == after.wDayOfWeek);

    // The hour's variable holds a text, which it keeps.
    std::vector<run::Arg> refs;
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < 7; ++i) {
        ids.push_back(host.NewVariable(i == 3 ? Value::Char("keep") : Value::Num(-1, 2)));
        refs.push_back(run::ByRef(ids.back()));
    }
    GetLocalTime(&before);
    const run::Outcome o = host.Call("SYS_SPLITTIME", refs);
    GetLocalTime(&after);
    EXPECT_EQ(o.error, 0) << o.message;
    EXPECT_FALSE(o.hasValue());
    auto field = [&](int i) { return static_cast<WORD>(host.Variable(ids[i]).number); };
    const SYSTEMTIME split = {field(0), field(1), 0, field(2), before.wHour, field(4), field(5), field(6)};
    if (before.wHour == after.wHour) {
        EXPECT_GE(Moment(split), Moment(before));
        EXPECT_LE(Moment(split), Moment(after));
    }
    EXPECT_EQ(host.Variable(ids[0]).type, 'N');
    EXPECT_EQ(host.Variable(ids[0]).decimals, 2);  // the variable keeps its own kind
    EXPECT_EQ(host.Variable(ids[3]).type, 'C');
    EXPECT_EQ(host.Variable(ids[3]).text, "keep");
    // A variable the host cannot store: its error, nothing else.
    host.faults.storeVariableError = 9;
    EXPECT_EQ(host.Call("SYS_SPLITTIME", refs).error, 9);
    host.faults = {};
}

// Each count from its field of GlobalMemoryStatus; those that move within
// a margin. The load is asked with the item left out.
TEST_F(InfoTest, MemoryCountsThatMove) {
    MEMORYSTATUS m = {};
    m.dwLength = sizeof m;
    GlobalMemoryStatus(&m);
    auto held = [](SIZE_T n) { return n > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(n); };
    EXPECT_EQ(Int("SYS_GLOBALMEMORYSTATUS", {I(2)}), held(m.dwTotalPhys));
    EXPECT_EQ(Int("MEMORYSTATUS", {I(4)}), held(m.dwTotalPageFile));
    EXPECT_EQ(Int("GLOBALMEMORYSTATUS", {I(6)}), held(m.dwTotalVirtual));
    const double margin = 256.0 * 1024 * 1024;
    EXPECT_NEAR(Int("SYS_GLOBALMEMORYSTATUS", {I(3)}), held(m.dwAvailPhys), margin);
    EXPECT_NEAR(Int("SYS_GLOBALMEMORYSTATUS", {I(5)}), held(m.dwAvailPageFile), margin);
    EXPECT_NEAR(Int("SYS_GLOBALMEMORYSTATUS", {I(7)}), held(m.dwAvailVirtual), margin);
    EXPECT_NEAR(Int("SYS_GLOBALMEMORYSTATUS", {}), static_cast<double>(m.dwMemoryLoad), 10);
}

// The caret functions reach the caret of the host's main window; without
// one, hiding it fails.
TEST_F(InfoTest, CaretOfTheMainWindow) {
    const HWND main = host.mainWindow();
    ASSERT_TRUE(CreateCaret(main, nullptr, 2, 10));
    EXPECT_EQ(Ask("SYS_SETCARETPOS", {I(5), I(6)}), "L .T.");
    EXPECT_EQ(Ask("GETCARETPOSX", {}), "I 5");
    EXPECT_EQ(Ask("SYS_GETCARETPOSY", {}), "I 6");
    EXPECT_EQ(Ask("SYS_HIDECARET", {}), "L .T.");
    EXPECT_EQ(Ask("SYS_SHOWCARET", {}), "L .T.");
    DestroyCaret();
    const bool hides = HideCaret(main) != 0;
    EXPECT_EQ(Ask("HIDECARET", {}), AnswerOf(hides));
}

}  // namespace
}  // namespace tarvo::test
