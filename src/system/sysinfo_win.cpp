// System information through Windows: the version, executable types, the
// last error's text, memory, the clock and the zone, modules and folders,
// account domains.
#include <windows.h>

#include <mmsystem.h>

#include <vector>

#include "host/grown_text.h"
#include "host/services.h"
#include "system/sysinfo_win.h"

namespace tarvo {

std::optional<VersionAnswer> SysOs(std::int32_t selector) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return std::nullopt;
    return VersionItem({info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                        info.dwPlatformId, info.szCSDVersion},
                       selector);
}

bool SysIsNt() { return (GetVersion() & 0x80000000u) == 0; }

std::int32_t SysGetBinaryType(const char* file) {
    DWORD type = 0;
    return BinaryTypeCode(GetBinaryTypeA(file, &type) ? std::optional<std::uint32_t>(type)
                                                      : std::nullopt);
}

// The text Windows has for the thread's last error as the call found it,
// on one line; the empty text for a code without one.
std::string SysOsLastError() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                        FORMAT_MESSAGE_MAX_WIDTH_MASK;
    if (!FormatMessageA(flags, nullptr, code, LANG_USER_DEFAULT, reinterpret_cast<char*>(&text), 0,
                        nullptr) ||
        !text)
        return {};
    std::string message = text;
    LocalFree(text);
    return message;
}

std::string SysProcessorArchitecture() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return ArchitectureName(info.dwOemId);
}

std::int32_t SysGlobalMemoryStatus(Opt<std::int32_t> selector) {
    MEMORYSTATUS m = {};
    m.dwLength = sizeof m;
    GlobalMemoryStatus(&m);
    return MemoryItem({m.dwMemoryLoad, m.dwTotalPhys, m.dwAvailPhys, m.dwTotalPageFile,
                       m.dwAvailPageFile, m.dwTotalVirtual, m.dwAvailVirtual},
                      selector.or_else(0));
}

bool SysIsPen() { return GetSystemMetrics(SM_PENWINDOWS) != 0; }

bool SysJoystickCaps(std::int32_t joystick) {
    JOYCAPSA caps;
    return joyGetDevCapsA(static_cast<UINT>(joystick), &caps, sizeof caps) == JOYERR_NOERROR;
}

std::string SysGetLocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return LocalTimeText({t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond,
                          t.wMilliseconds});
}

void SysSplitTime(Ref year, Ref month, Ref day, Ref hour, Ref minute, Ref second, Ref millisecond) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    year.StoreNumber(t.wYear);
    month.StoreNumber(t.wMonth);
    day.StoreNumber(t.wDay);
    hour.StoreNumber(t.wHour);
    minute.StoreNumber(t.wMinute);
    second.StoreNumber(t.wSecond);
    millisecond.StoreNumber(t.wMilliseconds);
}

namespace {

std::string Ansi(const WCHAR* text) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<std::size_t>(n - 1));
    return s;
}

}  // namespace

std::variant<std::int32_t, std::string> SysGetTimeZoneInformation(std::int32_t selector) {
    TIME_ZONE_INFORMATION z;
    if (GetTimeZoneInformation(&z) == TIME_ZONE_ID_INVALID) return std::string();
    return ZoneItem({z.Bias, z.StandardBias, z.DaylightBias, Ansi(z.StandardName),
                     Ansi(z.DaylightName)},
                    selector);
}

const char* SysGetCommandLine() { return GetCommandLineA(); }

std::int32_t SysGetHInstance() {
    const auto main = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(HostMainWindow()));
    return ModuleNumber(reinterpret_cast<void*>(GetWindowLongPtrA(main, GWLP_HINSTANCE)));
}

std::int32_t ModuleNumber(const void* module) {
    const auto n = reinterpret_cast<std::uintptr_t>(module);
    return n > 0xFFFFFFFFu ? -1 : static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

void* ModuleOf(std::int32_t number) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(number)));
}

// GetModuleFileNameA cuts the name to the area it is given and answers the
// area's size then: the area doubles until the name fits.
std::string ModuleFileName(void* module) {
    std::string area(261, '\0');
    for (int tries = 0; tries < 8; ++tries) {
        const DWORD n = GetModuleFileNameA(static_cast<HMODULE>(module), area.data(),
                                           static_cast<DWORD>(area.size()));
        if (n == 0) return {};
        if (n < area.size() - 1) {
            area.resize(n);
            return area;
        }
        area.assign(area.size() * 2, '\0');
    }
    return {};
}

std::string SysExeNam() { return ModuleFileName(GetModuleHandleA(nullptr)); }

std::string SysModuleName(std::int32_t module) { return ModuleFileName(ModuleOf(module)); }

std::int32_t SysModuleHandle(std::string_view name) {
    const HMODULE m = GetModuleHandleA(name.empty() ? nullptr : name.data());
    return m ? ModuleNumber(m) : -1;
}

std::string SysGetTempPath() {
    return GrownText([](char* area, std::uint32_t size) { return GetTempPathA(size, area); }, 261);
}

// The account's security identifier and its domain, each in an area of the
// size Windows asks for. A name of 32767 characters or more (no account
// has one) is not handed to Windows: Wine overruns its own buffers on it.
std::string SysLookupDomain(std::string_view account) {
    if (account.size() >= kLongestAccountName) return {};
    DWORD sidSize = 0, domainSize = 0;
    SID_NAME_USE use;
    LookupAccountNameA(nullptr, account.data(), nullptr, &sidSize, nullptr, &domainSize, &use);
    if (sidSize == 0 || domainSize == 0) return {};
    std::vector<char> sid(sidSize), domain(domainSize + 1, '\0');
    if (!LookupAccountNameA(nullptr, account.data(), sid.data(), &sidSize, domain.data(), &domainSize,
                            &use))
        return {};
    return domain.data();
}

}  // namespace tarvo
