// The library's Windows 95 branches, run for real: dll_tests95.exe is this
// program under another name, which the test prefix runs as Windows 95
// (scripts/wine-prefix.sh); in dll_tests.exe these suites skip.
//
// Under Wine the process snapshot never names a process's main module (its
// process entries give module 0, its module entries count from 1), so the
// real lists are empty; the tool-help functions are replaced here by ones
// that describe processes of the test's choosing, to reach every branch.
// The processor's port instructions: a handler the test adds before the
// call stands in for the ports, as Windows 95's drivers do.
#include <windows.h>

#include <tlhelp32.h>

#include <map>
#include <string>
#include <vector>

#include "system_test.h"

namespace tarvo::test {
namespace {

class SystemInfoWin95Test : public SystemWin95Test {};

TEST_F(SystemInfoWin95Test, VersionOfWindows95) {
    EXPECT_EQ(Ask("SYS_ISNT", {}), "L .F.");
    EXPECT_EQ(Ask("SYS_OS", {I(4)}), AnswerOf(std::int32_t{VER_PLATFORM_WIN32_WINDOWS}));
    EXPECT_EQ(Ask("SYS_WINMAJ", {}), "I 4");
    EXPECT_EQ(Int("SYS_DOSMAJ", {}), static_cast<std::int32_t>(GetVersion() >> 24));
    EXPECT_EQ(Int("SYS_DOSMIN", {}), static_cast<std::int32_t>((GetVersion() >> 16) & 0xFF));
}

// The DOS request through VWIN32, made here the same way: Wine answers it
// but leaves bit 15 of the flags set, so both give -1.
std::int32_t DirectMediaType(int drive) {
    HANDLE device = CreateFileA("\\\\.\\vwin32", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) return -1;
    static unsigned char block[36];
    DWORD r[7] = {static_cast<DWORD>(drive), static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(block)), 0x0860,
                  0x440D, 0, 0, 0x8000};
    DWORD got = 0;
    const BOOL ok = DeviceIoControl(device, 1, r, sizeof r, r, sizeof r, &got, nullptr);
    CloseHandle(device);
    return !ok || (r[6] & 0x8000) ? -1 : block[6];
}

TEST_F(SystemInfoWin95Test, MediaTypeThroughVwin32) {
    for (const char* drive : {"C", "a:", "Z:\\"}) {
        const int number = (drive[0] & ~0x20) - '@';
        EXPECT_EQ(Ask("SYS_MEDIATYPE", {C(drive)}), AnswerOf(DirectMediaType(number))) << drive;
    }
    EXPECT_EQ(Ask("SYS_MEDIATYPE", {C("")}), "I -1");
}

TEST_F(SystemInfoWin95Test, RealProcessListsUnderWine) {
    // What Wine's snapshot holds: no process entry names a module.
    HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    bool anyModule = false;
    for (BOOL more = Process32First(all, &pe); more; more = Process32Next(all, &pe))
        anyModule |= pe.th32ModuleID != 0;
    CloseHandle(all);
    if (anyModule) GTEST_SKIP() << "a snapshot that names modules: not Wine's";
    EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C ");
    EXPECT_EQ(Ask("SYS_PROCESSES", {I(32)}), "C ");
    EXPECT_EQ(Ask("SYS_PROCESSESID", {}), "C ");
}

// --- the process lists from tool-help functions of the test's own ---------

struct FakeProcess {
    DWORD id;
    std::string exe;
    DWORD module;  // the main module's id
    std::vector<std::pair<DWORD, std::string>> modules;  // id, path
};
std::vector<FakeProcess> g_processes;
std::map<HANDLE, DWORD> g_snapshots;  // a snapshot's handle: its process, or 0 for the list
std::map<HANDLE, std::size_t> g_cursor;
std::vector<HANDLE> g_made;
bool g_noSnapshot = false;
std::string g_missingEntry;

HANDLE WINAPI FakeSnapshot(DWORD flags, DWORD process) {
    if (g_noSnapshot) return INVALID_HANDLE_VALUE;
    HANDLE h = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // a real handle, which the library closes
    g_snapshots[h] = flags == TH32CS_SNAPPROCESS ? 0 : process;
    g_made.push_back(h);
    return h;
}
BOOL Process(HANDLE h, PROCESSENTRY32* pe) {
    const std::size_t i = g_cursor[h]++;
    if (i >= g_processes.size() || pe->dwSize != sizeof *pe) return FALSE;
    pe->th32ProcessID = g_processes[i].id;
    pe->th32ModuleID = g_processes[i].module;
    lstrcpynA(pe->szExeFile, g_processes[i].exe.c_str(), MAX_PATH);
    return TRUE;
}
BOOL WINAPI FakeProcessFirst(HANDLE h, PROCESSENTRY32* pe) {
    g_cursor[h] = 0;
    return Process(h, pe);
}
BOOL WINAPI FakeProcessNext(HANDLE h, PROCESSENTRY32* pe) { return Process(h, pe); }
BOOL Module(HANDLE h, MODULEENTRY32* me) {
    const DWORD id = g_snapshots[h];
    for (const FakeProcess& p : g_processes) {
        if (p.id != id) continue;
        const std::size_t i = g_cursor[h]++;
        if (i >= p.modules.size() || me->dwSize != sizeof *me) return FALSE;
        me->th32ModuleID = p.modules[i].first;
        me->th32ProcessID = id;
        lstrcpynA(me->szExePath, p.modules[i].second.c_str(), MAX_PATH);
        const std::string name = p.modules[i].second.substr(p.modules[i].second.find_last_of('\\') + 1);
        lstrcpynA(me->szModule, name.c_str(), MAX_MODULE_NAME32 + 1);
        return TRUE;
    }
    return FALSE;
}
BOOL WINAPI FakeModuleFirst(HANDLE h, MODULEENTRY32* me) {
    g_cursor[h] = 0;
    return Module(h, me);
}
BOOL WINAPI FakeModuleNext(HANDLE h, MODULEENTRY32* me) { return Module(h, me); }

FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name) {
    const std::string n = HIWORD(reinterpret_cast<ULONG_PTR>(name)) ? name : "";
    if (n == g_missingEntry) return nullptr;
    if (n == "CreateToolhelp32Snapshot") return reinterpret_cast<FARPROC>(&FakeSnapshot);
    if (n == "Process32First") return reinterpret_cast<FARPROC>(&FakeProcessFirst);
    if (n == "Process32Next") return reinterpret_cast<FARPROC>(&FakeProcessNext);
    if (n == "Module32First") return reinterpret_cast<FARPROC>(&FakeModuleFirst);
    if (n == "Module32Next") return reinterpret_cast<FARPROC>(&FakeModuleNext);
    return GetProcAddress(module, name);
}

class ProcessesWin95Test : public SystemWin95Test {
  protected:
    void SetUp() override {
        SystemWin95Test::SetUp();
        if (IsSkipped()) return;
        dir_ = ScratchDir("system-win95");
        // A 16-bit Windows program whose NE header names its module.
        std::string ne(0x100, '\0');
        ne[0] = 'M', ne[1] = 'Z', ne[0x3C] = static_cast<char>(0x80);
        ne[0x80] = 'N', ne[0x81] = 'E', ne[0x80 + 0x26] = 0x40;
        ne[0xC0] = 6;
        ne.replace(0xC1, 6, "OLDAPP");
        WriteAll(dir_ + "\\old16.exe", ne);
        g_processes = {
            {100, "C:\\apps\\one.exe", 1, {{2, "C:\\apps\\lib.dll"}, {1, "c:\\APPS\\ONE.EXE"}}},
            {200, dir_ + "\\old16.exe", 5, {{5, "C:\\windows\\system\\winoldap.mod"}}},
            {300, dir_ + "\\missing.exe", 7, {{7, "C:\\windows\\mod16.dll"}}},
            {400, "C:\\apps\\nomain.exe", 9, {{3, "C:\\apps\\nomain.exe"}}},  // no main module: skipped
            {0xFFFFFFF0u, "C:\\apps\\two.exe", 4, {{4, "C:\\apps\\two.exe"}}},
        };
        g_snapshots.clear();
        g_cursor.clear();
        g_made.clear();
        g_noSnapshot = false;
        g_missingEntry.clear();
        Stand("KERNEL32.dll", "GetProcAddress", &FakeGetProcAddress);
    }
    void TearDown() override {
        SystemWin95Test::TearDown();
        RemoveTree(dir_);
    }
    // Every snapshot the library took it closed again.
    void ExpectSnapshotsClosed() {
        DWORD flags;
        for (HANDLE h : g_made) EXPECT_FALSE(GetHandleInformation(h, &flags)) << h;
        g_made.clear();
    }
    std::string dir_;
};

TEST_F(ProcessesWin95Test, NamesKindsAndFilters) {
    EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C ONE.EXE(32-bit)^OLDAPP(16-bit)^mod16.dll(16-bit)^two.exe(32-bit)");
    ExpectSnapshotsClosed();
    EXPECT_EQ(Ask("SYS_PROCESSES", {I(32)}), "C ONE.EXE^two.exe");
    EXPECT_EQ(Ask("SYS_PROCESSES", {I(16)}), "C OLDAPP^mod16.dll");
    EXPECT_EQ(Ask("SYS_PROCESSES", {I(64)}), "C ");
    EXPECT_EQ(Ask("SYS_PROCESSESID", {}), "C 100^200^300^-16");
    ExpectSnapshotsClosed();
    g_processes.resize(1);
    EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C ONE.EXE(32-bit)");  // no "^" after the last
}

TEST_F(ProcessesWin95Test, MissingToolHelpAndSnapshots) {
    for (const char* entry : {"CreateToolhelp32Snapshot", "Module32Next", "Thread32First", "Thread32Next"}) {
        g_missingEntry = entry;
        EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C NO INITTOOLHELP32") << entry;
        EXPECT_EQ(Ask("SYS_PROCESSESID", {}), "C NO INITTOOLHELP32") << entry;
        EXPECT_EQ(Ask("SYS_KILLPROCESS", {I(100)}), "L .F.") << entry;
    }
    g_missingEntry.clear();
    g_noSnapshot = true;
    EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C CANNOT READ LIST");
    EXPECT_EQ(Ask("SYS_PROCESSESID", {}), "C CANNOT READ LIST");
    g_noSnapshot = false;
    g_processes.clear();  // Process32First finds none
    EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C CANNOT READ LIST");
    ExpectSnapshotsClosed();
}

// --- the clock and the ports ---------------------------------------------------

SYSTEMTIME g_set = {};
int g_tokens = 0;
BOOL WINAPI FakeSetLocalTime(const SYSTEMTIME* t) {
    g_set = *t;
    return TRUE;
}
BOOL WINAPI CountingOpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
    ++g_tokens;
    return OpenProcessToken(process, access, token);
}

class ActionsWin95Test : public SystemWin95Test {};

TEST_F(ActionsWin95Test, ClockWithoutPrivileges) {
    g_tokens = 0;
    Stand("KERNEL32.dll", "SetLocalTime", &FakeSetLocalTime);
    Stand("ADVAPI32.dll", "OpenProcessToken", &CountingOpenProcessToken);
    EXPECT_EQ(Ask("SYS_SETLOCALTIME", {I(1999), I(12), I(31), I(23), I(59), I(58), I(7)}), "L .T.");
    EXPECT_EQ(g_set.wYear, 1999);
    EXPECT_EQ(g_set.wSecond, 58);
    EXPECT_EQ(g_set.wMilliseconds, 7);
    EXPECT_EQ(g_tokens, 0);
}

// A stand-in for the ports, as Windows 95's drivers are: the port read
// answers 0xA5, writes are recorded.
struct PortLog {
    int reads = 0, writes = 0;
    WORD port = 0;
    BYTE written = 0;
} g_ports;
LONG CALLBACK StandInPorts(EXCEPTION_POINTERS* e) {
    if (e->ExceptionRecord->ExceptionCode != EXCEPTION_PRIV_INSTRUCTION) return EXCEPTION_CONTINUE_SEARCH;
    CONTEXT* c = e->ContextRecord;
    const BYTE op = *static_cast<const BYTE*>(e->ExceptionRecord->ExceptionAddress);
#ifdef _WIN64
    auto& ip = c->Rip;
    auto& ax = c->Rax;
    const WORD port = static_cast<WORD>(c->Rdx);
#else
    auto& ip = c->Eip;
    auto& ax = c->Eax;
    const WORD port = static_cast<WORD>(c->Edx);
#endif
    if (op == 0xEC) {  // IN AL, DX
        ++g_ports.reads;
        ax = (ax & ~0xFFull) | 0xA5;
    } else if (op == 0xEE) {  // OUT DX, AL
        ++g_ports.writes;
        g_ports.written = static_cast<BYTE>(ax);
    } else {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    g_ports.port = port;
    ip += 1;
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST_F(ActionsWin95Test, PortsThroughAStandIn) {
    g_ports = {};
    void* ports = AddVectoredExceptionHandler(1, StandInPorts);
    EXPECT_EQ(Ask("SYS_INP", {I(0x10379)}), "I -91");  // 0xA5, signed; the port's low 16 bits
    EXPECT_EQ(g_ports.port, 0x379);
    EXPECT_EQ(Ask("SYS_OUTP", {I(0x378), C("Ab")}), "L .T.");
    EXPECT_EQ(g_ports.port, 0x378);
    EXPECT_EQ(g_ports.written, 'A');
    EXPECT_EQ(Ask("SYS_OUTP", {I(0x378), C("")}), "L .T.");
    EXPECT_EQ(g_ports.written, 0);
    RemoveVectoredExceptionHandler(ports);
    EXPECT_EQ(g_ports.reads, 1);
    EXPECT_EQ(g_ports.writes, 2);
}

// Without a stand-in of the test's: 32-bit Wine as Windows 95 stands in for
// the ports itself, as Windows 95's drivers do (its 16-bit kernel,
// krnl386.exe16, is loaded and emulates the instructions: a port it does not
// know reads 255); where nothing stands in (64-bit Wine), the processor
// refuses the instruction, and the library catches the fault.
TEST_F(ActionsWin95Test, WithoutAStandInWineOrTheCaughtFault) {
    const bool wineStandsIn = GetModuleHandleA("krnl386.exe16") != nullptr;
    EXPECT_EQ(Ask("SYS_INP", {I(0x379)}), wineStandsIn ? "I -1" : "I 256");
    EXPECT_EQ(Ask("SYS_OUTP", {I(0x378), C("A")}), wineStandsIn ? "L .T." : "L .F.");
    EXPECT_EQ(Int("TST_TEST", {I(3)}), 27);  // the host lives on
    EXPECT_EQ(Ask("SYS_INP", {I(0x379)}), wineStandsIn ? "I -1" : "I 256");  // and again
}

}  // namespace
}  // namespace tarvo::test
