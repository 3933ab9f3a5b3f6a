// System information beyond one call: program types of files the test
// makes, the last error's text (GetLastError replaced here, so the code is
// known), the local time as text and into variables, memory counts that
// move, the caret and its blink time.
#include <windows.h>

#include <cstdio>
#include <string>

#include "system_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

class InfoTest : public SystemTest {
  protected:
    void SetUp() override {
        dir_ = ScratchDir("system-info");
        SystemTest::SetUp();
    }
    void TearDown() override {
        SystemTest::TearDown();
        RemoveTree(dir_);
    }
    std::string At(const std::string& name) const { return dir_ + "\\" + name; }
    std::string dir_;
};

std::int32_t DirectBinaryType(const std::string& file) {
    static constexpr std::int32_t kCodes[] = {1, 2, 6, 4, 5, 3};
    DWORD type = 0;
    return GetBinaryTypeA(file.c_str(), &type) && type < 6 ? kCodes[type] : 0;
}

// A file with an MZ header only (a DOS program) and one with an NE header
// behind it (a 16-bit Windows program).
std::string DosProgram() {
    std::string f(128, '\0');
    f[0] = 'M';
    f[1] = 'Z';
    f[0x18] = 0x1C;  // relocation table inside the 28-byte header
    return f;
}
std::string WindowsProgram16() {
    std::string f(0x200, '\0');
    f[0] = 'M';
    f[1] = 'Z';
    f[0x18] = 0x40;  // new-style header
    f[0x3C] = static_cast<char>(0x80);
    f[0x80] = 'N';
    f[0x81] = 'E';
    f[0x80 + 0x36] = 2;  // target operating system: Windows
    f[0x80 + 0x26] = 0x40;
    f[0xC0] = 6;
    f.replace(0xC1, 6, "OLDAPP");
    return f;
}

TEST_F(InfoTest, ProgramTypesAsWindowsRenumbersThem) {
    WriteAll(At("text.txt"), "just text");
    WriteAll(At("dos.exe"), DosProgram());
    WriteAll(At("win16.exe"), WindowsProgram16());
    const std::string own = BesideExe("dll_tests.exe");
    for (const std::string& file : {At("text.txt"), At("dos.exe"), At("win16.exe"), own,
                                    At("missing.exe"), std::string(300, 'p'), std::string("")}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Ask("SYS_GETBINARYTYPE", {C(file)}), AnswerOf(DirectBinaryType(file)));
    }
    EXPECT_EQ(Ask("SYS_GETBINARYTYPE", {C(own)}), sizeof(void*) == 4 ? "I 1" : "I 0");
}

// GetLastError answers what the stand-in says, so the text is known.
DWORD g_lastError = 0;
DWORD WINAPI FakeGetLastError() { return g_lastError; }

std::string MessageOf(DWORD code) {
    char* text = nullptr;
    if (!FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_MAX_WIDTH_MASK,
                        nullptr, code, LANG_USER_DEFAULT, reinterpret_cast<char*>(&text), 0, nullptr))
        return "";
    std::string s = text;
    LocalFree(text);
    return s;
}

TEST_F(InfoTest, LastErrorAsText) {
    Stand("KERNEL32.dll", "GetLastError", &FakeGetLastError);
    for (DWORD code : std::initializer_list<DWORD>{ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, 0}) {
        g_lastError = code;
        EXPECT_NE(MessageOf(code), "");
        EXPECT_EQ(Ask("SYS_OSLASTERROR", {}), AnswerOf(MessageOf(code))) << code;
    }
    g_lastError = 0x2AAAAAAA;  // no text for it
    EXPECT_EQ(Ask("SYS_OSLASTERROR", {}), "C ");
}

// The clock as text and into variables, between two readings made here.
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
    int f[8] = {};
    ASSERT_EQ(std::sscanf(text.c_str(), "%d-%d-%d-%d-%d-%d-%d-%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
                          &f[6], &f[7]),
              8)
        << text;
    SYSTEMTIME got = {};
    got.wYear = WORD(f[0]), got.wMonth = WORD(f[1]), got.wDay = WORD(f[2]), got.wDayOfWeek = WORD(f[3]);
    got.wHour = WORD(f[4]), got.wMinute = WORD(f[5]), got.wSecond = WORD(f[6]), got.wMilliseconds = WORD(f[7]);
    EXPECT_GE(Moment(got), Moment(before));
    EXPECT_LE(Moment(got), Moment(after));
    EXPECT_TRUE(got.wDayOfWeek == before.wDayOfWeek || got.wDayOfWeek == after.wDayOfWeek);
    for (std::size_t at = 0; at < text.size(); at = text.find('-', at) + 1) {  // no leading zeros
        EXPECT_FALSE(text[at] == '0' && at + 1 < text.size() && text[at + 1] != '-') << text;
        if (text.find('-', at) == std::string::npos) break;
    }

    std::vector<run::Arg> refs;
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < 7; ++i) ids.push_back(host.NewVariable(i == 3 ? Value::Char("keep") : Value::Num(-1, 2)));
    for (std::uint32_t id : ids) refs.push_back(run::ByRef(id));
    GetLocalTime(&before);
    const run::Outcome o = host.Call("SYS_SPLITTIME", refs);
    GetLocalTime(&after);
    EXPECT_EQ(o.error, 0) << o.message;
    EXPECT_FALSE(o.hasValue());
    auto number = [&](int i) { return static_cast<WORD>(host.Variable(ids[i]).number); };
    SYSTEMTIME split = {};
    split.wYear = number(0), split.wMonth = number(1), split.wDay = number(2);
    split.wHour = after.wHour, split.wMinute = number(4), split.wSecond = number(5), split.wMilliseconds = number(6);
    EXPECT_EQ(host.Variable(ids[0]).type, 'N');
    EXPECT_EQ(host.Variable(ids[0]).decimals, 2);   // the variable keeps its own kind
    EXPECT_EQ(host.Variable(ids[3]).type, 'C');     // one of another type keeps its value
    EXPECT_EQ(host.Variable(ids[3]).text, "keep");
    if (before.wHour == after.wHour) {
        split.wHour = before.wHour;
        EXPECT_GE(Moment(split), Moment(before));
        EXPECT_LE(Moment(split), Moment(after));
    }
    // A variable the host cannot store: its error, nothing else.
    host.faults.storeVariableError = 9;
    EXPECT_EQ(host.Call("SYS_SPLITTIME", refs).error, 9);
    host.faults = {};
}

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
    for (const std::vector<Value>& load : {std::vector<Value>{}, {I(1)}, {I(8)}, {I(0)}, {I(-3)}}) {
        std::vector<run::Arg> args;
        for (const Value& v : load) args.push_back(run::ByValue(v));
        const run::Outcome o = host.Call("SYS_GLOBALMEMORYSTATUS", args);
        ASSERT_EQ(o.value().type, 'I');
        const std::int32_t percent = o.value().integer;
        EXPECT_GE(percent, 0);
        EXPECT_LE(percent, 100);
        EXPECT_NEAR(percent, static_cast<double>(m.dwMemoryLoad), 10);
    }
}

TEST_F(InfoTest, CaretOfTheThreadAndTheMainWindow) {
    EXPECT_EQ(Ask("SYS_SETCARETPOS", {I(12), I(34)}), AnswerOf(SetCaretPos(12, 34) != 0));
    POINT p;
    if (GetCaretPos(&p)) {
        EXPECT_EQ(Int("SYS_GETCARETPOSX", {}), p.x);
        EXPECT_EQ(Int("GETCARETPOSY", {}), p.y);
    }
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

    const UINT blink = GetCaretBlinkTime();
    EXPECT_EQ(Ask("SYS_SETCARETBLINKTIME", {I(333)}), "L .T.");
    EXPECT_EQ(GetCaretBlinkTime(), 333u);
    SetCaretBlinkTime(blink);
}

}  // namespace
}  // namespace tarvo::test
