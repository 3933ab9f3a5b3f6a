// Processes and system actions through Windows. The tool-help functions
// are looked up by name in KERNEL32 at every use (the first Windows NT had
// none); every snapshot, process, token and mapping opened here is closed
// on every way out.
#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>
#include <winspool.h>

#include <optional>
#include <type_traits>
#include <vector>

#include "host/services.h"
#include "system/actions.h"
#include "system/processes.h"
#include "system/sysinfo_win.h"

namespace tarvo {
namespace {

bool OnNt() { return (GetVersion() & 0x80000000u) == 0; }

HWND MainWindow() { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow())); }

struct Handle {
    HANDLE h = nullptr;
    ~Handle() {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    bool ok() const { return h && h != INVALID_HANDLE_VALUE; }
};

// The tool-help functions, found only when all seven are (the thread walk's
// two are looked up and not used).
struct ToolHelp {
    decltype(&CreateToolhelp32Snapshot) snapshot = nullptr;
    decltype(&Module32First) moduleFirst = nullptr;
    decltype(&Module32Next) moduleNext = nullptr;
    decltype(&Process32First) processFirst = nullptr;
    decltype(&Process32Next) processNext = nullptr;
    FARPROC threadFirst = nullptr, threadNext = nullptr;

    bool Find() {
        const HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
        if (!kernel) return false;
        auto find = [&](auto& entry, const char* name) {
            entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
                reinterpret_cast<void*>(GetProcAddress(kernel, name)));
            return entry != nullptr;
        };
        return find(snapshot, "CreateToolhelp32Snapshot") & find(moduleFirst, "Module32First") &
               find(moduleNext, "Module32Next") & find(processFirst, "Process32First") &
               find(processNext, "Process32Next") & find(threadFirst, "Thread32First") &
               find(threadNext, "Thread32Next");
    }
};

// The NE header's module name of an executable file, read through a
// read-only mapping of it.
std::optional<std::string> NeNameOf(const char* file) {
    Handle f{CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!f.ok()) return std::nullopt;
    const DWORD size = GetFileSize(f.h, nullptr);
    Handle mapping{CreateFileMappingA(f.h, nullptr, PAGE_READONLY, 0, 0, nullptr)};
    if (!mapping.ok() || size == INVALID_FILE_SIZE) return std::nullopt;
    const void* view = MapViewOfFile(mapping.h, FILE_MAP_READ, 0, 0, 0);
    if (!view) return std::nullopt;
    std::optional<std::string> name =
        NeModuleName(std::string_view(static_cast<const char*>(view), size));
    UnmapViewOfFile(view);
    return name;
}

// The processes of a snapshot that have a main module (the module entry
// whose id is the process entry's), or the text that tells why there is no
// list.
struct ProcessWalk {
    std::vector<ProcessRecord> processes;
    std::string failure;
};
ProcessWalk WalkProcesses() {
    ProcessWalk walk;
    ToolHelp th;
    if (!th.Find()) {
        walk.failure = "NO INITTOOLHELP32";
        return walk;
    }
    Handle all{th.snapshot(TH32CS_SNAPPROCESS, 0)};
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    if (!all.ok() || !th.processFirst(all.h, &pe)) {
        walk.failure = "CANNOT READ LIST";
        return walk;
    }
    do {
        Handle modules{th.snapshot(TH32CS_SNAPMODULE, pe.th32ProcessID)};
        MODULEENTRY32 me = {};
        me.dwSize = sizeof me;
        bool found = false;
        if (modules.ok() && th.moduleFirst(modules.h, &me)) {
            do {
                found = me.th32ModuleID == pe.th32ModuleID;
            } while (!found && th.moduleNext(modules.h, &me));
        }
        if (!found) continue;
        ProcessRecord p;
        p.id = static_cast<std::int32_t>(pe.th32ProcessID);
        p.is32Bit = lstrcmpiA(pe.szExeFile, me.szExePath) == 0;
        p.moduleName = me.szModule;
        if (!p.is32Bit) p.neName = NeNameOf(pe.szExeFile);
        walk.processes.push_back(std::move(p));
    } while (th.processNext(all.h, &pe));
    return walk;
}

}  // namespace

std::string SysTasks(Opt<bool> ownThread, Opt<bool> invisible) {
    const DWORD thread = GetCurrentThreadId();
    std::string titles;
    const HWND shell = FindWindowA("PROGMAN", nullptr);
    for (HWND w = shell ? GetWindow(shell, GW_HWNDFIRST) : nullptr; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!ownThread.or_else(false) && GetWindowThreadProcessId(w, nullptr) == thread) continue;
        if (!invisible.or_else(false) && !IsWindowVisible(w)) continue;
        if (GetWindow(w, GW_OWNER)) continue;
        char title[200] = {};
        GetWindowTextA(w, title, sizeof title);
        titles += title;
        titles += '^';
    }
    return CutTaskList(titles);
}

std::string SysProcesses(Opt<std::int32_t> kind) {
    if (OnNt()) return {};
    const ProcessWalk walk = WalkProcesses();
    return walk.failure.empty() ? ProcessList(walk.processes, kind.or_else(0)) : walk.failure;
}

std::string SysProcessesId() {
    if (OnNt()) return {};
    const ProcessWalk walk = WalkProcesses();
    return walk.failure.empty() ? ProcessIdList(walk.processes) : walk.failure;
}

bool SysKillProcess(std::int32_t id) {
    ToolHelp th;
    if (!th.Find()) return false;
    Handle process{OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(id))};
    if (!process.ok()) return false;
    const bool ended = TerminateProcess(process.h, 0xFFFFFFFFu) != 0;
    if (ended) WaitForSingleObject(process.h, 10000);
    return ended;
}

void SysExit(const char* machine, const char* message, std::int32_t seconds, bool force,
             bool restart) {
    InitiateSystemShutdownA(const_cast<char*>(machine), const_cast<char*>(message),
                            static_cast<DWORD>(seconds), force, restart);
}

void SysExitWindows(std::int32_t flags) { ExitWindowsEx(static_cast<UINT>(flags), 0); }

void SysFatalExit(const char* message) { FatalAppExitA(0, message); }

// Windows NT sets the clock only for a process holding the system-time
// privilege: it is switched on for the call, and afterwards every privilege
// of the process is switched off.
bool SysSetLocalTime(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                     std::int32_t minute, std::int32_t second, std::int32_t millisecond) {
    SYSTEMTIME t = {};
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    t.wMilliseconds = static_cast<WORD>(millisecond);
    if (!OnNt()) return SetLocalTime(&t) != 0;
    Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token.h))
        token.h = nullptr;
    TOKEN_PRIVILEGES privilege = {};
    privilege.PrivilegeCount = 1;
    privilege.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (token.ok() && LookupPrivilegeValueA(nullptr, "SeSystemtimePrivilege",
                                            &privilege.Privileges[0].Luid))
        AdjustTokenPrivileges(token.h, FALSE, &privilege, sizeof privilege, nullptr, nullptr);
    const bool set = SetLocalTime(&t) != 0;
    if (token.ok()) AdjustTokenPrivileges(token.h, TRUE, nullptr, 0, nullptr, nullptr);
    return set;
}

bool SysWinExec(const char* command, Opt<std::int32_t> show) {
    return WinExec(command, static_cast<UINT>(show.or_else(SW_SHOWDEFAULT))) > 31;
}

std::int32_t SysShellExecute(const char* operation, const char* file, const char* parameters,
                             const char* directory, Opt<std::int32_t> show) {
    const HINSTANCE answer = ShellExecuteA(MainWindow(), operation, file, parameters, directory,
                                           show.or_else(SW_SHOWNORMAL));
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(answer));
}

// The box shows the named system icon when Windows has one of that name,
// else the application icon.
void SysShellAbout(const char* title, const char* text, Opt<const char*> icon) {
    HICON shown = icon.present ? LoadIconA(nullptr, icon.value) : nullptr;
    if (!shown) shown = LoadIconA(nullptr, MAKEINTRESOURCEA(32513));
    ShellAboutA(MainWindow(), title, text, shown);
}

// A module that loads where no 32-bit integer can name it (above 4 GB, in
// the 64-bit test flavour only) is freed again.
std::int32_t SysLoadLibrary(const char* file) {
    const HMODULE m = LoadLibraryA(file);
    if (!m) return -1;
    const std::int32_t number = ModuleNumber(m);
    if (number == -1) FreeLibrary(m);
    return number;
}

bool SysFreeLibrary(std::int32_t module) {
    return FreeLibrary(static_cast<HMODULE>(ModuleOf(module))) != 0;
}

std::int32_t SysExtractIcon(const char* file, std::int32_t index) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(MainWindow(), GWLP_HINSTANCE));
    if (!instance) return 0;
    const HICON icon = ExtractIconA(instance, file, static_cast<UINT>(index));
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(icon));
}

void SysSleep(std::int32_t milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

bool SysBroadcast(const char* section) {
    SendMessageA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(section));
    return true;
}

void SysConfigurePort(const char* port) {
    ConfigurePortA(nullptr, MainWindow(), const_cast<char*>(port));
}

}  // namespace tarvo
