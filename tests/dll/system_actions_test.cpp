// Processes and system actions as Windows NT runs them. Programs the test
// starts itself (test_child.exe) are ended for real;
// the functions that would shut the machine down, end the session or the
// host, set the clock, open dialogs, pause the host or message every
// program are never called: the Windows function each one calls is
// replaced in the library's imports, and the test checks what the library
// passes and what it does with each answer.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <thread>

#include "system_test.h"

namespace tarvo::test {
namespace {

class ActionTest : public SystemTest {};

// A thread with windows of its own: one shown, one hidden, one shown but
// owned by the first; it serves their messages until the test ends.
struct WindowThread {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD id = 0;
    std::thread thread;
    WindowThread() {
        thread = std::thread([this] {
            id = GetCurrentThreadId();
            HWND shown = CreateWindowA("STATIC", "TarvoTaskShown", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
            CreateWindowA("STATIC", "TarvoTaskHidden", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                          nullptr);
            CreateWindowA("STATIC", "TarvoTaskOwned", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 50, 50, shown,
                          nullptr, nullptr, nullptr);
            MSG m;
            PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists from here on
            SetEvent(ready);
            while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
        });
        WaitForSingleObject(ready, 10000);
    }
    ~WindowThread() {
        PostThreadMessageA(id, WM_QUIT, 0, 0);
        thread.join();
        CloseHandle(ready);
    }
};

LRESULT CALLBACK PlainWindow(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

TEST_F(ActionTest, TasksStartFromTheShellWindow) {
    // Wine has no PROGMAN window: the list is empty, whatever windows exist.
    if (!FindWindowA("PROGMAN", nullptr)) EXPECT_EQ(Ask("SYS_TASKS", {L(true), L(true)}), "C ");
    WNDCLASSA c = {};
    c.lpfnWndProc = PlainWindow;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "Progman";
    RegisterClassA(&c);
    HWND shell = CreateWindowA("Progman", "Program Manager", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                               c.hInstance, nullptr);
    ASSERT_TRUE(shell);
    HWND own = CreateWindowA("STATIC", "TarvoTaskOwnThread", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 50, 50,
                             nullptr, nullptr, nullptr, nullptr);
    {
        WindowThread other;
        auto has = [](const std::string& list, const char* title) {
            return ("^" + list + "^").find(std::string("^") + title + "^") != std::string::npos;
        };
        const std::string plain = Text("SYS_TASKS", {});
        EXPECT_TRUE(has(plain, "TarvoTaskShown")) << plain;
        EXPECT_FALSE(has(plain, "TarvoTaskHidden"));
        EXPECT_FALSE(has(plain, "TarvoTaskOwned"));      // it has an owner
        EXPECT_FALSE(has(plain, "TarvoTaskOwnThread"));  // the calling thread's
        const std::string own = Text("SYS_TASKS", {L(true)});
        EXPECT_TRUE(has(own, "TarvoTaskOwnThread"));
        EXPECT_FALSE(has(own, "TarvoTaskHidden"));
        const std::string all = Text("SYS_TASKS", {L(true), L(true)});
        EXPECT_TRUE(has(all, "TarvoTaskHidden"));
        EXPECT_TRUE(has(all, "Program Manager"));
        EXPECT_FALSE(has(all, "TarvoTaskOwned"));
    }
    DestroyWindow(own);
    DestroyWindow(shell);
}

// Windows NT keeps the process lists empty, and the tool-help functions
// are not even looked up.
int g_toolHelpLookups = 0;
bool g_hideThreadNext = false;
FARPROC WINAPI CountingGetProcAddress(HMODULE module, LPCSTR name) {
    const std::string n = HIWORD(reinterpret_cast<ULONG_PTR>(name)) ? name : "";
    if (n.find("32") != std::string::npos) ++g_toolHelpLookups;
    if (g_hideThreadNext && n == "Thread32Next") return nullptr;
    return GetProcAddress(module, name);
}

TEST_F(ActionTest, ProcessListsAreEmptyOnWindowsNt) {
    g_toolHelpLookups = 0;
    Stand("KERNEL32.dll", "GetProcAddress", &CountingGetProcAddress);
    Ask("SYS_PROCESSES", {});
    Ask("SYS_PROCESSESID", {});
    EXPECT_EQ(g_toolHelpLookups, 0);
}

// Without every tool-help function no process is ended; with them, the
// process ends with exit code -1.
TEST_F(ActionTest, KillsAProcessWithExitCodeMinusOne) {
    const int handles = OpenHandles();
    std::string line = "\"" + BesideExe("test_child.exe") + "\" --sleep 60000";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &child));
    const auto id = static_cast<std::int32_t>(child.dwProcessId);
    g_hideThreadNext = true;
    Stand("KERNEL32.dll", "GetProcAddress", &CountingGetProcAddress);
    EXPECT_EQ(Ask("SYS_KILLPROCESS", {I(id)}), "L .F.");
    g_hideThreadNext = false;
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // it lives on
    EXPECT_EQ(Ask("SYS_KILLPROCESS", {I(id)}), "L .T.");
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    EXPECT_EQ(code, 0xFFFFFFFFu);
    EXPECT_EQ(OpenHandles(), handles + 2);  // the test's own two of the child
    TerminateProcess(child.hProcess, 0);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
}

// What the library hands WinExec and ShellExecute, and how it reads their
// answers.
UINT_PTR g_answer = 0;
UINT WINAPI FakeWinExec(LPCSTR command, UINT show) {
    Note("WinExec", command, show);
    return static_cast<UINT>(g_answer);
}
HINSTANCE WINAPI FakeShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                                  INT show) {
    Note("ShellExecuteA", owner, operation, file, parameters, folder, show);
    return reinterpret_cast<HINSTANCE>(g_answer);
}

TEST_F(ActionTest, StartArgumentsAndAnswers) {
    g_asked.clear();
    Stand("KERNEL32.dll", "WinExec", &FakeWinExec);
    Stand("SHELL32.dll", "ShellExecuteA", &FakeShellExecute);
    for (const auto& [answer, started] : {std::pair{31u, "L .F."}, {32u, "L .T."}}) {
        g_answer = answer;
        EXPECT_EQ(Ask("SYS_WINEXEC", {C("prog /x")}), started);
    }
    Ask("SYS_WINEXEC", {C("prog"), I(SW_MINIMIZE)});
    g_answer = 42;
    EXPECT_EQ(Ask("SYS_SHELLEXECUTE", {C("print"), C("a.txt"), C("-p"), C("C:\\")}), "I 42");
    Ask("SYS_SHELLEXECUTE", {C(""), C("a.txt"), C(""), C(""), I(SW_SHOWMAXIMIZED)});
    // Owned by the main window; shown as Windows' default (10) and normal
    // (1) when left out.
    const std::string main = ArgText(host.mainWindow());
    EXPECT_EQ(g_asked, (std::vector<std::string>{"WinExec|prog /x|10", "WinExec|prog /x|10", "WinExec|prog|6",
                                                 "ShellExecuteA|" + main + "|print|a.txt|-p|C:\\|1",
                                                 "ShellExecuteA|" + main + "||a.txt|||3"}));
}

TEST_F(ActionTest, LibrariesLoadedAndFreed) {
    // A system library: 64-bit Wine loads its own above 4 GB, where no
    // 32-bit integer names it (-1, and it is freed again).
    const HMODULE held = LoadLibraryA("version.dll");
    const auto n = reinterpret_cast<std::uintptr_t>(held);
    const std::int32_t h = Int("SYS_LOADLIBRARY", {C("version.dll")});
    EXPECT_EQ(h, n > 0xFFFFFFFFu ? -1 : static_cast<std::int32_t>(n));
    if (h != -1) {
        EXPECT_EQ(Ask("SYS_MODULENAME", {I(h)}).substr(0, 2), "C ");
        EXPECT_EQ(Ask("SYS_FREELIBRARY", {I(h)}), "L .T.");
    }
    FreeLibrary(held);
    for (const std::string& bad : {std::string(""), std::string(300, 'd')})
        EXPECT_EQ(Ask("SYS_LOADLIBRARY", {C(bad)}), "I -1") << bad.size();
}

// -1 asks for the count of icons (ExtractIcon's 0xFFFFFFFF).
TEST_F(ActionTest, IconsOfFiles) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(host.mainWindow(), GWLP_HINSTANCE));
    ASSERT_TRUE(instance);
    const auto count = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(ExtractIconA(instance, "shell32.dll", ~0u)));
    EXPECT_EQ(Int("SYS_EXTRACTICON", {C("shell32.dll"), I(-1)}), count);
    EXPECT_EQ(Int("SYS_EXTRACTICON", {C("shell32.dll"), I(count + 5)}), 0);
}

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reserved) {
    Note("ExitWindowsEx", flags, reserved);
    return TRUE;
}
BOOL WINAPI FakeShutdown(LPSTR machine, LPSTR message, DWORD seconds, BOOL force, BOOL restart) {
    Note("InitiateSystemShutdownA", machine, message, seconds, force, restart);
    return FALSE;
}
void WINAPI FakeFatalAppExit(UINT action, LPCSTR message) { Note("FatalAppExitA", action, message); }

TEST_F(ActionTest, SessionAndMachineAreNeverEnded) {
    g_asked.clear();
    Stand("USER32.dll", "ExitWindowsEx", &FakeExitWindowsEx);
    Stand("ADVAPI32.dll", "InitiateSystemShutdownA", &FakeShutdown);
    Stand("KERNEL32.dll", "FatalAppExitA", &FakeFatalAppExit);
    EXPECT_EQ(Ask("SYS_EXITWINDOWS", {I(EWX_SHUTDOWN | EWX_FORCE)}), "none");
    EXPECT_EQ(Ask("EXITWINDOWS", {I(0)}), "none");
    // The stand-in's failure is not reported either.
    EXPECT_EQ(Ask("SYS_EXIT", {C(""), C("Closing for the night"), I(30), L(true), L(false)}), "none");
    Ask("SYS_EXIT", {C("\\\\OTHER"), C(""), I(0), L(false), L(true)});
    EXPECT_EQ(Ask("FATALEXIT", {C("The data is damaged")}), "none");
    EXPECT_EQ(g_asked, (std::vector<std::string>{"ExitWindowsEx|5|0", "ExitWindowsEx|0|0",
                                                 "InitiateSystemShutdownA||Closing for the night|30|1|0",
                                                 "InitiateSystemShutdownA|\\\\OTHER||0|0|1",
                                                 "FatalAppExitA|0|The data is damaged"}));
    EXPECT_EQ(Int("TST_TEST", {I(3)}), 27);  // the host lives on
}

BOOL WINAPI FakeShellAbout(HWND owner, LPCSTR title, LPCSTR text, HICON icon) {
    Note("ShellAboutA", owner, title, text, icon);
    return TRUE;
}
BOOL WINAPI FakeConfigurePort(LPSTR server, HWND owner, LPSTR port) {
    Note("ConfigurePortA", server, owner, port);
    return FALSE;
}
void WINAPI FakeSleep(DWORD milliseconds) { Note("Sleep", milliseconds); }
LRESULT WINAPI FakeSendMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
    Note("SendMessageA", window, message, w, reinterpret_cast<const char*>(l));
    return 0;
}
// Icons by name: a marker handle for the application icon, none for any
// other name but "#32516".
HICON WINAPI FakeLoadIcon(HINSTANCE instance, LPCSTR name) {
    const bool byNumber = !HIWORD(reinterpret_cast<ULONG_PTR>(name));
    const std::string text = byNumber ? "#" + std::to_string(LOWORD(reinterpret_cast<ULONG_PTR>(name))) : name;
    Note("LoadIconA", instance, text.c_str());
    if (byNumber && text == "#32513") return reinterpret_cast<HICON>(0x1111);
    return !byNumber && text == "#32516" ? reinterpret_cast<HICON>(0x2222) : nullptr;
}

TEST_F(ActionTest, DialogsPausesAndBroadcastsAreAskedOnly) {
    g_asked.clear();
    Stand("SHELL32.dll", "ShellAboutA", &FakeShellAbout);
    Stand("WINSPOOL.DRV", "ConfigurePortA", &FakeConfigurePort);
    Stand("KERNEL32.dll", "Sleep", &FakeSleep);
    Stand("USER32.dll", "SendMessageA", &FakeSendMessage);
    Stand("USER32.dll", "LoadIconA", &FakeLoadIcon);
    EXPECT_EQ(Ask("SYS_SHELLABOUT", {C("Ledger"), C("Version 2.1")}), "none");
    Ask("SYS_SHELLABOUT", {C("A"), C("B"), C("no such icon")});
    Ask("SYS_SHELLABOUT", {C("A"), C("B"), C("#32516")});
    EXPECT_EQ(Ask("CONFIGUREPORT", {C("COM1:")}), "none");
    EXPECT_EQ(Ask("SYS_SLEEP", {I(1234)}), "none");
    Ask("SYS_PAUSE", {I(-1)});
    EXPECT_EQ(Ask("BROADCAST", {C("intl")}), "L .T.");
    // The application icon unless the named one is found; the port of the
    // local machine (no server); -1 is INFINITE; WM_SETTINGCHANGE to all.
    const std::string main = ArgText(host.mainWindow());
    EXPECT_EQ(g_asked, (std::vector<std::string>{
                           "LoadIconA|0x0|#32513", "ShellAboutA|" + main + "|Ledger|Version 2.1|0x1111",
                           "LoadIconA|0x0|no such icon", "LoadIconA|0x0|#32513", "ShellAboutA|" + main + "|A|B|0x1111",
                           "LoadIconA|0x0|#32516", "ShellAboutA|" + main + "|A|B|0x2222",
                           "ConfigurePortA|(null)|" + main + "|COM1:", "Sleep|1234", "Sleep|4294967295",
                           "SendMessageA|0xffff|26|0|intl"}));
}

// The clock: SetLocalTime replaced; on Windows NT the system-time privilege
// is on while it runs, and every privilege is off afterwards.
bool TimePrivilegeOn() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    LUID luid;
    LookupPrivilegeValueA(nullptr, "SeSystemtimePrivilege", &luid);
    char buffer[4096];
    DWORD size = 0;
    bool on = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &size)) {
        const auto* p = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer);
        for (DWORD i = 0; i < p->PrivilegeCount; ++i)
            if (p->Privileges[i].Luid.LowPart == luid.LowPart && p->Privileges[i].Luid.HighPart == luid.HighPart)
                on = (p->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
    CloseHandle(token);
    return on;
}
BOOL g_clockAnswer = TRUE;
BOOL WINAPI FakeSetLocalTime(const SYSTEMTIME* t) {
    Note("SetLocalTime", t->wYear, t->wMonth, t->wDay, t->wHour, t->wMinute, t->wSecond, t->wMilliseconds,
         TimePrivilegeOn());
    return g_clockAnswer;
}

TEST_F(ActionTest, ClockIsNeverSet) {
    g_asked.clear();
    g_clockAnswer = TRUE;
    Stand("KERNEL32.dll", "SetLocalTime", &FakeSetLocalTime);
    const int handles = OpenHandles();
    EXPECT_EQ(Ask("SYS_SETLOCALTIME", {I(2024 + 65536), I(1), I(31), I(12), I(34), I(56), I(789)}), "L .T.");
    EXPECT_FALSE(TimePrivilegeOn());
    EXPECT_EQ(OpenHandles(), handles);  // the token is closed
    g_clockAnswer = FALSE;  // Windows refuses month 13
    EXPECT_EQ(Ask("SYS_SETLOCALTIME", {I(2024), I(13), I(1), I(0), I(0), I(0), I(0)}), "L .F.");
    // Each number by its low 16 bits, the privilege on (1) meanwhile.
    EXPECT_EQ(g_asked, (std::vector<std::string>{"SetLocalTime|2024|1|31|12|34|56|789|1",
                                                 "SetLocalTime|2024|13|1|0|0|0|0|1"}));
}

int g_portInstructions = 0;
LONG CALLBACK CountPortInstructions(EXCEPTION_POINTERS* e) {
    if (e->ExceptionRecord->ExceptionCode == EXCEPTION_PRIV_INSTRUCTION) ++g_portInstructions;
    return EXCEPTION_CONTINUE_SEARCH;
}

TEST_F(ActionTest, PortsAreRefusedOnWindowsNt) {
    g_portInstructions = 0;
    void* counter = AddVectoredExceptionHandler(1, CountPortInstructions);
    EXPECT_EQ(Ask("SYS_INP", {I(0x379)}), "I 256");
    EXPECT_EQ(Ask("SYS_OUTP", {I(0x378), C("A")}), "L .F.");
    RemoveVectoredExceptionHandler(counter);
    EXPECT_EQ(g_portInstructions, 0);  // no instruction was tried
}

}  // namespace
}  // namespace tarvo::test
