// The system's clock and zone. Like the C runtime, the library reads the
// zone's rules once, when it first needs them, and works out every local
// time from them (daylight saving time by the same rules in every year).
#include <windows.h>

#include <cstdint>
#include <string>

#include "datetime/clock.h"

namespace tarvo {
namespace {

constexpr std::int64_t kUnixEpochAsFileTime = 116444736000000000;  // 100 ns since 1601
constexpr std::int64_t kTicksPerSecond = 10000000;

std::int64_t Now() {
    FILETIME f;
    GetSystemTimeAsFileTime(&f);
    const std::int64_t ticks =
        static_cast<std::int64_t>((static_cast<std::uint64_t>(f.dwHighDateTime) << 32) |
                                  f.dwLowDateTime) -
        kUnixEpochAsFileTime;
    return ticks >= 0 ? ticks / kTicksPerSecond : -((-ticks + kTicksPerSecond - 1) / kTicksPerSecond);
}

std::string Narrow(const WCHAR* text) {
    char buffer[128];
    const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return n > 0 ? std::string(buffer) : std::string();
}

ZoneTransition Transition(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// No zone information: UTC.
const ZoneRules& Rules() {
    static const ZoneRules rules = [] {
        ZoneRules r;
        TIME_ZONE_INFORMATION z;
        if (GetTimeZoneInformation(&z) == TIME_ZONE_ID_INVALID) return r;
        r.bias = z.Bias;
        r.standardBias = z.StandardBias;
        r.daylightBias = z.DaylightBias;
        r.standardDate = Transition(z.StandardDate);
        r.daylightDate = Transition(z.DaylightDate);
        r.standardName = Narrow(z.StandardName);
        r.daylightName = Narrow(z.DaylightName);
        return r;
    }();
    return rules;
}

std::int64_t OffsetAt(std::int64_t utc) { return RuleOffsetAt(Rules(), utc); }

std::string NameAt(std::int64_t utc) {
    return DaylightAt(Rules(), utc) ? Rules().daylightName : Rules().standardName;
}

}  // namespace

const Zone& SystemZone() {
    static const Zone zone{&Now, &OffsetAt, &NameAt};
    return zone;
}

}  // namespace tarvo
