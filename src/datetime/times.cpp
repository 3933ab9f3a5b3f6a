#include "datetime/times.h"

#include <cstdlib>
#include <tuple>

#include "datetime/calendar_dates.h"
#include "kernel/calendar.h"

namespace tarvo {
namespace {

constexpr std::int64_t kJdnOf1970 = 2440588;

constexpr const char* kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) --q;
    return q;
}

// A number in decimal with zeros on the left up to `width` digits.
void AppendNumber(std::string& out, std::int64_t v, int width) {
    char digits[24];
    int n = 0;
    const bool negative = v < 0;
    std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    do digits[n++] = static_cast<char>('0' + u % 10);
    while ((u /= 10) != 0);
    if (negative) out += '-';
    for (int i = n; i < width; ++i) out += '0';
    while (n > 0) out += digits[--n];
}

// A number with a "0" before a value below 10, as _itoa and a prefix write it.
std::string Padded(std::int64_t v) {
    std::string s;
    if (v < 10) s += '0';
    AppendNumber(s, v, 1);
    return s;
}

// The runtime's atoi over at most two characters.
int Atoi(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int n = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') n = n * 10 + (s[i++] - '0');
    return negative ? -n : n;
}

std::string_view Field(std::string_view text, std::size_t at) {
    return at < text.size() ? text.substr(at, 2) : std::string_view();
}

std::int64_t DaysFrom1970(int y, int m, int d) {
    return static_cast<std::int64_t>(knl::YmdToJdn(y, m, d)) - kJdnOf1970;
}

int MonthLength(int y, int m) {
    return static_cast<int>(DaysFrom1970(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) -
                            DaysFrom1970(y, m, 1));
}

// The local moment (seconds as if local time were UTC) of a transition in a
// year; false when it does not happen that year.
bool TransitionIn(int year, const ZoneTransition& t, std::int64_t* local) {
    if (t.month < 1 || t.month > 12) return false;
    int day = t.day;
    if (t.year == 0) {
        const int first = SplitSeconds(DaysFrom1970(year, t.month, 1) * 86400).weekday;
        day = 1 + (t.weekday - first + 7) % 7 + (t.day - 1) * 7;
        while (day > MonthLength(year, t.month)) day -= 7;
    } else if (t.year != year) {
        return false;
    }
    *local = DaysFrom1970(year, t.month, day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
    return true;
}

}  // namespace

bool DaylightAt(const ZoneRules& zone, std::int64_t utc) {
    if (zone.daylightDate.month == 0 || zone.standardDate.month == 0) return false;
    const std::int64_t standard = (zone.bias + zone.standardBias) * std::int64_t{60};
    const std::int64_t daylight = (zone.bias + zone.daylightBias) * std::int64_t{60};
    const int year = SplitSeconds(utc - standard).year;
    std::int64_t start = 0, end = 0;
    if (!TransitionIn(year, zone.daylightDate, &start) || !TransitionIn(year, zone.standardDate, &end))
        return false;
    start += standard;  // both now in UTC
    end += daylight;
    return start < end ? utc >= start && utc < end : utc >= start || utc < end;
}

std::int64_t RuleOffsetAt(const ZoneRules& zone, std::int64_t utc) {
    const int bias = zone.bias + (DaylightAt(zone, utc) ? zone.daylightBias : zone.standardBias);
    return -std::int64_t{bias} * 60;
}

BrokenDown SplitSeconds(std::int64_t seconds) {
    const std::int64_t days = FloorDiv(seconds, 86400);
    const std::int64_t rest = seconds - days * 86400;
    BrokenDown t;
    const std::int32_t jdn = static_cast<std::int32_t>(days + kJdnOf1970);
    knl::JdnToYmd(jdn, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest % 3600 / 60);
    t.second = static_cast<int>(rest % 60);
    t.weekday = static_cast<int>(days + 4 - FloorDiv(days + 4, 7) * 7);  // 1970-01-01 was a Thursday
    t.yearDay = static_cast<int>(jdn - knl::YmdToJdn(t.year, 1, 1));
    return t;
}

BrokenDown LocalTime(const Zone& zone, std::int64_t utc) {
    return SplitSeconds(utc + zone.offsetAt(utc));
}

std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

int ZoneHoursNow(const Zone& zone) {
    const std::int64_t now = zone.now();
    const BrokenDown utc = SplitSeconds(now);
    const BrokenDown local = LocalTime(zone, now);
    int z = utc.hour - local.hour;
    const auto u = std::tie(utc.year, utc.month, utc.day);
    const auto l = std::tie(local.year, local.month, local.day);
    if (u > l) z += 24;
    if (u < l) z -= 24;
    return z;
}

std::int32_t DateToUnixSeconds(double dayNumber, std::int32_t seconds, int zoneHours) {
    const std::int64_t d = Truncate32(dayNumber - 2440588.0);
    return Wrap32((d * 24 + zoneHours) * 3600 + seconds);
}

std::int32_t TimGetNumberOfDays(Day first, Day second) {
    return Truncate32(first.number - second.number);
}

std::int32_t TimMakeTime(const Zone& zone, Day date, Opt<std::int32_t> seconds) {
    return DateToUnixSeconds(date.number, seconds.or_else(0), ZoneHoursNow(zone));
}

std::int32_t TimNextDay(const Zone& zone, Day date, std::int32_t weekday) {
    const std::int32_t t = DateToUnixSeconds(date.number, 0, ZoneHoursNow(zone));
    const std::int64_t w = LocalTime(zone, t).weekday + 1;
    std::int64_t diff = weekday - w;
    if (diff < 0) diff += 7;
    if (diff == 0) diff = 7;
    if (diff > 7) diff %= 7;
    return Wrap32(t + diff * 86400);
}

ClockFields SplitClockText(std::string_view text) {
    return {Atoi(Field(text, 0)), Atoi(Field(text, 3)), Atoi(Field(text, 6))};
}

std::int32_t TimMakeSeconds(std::string_view clock) {
    const ClockFields f = SplitClockText(clock);
    return f.hours * 3600 + f.minutes * 60 + f.seconds;
}

std::int32_t TimTime(const Zone& zone) { return Wrap32(zone.now()); }

std::string ClockText(const BrokenDown& t) {
    return Padded(t.hour) + ":" + Padded(t.minute) + ":" + Padded(t.second);
}

bool RuntimeSplits(std::int32_t seconds) { return seconds >= 0; }

std::string TimGmt(std::int32_t seconds) {
    if (!RuntimeSplits(seconds)) return {};
    return ClockText(SplitSeconds(seconds));
}

std::string TimLocalt(const Zone& zone, std::int32_t seconds) {
    if (!RuntimeSplits(seconds)) return {};
    return ClockText(LocalTime(zone, seconds));
}

std::string TimCtime(const Zone& zone, std::int32_t seconds) {
    if (!RuntimeSplits(seconds)) return {};
    return FormatTime("%a %b %d %H:%M:%S %Y", LocalTime(zone, seconds), "");
}

std::string FormatTime(std::string_view format, const BrokenDown& t, std::string_view zoneName) {
    std::string out;
    bool alternate = false;
    // A number of `width` digits with leading zeros, none with `#`.
    auto number = [&](std::int64_t v, int width) { AppendNumber(out, v, alternate ? 1 : width); };
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t at = i + 1;
        alternate = at < format.size() && format[at] == '#';
        if (alternate) ++at;
        if (at >= format.size()) {
            out.append(format.substr(i));  // a lone % at the end
            break;
        }
        const char c = format[at];
        i = at;
        switch (c) {
        case 'a': out.append(kDayNames[t.weekday], 3); break;
        case 'A': out += kDayNames[t.weekday]; break;
        case 'b': out.append(kMonthNames[t.month - 1], 3); break;
        case 'B': out += kMonthNames[t.month - 1]; break;
        case 'c':
            out += alternate ? FormatTime("%A, %B %#d, %Y %H:%M:%S", t, zoneName)
                             : FormatTime("%m/%d/%y %H:%M:%S", t, zoneName);
            break;
        case 'x':
            out += alternate ? FormatTime("%A, %B %#d, %Y", t, zoneName)
                             : FormatTime("%m/%d/%y", t, zoneName);
            break;
        case 'X': out += FormatTime("%H:%M:%S", t, zoneName); break;
        case 'd': number(t.day, 2); break;
        case 'H': number(t.hour, 2); break;
        case 'I': number(t.hour % 12 == 0 ? 12 : t.hour % 12, 2); break;
        case 'j': number(t.yearDay + 1, 3); break;
        case 'm': number(t.month, 2); break;
        case 'M': number(t.minute, 2); break;
        case 'p': out += t.hour < 12 ? "AM" : "PM"; break;
        case 'S': number(t.second, 2); break;
        case 'U': number((t.yearDay + 7 - t.weekday) / 7, 2); break;
        case 'W': number((t.yearDay + 7 - (t.weekday + 6) % 7) / 7, 2); break;
        case 'w': number(t.weekday, 1); break;
        case 'y': number((t.year % 100 + 100) % 100, 2); break;
        case 'Y': number(t.year, 1); break;
        case 'z': case 'Z': out += zoneName; break;
        case '%': out += '%'; break;
        default: out.append(format.substr(i - (alternate ? 2 : 1), alternate ? 3 : 2)); break;
        }
    }
    return out;
}

SplitCount SplitMilliseconds(std::int32_t count) {
    SplitCount s;
    s.hours = count / 3600000;
    std::int32_t rest = count - s.hours * 3600000;
    s.minutes = rest / 60000;
    rest -= s.minutes * 60000;
    s.seconds = rest / 1000;
    s.milliseconds = rest - s.seconds * 1000;
    return s;
}

std::string TimFormat(double milliseconds) {
    const SplitCount s = SplitMilliseconds(Truncate32(milliseconds));
    std::string ms;
    AppendNumber(ms, s.milliseconds, 1);
    if (ms.size() < 3) ms.insert(0, 3 - ms.size(), '0');
    return Padded(s.hours) + ":" + Padded(s.minutes) + ":" + Padded(s.seconds) + "." + ms;
}

std::string StrMakeTime(std::int32_t seconds, Opt<std::int32_t> part) {
    const std::string hh = Padded(seconds / 3600);
    const std::string mm = Padded(seconds % 3600 / 60);
    const std::string ss = Padded(seconds % 60);
    switch (part.or_else(0)) {
    case 1: return ss;
    case 2: return mm;
    case 3: return hh;
    case 4: return mm + ":" + ss;
    case 5: return hh + ":" + mm;
    default: return hh + ":" + mm + ":" + ss;
    }
}

}  // namespace tarvo
