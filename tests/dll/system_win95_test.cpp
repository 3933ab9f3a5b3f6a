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

// The DOS request goes through the VWIN32 device. 32-bit Wine as Windows 95
// has it and answers, but leaves bit 15 of the flags set, which counts as a
// failure; 64-bit Wine has no such device. -1 either way, as for a text
// that names no drive.
TEST_F(SystemInfoWin95Test, MediaTypeThroughVwin32) {
    HANDLE device = CreateFileA("\\\\.\\vwin32", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(device != INVALID_HANDLE_VALUE, sizeof(void*) == 4);
    if (device != INVALID_HANDLE_VALUE) CloseHandle(device);
    for (const char* drive : {"C", "a:", "Z:\\", ""}) EXPECT_EQ(Ask("SYS_MEDIATYPE", {C(drive)}), "I -1") << drive;
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
// The entries of a snapshot, from the first on; an entry of another size
// than the system's is refused.
BOOL Process(HANDLE h, PROCESSENTRY32* pe, bool first) {
    if (first) g_cursor[h] = 0;
    const std::size_t i = g_cursor[h]++;
    if (i >= g_processes.size() || pe->dwSize != sizeof *pe) return FALSE;
    pe->th32ProcessID = g_processes[i].id;
    pe->th32ModuleID = g_processes[i].module;
    lstrcpynA(pe->szExeFile, g_processes[i].exe.c_str(), MAX_PATH);
    return TRUE;
}
BOOL WINAPI FakeProcessFirst(HANDLE h, PROCESSENTRY32* pe) { return Process(h, pe, true); }
BOOL WINAPI FakeProcessNext(HANDLE h, PROCESSENTRY32* pe) { return Process(h, pe, false); }
BOOL Module(HANDLE h, MODULEENTRY32* me, bool first) {
    const DWORD id = g_snapshots[h];
    for (const FakeProcess& p : g_processes) {
        if (p.id != id) continue;
        if (first) g_cursor[h] = 0;
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
BOOL WINAPI FakeModuleFirst(HANDLE h, MODULEENTRY32* me) { return Module(h, me, true); }
BOOL WINAPI FakeModuleNext(HANDLE h, MODULEENTRY32* me) { return Module(h, me, false); }

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

// A 32-bit program is one whose file is its main module's, in any case; a
// 16-bit one is named from its NE header when the file can be read.
TEST_F(ProcessesWin95Test, NamesKindsAndFilters) {
    EXPECT_EQ(Ask("SYS_PROCESSES", {}), "C ONE.EXE(32-bit)^OLDAPP(16-bit)^mod16.dll(16-bit)^two.exe(32-bit)");
    ExpectSnapshotsClosed();
    EXPECT_EQ(Ask("SYS_PROCESSES", {I(16)}), "C OLDAPP^mod16.dll");
    EXPECT_EQ(Ask("SYS_PROCESSESID", {}), "C 100^200^300^-16");
    ExpectSnapshotsClosed();
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

BOOL WINAPI FakeSetLocalTime(const SYSTEMTIME* t) {
    Note("SetLocalTime", t->wYear, t->wMonth, t->wDay, t->wHour, t->wMinute, t->wSecond, t->wMilliseconds);
    return TRUE;
}
BOOL WINAPI CountingOpenProcessToken(HANDLE process, DWORD access, HANDLE* token) {
    Note("OpenProcessToken");
    return OpenProcessToken(process, access, token);
}

class ActionsWin95Test : public SystemWin95Test {};

// No privilege is asked for: no token is opened.
TEST_F(ActionsWin95Test, ClockWithoutPrivileges) {
    g_asked.clear();
    Stand("KERNEL32.dll", "SetLocalTime", &FakeSetLocalTime);
    Stand("ADVAPI32.dll", "OpenProcessToken", &CountingOpenProcessToken);
    EXPECT_EQ(Ask("SYS_SETLOCALTIME", {I(1999), I(12), I(31), I(23), I(59), I(58), I(7)}), "L .T.");
    EXPECT_EQ(g_asked, (std::vector<std::string>{"SetLocalTime|1999|12|31|23|59|58|7"}));
}

// A stand-in for the ports, as Windows 95's drivers are: the port read
// answers 0xA5, writes are recorded.
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
        Note("IN", port);
        ax = (ax & ~0xFFull) | 0xA5;
    } else if (op == 0xEE) {  // OUT DX, AL
        Note("OUT", port, static_cast<BYTE>(ax));
    } else {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    ip += 1;
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST_F(ActionsWin95Test, PortsThroughAStandIn) {
    g_asked.clear();
    void* ports = AddVectoredExceptionHandler(1, StandInPorts);
    EXPECT_EQ(Ask("SYS_INP", {I(0x10379)}), "I -91");  // 0xA5, signed; the port's low 16 bits
    EXPECT_EQ(Ask("SYS_OUTP", {I(0x378), C("Ab")}), "L .T.");
    EXPECT_EQ(Ask("SYS_OUTP", {I(0x378), C("")}), "L .T.");
    RemoveVectoredExceptionHandler(ports);
    EXPECT_EQ(g_asked, (std::vector<std::string>{"IN|889", "OUT|888|65", "OUT|888|0"}));
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
