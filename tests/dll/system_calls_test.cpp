// The system family's rows that are one Windows call and one answer, as a
// table: each call answers what the same Windows call made here answers.
// Rows whose examples already show Windows' exact answer (the page size, a
// system colour, the Windows folder ...) are not repeated here; these are
// the fields and items an example cannot tell apart.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "system_test.h"

namespace tarvo::test {
namespace {

std::string Num(std::int64_t n) { return "I " + std::to_string(static_cast<std::int32_t>(n)); }
std::int32_t Held(std::uint64_t n) { return n > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(n); }
std::int32_t ModuleNumber(const void* m) {
    const auto n = reinterpret_cast<std::uintptr_t>(m);
    return n > 0xFFFFFFFFu ? -1 : static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

struct OneCall {
    std::string name;
    std::vector<Value> args;
    std::string answer;
};

class SystemCallsTest : public SystemTest {
  protected:
    void Check(const std::vector<OneCall>& calls) {
        for (const OneCall& c : calls) EXPECT_EQ(Ask(c.name, c.args), c.answer) << c.name;
    }
};

TEST_F(SystemCallsTest, VersionProcessorPowerAndModules) {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    ASSERT_TRUE(GetVersionExA(&v));
    SYSTEM_INFO s;
    GetSystemInfo(&s);
    SYSTEM_POWER_STATUS p = {};
    GetSystemPowerStatus(&p);  // Wine: no battery, 1, 128, 255, -1 and -1: each field tells
    const HMODULE library = host.module();
    char path[MAX_PATH];
    GetModuleFileNameA(library, path, MAX_PATH);
    const std::string file = std::string(path).substr(std::string(path).find_last_of('\\') + 1);
    const auto instance = reinterpret_cast<void*>(GetWindowLongPtrA(host.mainWindow(), GWLP_HINSTANCE));
    Check({
        {"SYS_WINMAJ", {}, Num(v.dwMajorVersion)},
        {"SYS_OS", {I(1)}, Num(v.dwMajorVersion)},
        {"SYS_OS", {I(2)}, Num(v.dwMinorVersion)},
        {"SYS_OS", {I(3)}, Num(v.dwBuildNumber)},
        {"SYS_OS", {I(4)}, Num(v.dwPlatformId)},
        {"SYS_OS", {I(5)}, AnswerOf(v.szCSDVersion)},
        {"DOSMAJOR", {}, Num(GetVersion() >> 24)},
        {"SYS_DOSMIN", {}, Num((GetVersion() >> 16) & 0xFF)},
        // The x64 of the 64-bit flavour is no architecture the library names.
        {"SYS_PROCESSORARCHITECTURE", {}, AnswerOf(sizeof(void*) == 4 ? "Intel" : "Unknown")},
        {"SYS_OEMID", {}, Num(s.dwOemId)},
        // Above 2 GB in the 64-bit flavour: held at 2147483647.
        {"SYS_MAXAPPLADDRESS", {}, Num(Held(reinterpret_cast<std::uintptr_t>(s.lpMaximumApplicationAddress)))},
        {"SYS_PROCESSORMASK", {}, Num(Held(s.dwActiveProcessorMask))},
        {"SYS_NUMBEROFPROCESSORS", {}, Num(s.dwNumberOfProcessors)},
        {"SYS_PROCESSORTYPE", {}, Num(s.dwProcessorType)},
        {"ACLINESTATUS", {}, Num(p.ACLineStatus)},
        {"SYS_BATTERYFLAG", {}, Num(p.BatteryFlag)},
        {"SYS_BATTERYLIFEPERCENT", {}, Num(p.BatteryLifePercent)},
        {"BATTERYLIFETIME", {}, Num(static_cast<std::int32_t>(p.BatteryLifeTime))},
        {"SYS_BATTERYFULLLIFETIME", {}, Num(static_cast<std::int32_t>(p.BatteryFullLifeTime))},
        {"GETHINSTANCE", {}, Num(ModuleNumber(instance))},
        {"SYS_MODULENAME", {I(ModuleNumber(library))}, AnswerOf(path)},
        {"SYS_MODULEHANDLE", {C(file)}, Num(ModuleNumber(library))},
        {"SYS_LOOKUPDOMAIN", {C(std::string(32767, 'a'))}, "C "},  // not asked
    });
}

// Named for the zone run (dll_tests_zone), which repeats it where daylight
// saving time gives each bias a value of its own.
TEST_F(SystemCallsTest, TimeZoneItems) {
    TIME_ZONE_INFORMATION z;
    GetTimeZoneInformation(&z);
    auto ansi = [](const WCHAR* w) {
        char text[256] = {};
        WideCharToMultiByte(CP_ACP, 0, w, -1, text, sizeof text, nullptr, nullptr);
        return AnswerOf(text);
    };
    Check({
        {"GETTIMEZONEINFORMATION", {I(1)}, Num(z.Bias)},
        {"SYS_GETTIMEZONEINFORMATION", {I(2)}, ansi(z.StandardName)},
        {"SYS_GETTIMEZONEINFORMATION", {I(4)}, Num(z.StandardBias)},
        {"SYS_GETTIMEZONEINFORMATION", {I(5)}, ansi(z.DaylightName)},
        {"SYS_GETTIMEZONEINFORMATION", {I(7)}, Num(z.DaylightBias)},
        {"SYS_GETTIMEZONEINFORMATION", {I(6)}, "C Not yet supported"},
    });
}

}  // namespace
}  // namespace tarvo::test
