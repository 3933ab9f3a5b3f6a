#include <windows.h>

#include <cstdint>
#include <string>

#include "datetime/clock.h"

namespace tarvo {
namespace {

constexpr std::int64_t kUnixEpochAsFileTime = 116444736000000000;  // 100 ns since 1601
constexpr std::int64_t kTicksPerSecond = 10000000;

std::int64_t FileTimeTicks(const FILETIME& f) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(f.dwHighDateTime) << 32) |
                                     f.dwLowDateTime);
}

FILETIME TicksFileTime(std::int64_t ticks) {
    FILETIME f;
    f.dwLowDateTime = static_cast<DWORD>(ticks);
    f.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
    return f;
}

std::int64_t Now() {
    FILETIME f;
    GetSystemTimeAsFileTime(&f);
    const std::int64_t ticks = FileTimeTicks(f) - kUnixEpochAsFileTime;
    return ticks >= 0 ? ticks / kTicksPerSecond : -((-ticks + kTicksPerSecond - 1) / kTicksPerSecond);
}

// Local time minus UTC at a moment, by the zone's rules for that moment's
// year; 0 when Windows cannot tell.
std::int64_t OffsetAt(std::int64_t utc) {
    const FILETIME f = TicksFileTime(utc * kTicksPerSecond + kUnixEpochAsFileTime);
    SYSTEMTIME u, l;
    FILETIME lf;
    if (!FileTimeToSystemTime(&f, &u) || !SystemTimeToTzSpecificLocalTime(nullptr, &u, &l) ||
        !SystemTimeToFileTime(&l, &lf))
        return 0;
    return (FileTimeTicks(lf) - FileTimeTicks(f)) / kTicksPerSecond;
}

std::string Narrow(const WCHAR* text) {
    char buffer[128];
    const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return n > 0 ? std::string(buffer) : std::string();
}

// The daylight name while the daylight bias is in force, else the standard
// name.
std::string NameAt(std::int64_t utc) {
    TIME_ZONE_INFORMATION z;
    if (GetTimeZoneInformation(&z) == TIME_ZONE_ID_INVALID) return {};
    const bool daylight = z.DaylightDate.wMonth != 0 && z.DaylightBias != 0 &&
                          OffsetAt(utc) == -static_cast<std::int64_t>(z.Bias + z.DaylightBias) * 60;
    return Narrow(daylight ? z.DaylightName : z.StandardName);
}

}  // namespace

const Zone& SystemZone() {
    static const Zone zone{&Now, &OffsetAt, &NameAt};
    return zone;
}

}  // namespace tarvo
