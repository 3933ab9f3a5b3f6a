// Processes and system actions as Windows NT runs them. Programs the test
// starts itself (test_child.exe) are listed, started and ended for real;
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

class ActionTest : public SystemTest {
  protected:
    void SetUp() override {
        dir = ScratchDir("system-actions");
        SystemTest::SetUp();
    }
    void TearDown() override {
        for (PROCESS_INFORMATION& p : children_) {
            TerminateProcess(p.hProcess, 0);
            WaitForSingleObject(p.hProcess, 10000);
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        SystemTest::TearDown();
        RemoveTree(dir);
    }
    std::string Child() const { return BesideExe("test_child.exe"); }
    // Starts test_child.exe with these arguments; ended at the test's end.
    PROCESS_INFORMATION Start(const std::string& arguments) {
        std::string line = "\"" + Child() + "\" " + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        EXPECT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            << "test_child.exe did not start: error " << GetLastError();
        children_.push_back(pi);
        return pi;
    }
    // The text a child wrote into its marker file, once it is there (at
    // most 20 s).
    std::string Marker(const std::string& file) {
        for (int i = 0; i < 400 && !Exists(file); ++i) Sleep(50);
        return ReadAll(file);
    }
    std::string dir;

  private:
    std::vector<PROCESS_INFORMATION> children_;
};

// --- lists ------------------------------------------------------------------

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
        for (const std::string& list : {plain, own, all}) {
            EXPECT_LE(list.size(), 1023u);
            if (!list.empty()) EXPECT_NE(list.back(), '^');
        }
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

// --- ending and starting programs --------------------------------------------

TEST_F(ActionTest, KillsAProcessWithExitCodeMinusOne) {
    const int handles = OpenHandles();
    const PROCESS_INFORMATION child = Start("--sleep 60000");
    EXPECT_EQ(Ask("SYS_KILLPROCESS", {I(static_cast<std::int32_t>(child.dwProcessId))}), "L .T.");
    ASSERT_EQ(WaitForSingleObject(child.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    EXPECT_EQ(code, 0xFFFFFFFFu);
    EXPECT_EQ(Ask("SYS_KILLPROCESS", {I(0x7FFFFFF0)}), "L .F.");  // no such process
    EXPECT_EQ(OpenHandles(), handles + 2);  // the test's own two of the child
}

TEST_F(ActionTest, NoKillWithoutToolHelp) {
    const PROCESS_INFORMATION child = Start("--sleep 60000");
    g_hideThreadNext = true;
    Stand("KERNEL32.dll", "GetProcAddress", &CountingGetProcAddress);
    EXPECT_EQ(Ask("SYS_KILLPROCESS", {I(static_cast<std::int32_t>(child.dwProcessId))}), "L .F.");
    g_hideThreadNext = false;
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));  // it lives on
}

TEST_F(ActionTest, StartsProgramsThatRun) {
    const std::string marker = dir + "\\winexec.txt";
    const std::string command = "\"" + Child() + "\" --marker \"" + marker + "\" --sleep 0";
    EXPECT_EQ(Ask("SYS_WINEXEC", {C(command)}), "L .T.");
    EXPECT_EQ(Marker(marker), command);

    const std::string opened = dir + "\\shell.txt";
    const std::string parameters = "--marker \"" + opened + "\" --sleep 0";
    const std::int32_t answer = Int("SYS_SHELLEXECUTE", {C("open"), C(Child()), C(parameters), C(dir)});
    EXPECT_GT(answer, 32);
    EXPECT_NE(Marker(opened).find(parameters), std::string::npos);
}

// What the library hands WinExec and ShellExecute, and how it reads their
// answers.
struct Started {
    std::string command;
    UINT show = 0;
    HWND owner = nullptr;
    std::string operation, file, parameters, folder;
    UINT_PTR answer = 0;
} g_started;
UINT WINAPI FakeWinExec(LPCSTR command, UINT show) {
    g_started.command = command;
    g_started.show = show;
    return static_cast<UINT>(g_started.answer);
}
HINSTANCE WINAPI FakeShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                                  INT show) {
    g_started = {"", static_cast<UINT>(show), owner, operation, file, parameters, folder, g_started.answer};
    return reinterpret_cast<HINSTANCE>(g_started.answer);
}

TEST_F(ActionTest, StartArgumentsAndAnswers) {
    Stand("KERNEL32.dll", "WinExec", &FakeWinExec);
    Stand("SHELL32.dll", "ShellExecuteA", &FakeShellExecute);
    for (const auto& [answer, started] : {std::pair{31u, "L .F."}, {32u, "L .T."}, {2u, "L .F."}}) {
        g_started.answer = answer;
        EXPECT_EQ(Ask("SYS_WINEXEC", {C("prog /x")}), started);
        EXPECT_EQ(g_started.command, "prog /x");
        EXPECT_EQ(g_started.show, static_cast<UINT>(SW_SHOWDEFAULT));  // 10 when left out
    }
    Ask("SYS_WINEXEC", {C("prog"), I(SW_MINIMIZE)});
    EXPECT_EQ(g_started.show, static_cast<UINT>(SW_MINIMIZE));

    g_started.answer = 42;
    EXPECT_EQ(Ask("SYS_SHELLEXECUTE", {C("print"), C("a.txt"), C("-p"), C("C:\\")}), "I 42");
    EXPECT_EQ(g_started.owner, host.mainWindow());
    EXPECT_EQ(g_started.operation + "|" + g_started.file + "|" + g_started.parameters + "|" + g_started.folder,
              "print|a.txt|-p|C:\\");
    EXPECT_EQ(g_started.show, static_cast<UINT>(SW_SHOWNORMAL));  // 1 when left out
    Ask("SYS_SHELLEXECUTE", {C(""), C("a.txt"), C(""), C(""), I(SW_SHOWMAXIMIZED)});
    EXPECT_EQ(g_started.show, static_cast<UINT>(SW_SHOWMAXIMIZED));
}

std::int32_t Number(const void* p) {
    const auto n = reinterpret_cast<std::uintptr_t>(p);
    return n > 0xFFFFFFFFu ? -1 : static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

TEST_F(ActionTest, LibrariesLoadedAndFreed) {
    // The library itself, loaded once more: the same handle (below 2 GB in
    // both builds).
    char self[MAX_PATH];
    GetModuleFileNameA(host.module(), self, MAX_PATH);
    EXPECT_EQ(Int("SYS_LOADLIBRARY", {C(self)}), Number(host.module()));
    EXPECT_EQ(Ask("SYS_FREELIBRARY", {I(Number(host.module()))}), "L .T.");
    // A system library: 64-bit Wine loads its own above 4 GB, where no
    // 32-bit integer names it (-1, and it is freed again).
    const HMODULE held = LoadLibraryA("version.dll");
    const std::int32_t h = Int("SYS_LOADLIBRARY", {C("version.dll")});
    EXPECT_EQ(h, Number(held));
    if (h != -1) {
        EXPECT_EQ(Ask("SYS_MODULENAME", {I(h)}).substr(0, 2), "C ");
        EXPECT_EQ(Ask("SYS_FREELIBRARY", {I(h)}), "L .T.");
    }
    FreeLibrary(held);
    for (const std::string& bad : {std::string("nosuch.dll"), std::string(""), std::string(300, 'd')})
        EXPECT_EQ(Ask("SYS_LOADLIBRARY", {C(bad)}), "I -1") << bad.size();
    EXPECT_EQ(Ask("SYS_FREELIBRARY", {I(0)}), "L .F.");
}

TEST_F(ActionTest, IconsOfFiles) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(host.mainWindow(), GWLP_HINSTANCE));
    ASSERT_TRUE(instance);
    const auto count = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(ExtractIconA(instance, "shell32.dll", ~0u)));
    EXPECT_EQ(Int("SYS_EXTRACTICON", {C("shell32.dll"), I(-1)}), count);
    const std::int32_t icon = Int("SYS_EXTRACTICON", {C("shell32.dll"), I(0)});
    EXPECT_NE(icon, 0);
    DestroyIcon(reinterpret_cast<HICON>(static_cast<std::intptr_t>(icon)));
    EXPECT_EQ(Int("SYS_EXTRACTICON", {C("shell32.dll"), I(count + 5)}), 0);
}

// --- actions never run for real ----------------------------------------------

struct Asked {
    int count = 0;
    std::string text1, text2;
    DWORD number = 0, number2 = 0;
    BOOL flag1 = FALSE, flag2 = FALSE;
    HWND window = nullptr;
    HICON icon = nullptr;
    void* pointer = nullptr;
} g_asked;

BOOL WINAPI FakeExitWindowsEx(UINT flags, DWORD reserved) {
    ++g_asked.count;
    g_asked.number = flags;
    g_asked.number2 = reserved;
    return TRUE;
}
BOOL WINAPI FakeShutdown(LPSTR machine, LPSTR message, DWORD seconds, BOOL force, BOOL restart) {
    g_asked = {g_asked.count + 1, machine ? machine : "(null)", message ? message : "(null)", seconds, 0, force, restart};
    return FALSE;
}
void WINAPI FakeFatalAppExit(UINT action, LPCSTR message) {
    ++g_asked.count;
    g_asked.number = action;
    g_asked.text1 = message;
}
BOOL WINAPI FakeShellAbout(HWND owner, LPCSTR title, LPCSTR text, HICON icon) {
    ++g_asked.count;
    g_asked.window = owner;
    g_asked.text1 = title;
    g_asked.text2 = text;
    g_asked.icon = icon;
    return TRUE;
}
BOOL WINAPI FakeConfigurePort(LPSTR server, HWND owner, LPSTR port) {
    ++g_asked.count;
    g_asked.pointer = server;
    g_asked.window = owner;
    g_asked.text1 = port;
    return FALSE;
}
void WINAPI FakeSleep(DWORD milliseconds) {
    ++g_asked.count;
    g_asked.number = milliseconds;
}
// Icons by name: a marker handle for the application icon, none for any
// other name but "#32516".
std::vector<std::string> g_iconsAsked;
HICON WINAPI FakeLoadIcon(HINSTANCE instance, LPCSTR name) {
    const bool byNumber = !HIWORD(reinterpret_cast<ULONG_PTR>(name));
    g_iconsAsked.push_back((instance ? "instance:" : "") +
                           (byNumber ? "#" + std::to_string(LOWORD(reinterpret_cast<ULONG_PTR>(name))) : std::string(name)));
    if (byNumber && LOWORD(reinterpret_cast<ULONG_PTR>(name)) == 32513) return reinterpret_cast<HICON>(0x1111);
    if (!byNumber && std::string(name) == "#32516") return reinterpret_cast<HICON>(0x2222);
    return nullptr;
}
LRESULT WINAPI FakeSendMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
    ++g_asked.count;
    g_asked.window = window;
    g_asked.number = message;
    g_asked.number2 = static_cast<DWORD>(w);
    g_asked.text1 = reinterpret_cast<const char*>(l);
    return 0;
}

TEST_F(ActionTest, SessionAndMachineAreNeverEnded) {
    g_asked = {};
    Stand("USER32.dll", "ExitWindowsEx", &FakeExitWindowsEx);
    Stand("ADVAPI32.dll", "InitiateSystemShutdownA", &FakeShutdown);
    Stand("KERNEL32.dll", "FatalAppExitA", &FakeFatalAppExit);
    run::Outcome o = host.Call("SYS_EXITWINDOWS", {I(EWX_SHUTDOWN | EWX_FORCE)});
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(g_asked.number, static_cast<DWORD>(EWX_SHUTDOWN | EWX_FORCE));
    EXPECT_EQ(g_asked.number2, 0u);
    EXPECT_FALSE(host.Call("EXITWINDOWS", {I(0)}).hasValue());
    EXPECT_EQ(g_asked.count, 2);

    o = host.Call("SYS_EXIT", {C(""), C("Closing for the night"), I(30), L(true), L(false)});
    EXPECT_FALSE(o.hasValue());  // the stand-in's failure is not reported either
    EXPECT_EQ(g_asked.count, 3);
    EXPECT_EQ(g_asked.text1, "");
    EXPECT_EQ(g_asked.text2, "Closing for the night");
    EXPECT_EQ(g_asked.number, 30u);
    EXPECT_TRUE(g_asked.flag1);
    EXPECT_FALSE(g_asked.flag2);
    host.Call("SYS_EXIT", {C("\\\\OTHER"), C(""), I(0), L(false), L(true)});
    EXPECT_EQ(g_asked.text1, "\\\\OTHER");
    EXPECT_TRUE(g_asked.flag2);

    o = host.Call("FATALEXIT", {C("The data is damaged")});
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(g_asked.count, 5);
    EXPECT_EQ(g_asked.number, 0u);
    EXPECT_EQ(g_asked.text1, "The data is damaged");
    EXPECT_EQ(Int("TST_TEST", {I(3)}), 27);  // the host lives on
}

TEST_F(ActionTest, DialogsPausesAndBroadcastsAreAskedOnly) {
    g_asked = {};
    Stand("SHELL32.dll", "ShellAboutA", &FakeShellAbout);
    Stand("WINSPOOL.DRV", "ConfigurePortA", &FakeConfigurePort);
    Stand("KERNEL32.dll", "Sleep", &FakeSleep);
    Stand("USER32.dll", "SendMessageA", &FakeSendMessage);
    Stand("USER32.dll", "LoadIconA", &FakeLoadIcon);
    g_iconsAsked.clear();
    EXPECT_FALSE(host.Call("SYS_SHELLABOUT", {C("Ledger"), C("Version 2.1")}).hasValue());
    EXPECT_EQ(g_asked.window, host.mainWindow());
    EXPECT_EQ(g_asked.text1 + "|" + g_asked.text2, "Ledger|Version 2.1");
    EXPECT_EQ(g_asked.icon, reinterpret_cast<HICON>(0x1111));  // the application icon
    host.Call("SYS_SHELLABOUT", {C("A"), C("B"), C("no such icon")});
    EXPECT_EQ(g_asked.icon, reinterpret_cast<HICON>(0x1111));
    host.Call("SYS_SHELLABOUT", {C("A"), C("B"), C("#32516")});
    EXPECT_EQ(g_asked.icon, reinterpret_cast<HICON>(0x2222));  // the named one, found
    EXPECT_EQ(g_iconsAsked, (std::vector<std::string>{"#32513", "no such icon", "#32513", "#32516"}));

    EXPECT_FALSE(host.Call("CONFIGUREPORT", {C("COM1:")}).hasValue());
    EXPECT_EQ(g_asked.pointer, nullptr);  // the local machine
    EXPECT_EQ(g_asked.window, host.mainWindow());
    EXPECT_EQ(g_asked.text1, "COM1:");

    EXPECT_FALSE(host.Call("SYS_SLEEP", {I(1234)}).hasValue());
    EXPECT_EQ(g_asked.number, 1234u);
    host.Call("SYS_PAUSE", {I(-1)});
    EXPECT_EQ(g_asked.number, 0xFFFFFFFFu);  // INFINITE

    EXPECT_EQ(Ask("BROADCAST", {C("intl")}), "L .T.");
    EXPECT_EQ(g_asked.window, HWND_BROADCAST);
    EXPECT_EQ(g_asked.number, static_cast<DWORD>(WM_SETTINGCHANGE));
    EXPECT_EQ(g_asked.number2, 0u);
    EXPECT_EQ(g_asked.text1, "intl");
    EXPECT_EQ(g_asked.count, 7);
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
struct ClockCall {
    int count = 0;
    SYSTEMTIME time = {};
    bool privileged = false;
    BOOL answer = TRUE;
} g_clock;
BOOL WINAPI FakeSetLocalTime(const SYSTEMTIME* t) {
    ++g_clock.count;
    g_clock.time = *t;
    g_clock.privileged = TimePrivilegeOn();
    return g_clock.answer;
}

TEST_F(ActionTest, ClockIsNeverSet) {
    g_clock = {};
    Stand("KERNEL32.dll", "SetLocalTime", &FakeSetLocalTime);
    const int handles = OpenHandles();
    EXPECT_EQ(Ask("SYS_SETLOCALTIME", {I(2024 + 65536), I(1), I(31), I(12), I(34), I(56), I(789)}), "L .T.");
    EXPECT_EQ(g_clock.count, 1);
    const SYSTEMTIME& t = g_clock.time;
    EXPECT_EQ(std::to_string(t.wYear) + "-" + std::to_string(t.wMonth) + "-" + std::to_string(t.wDay) + " " +
                  std::to_string(t.wHour) + ":" + std::to_string(t.wMinute) + ":" + std::to_string(t.wSecond) + "." +
                  std::to_string(t.wMilliseconds),
              "2024-1-31 12:34:56.789");
    EXPECT_TRUE(g_clock.privileged);
    EXPECT_FALSE(TimePrivilegeOn());
    EXPECT_EQ(OpenHandles(), handles);  // the token is closed
    g_clock.answer = FALSE;  // Windows refuses month 13
    EXPECT_EQ(Ask("SYS_SETLOCALTIME", {I(2024), I(13), I(1), I(0), I(0), I(0), I(0)}), "L .F.");
    EXPECT_EQ(g_clock.time.wMonth, 13);
}

// --- ports --------------------------------------------------------------------

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
