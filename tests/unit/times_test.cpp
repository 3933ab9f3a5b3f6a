// Time values: Unix seconds split against the C library, zone rules, the
// zone offset in force now, local midnight, clock texts, strftime and
// millisecond counts. Zones come from the C library's zone database under TZ
// (UTC, zones with daylight saving time in both hemispheres, one half an
// hour off), so every zone case runs in several zones in one process.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>
#include <tuple>

#include "datetime/times.h"
#include "kernel/calendar.h"

namespace tarvo {
namespace {

std::int64_t g_now = 0;
std::int64_t FixedNow() { return g_now; }
std::tm Libc(std::int64_t utc) {
    const std::time_t t = static_cast<std::time_t>(utc);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}
std::int64_t LibcOffset(std::int64_t utc) { return Libc(utc).tm_gmtoff; }
std::string LibcName(std::int64_t utc) { return Libc(utc).tm_zone; }
const Zone kZone{&FixedNow, &LibcOffset, &LibcName};

// TZ set while it lives, and the old zone put back.
struct InZone {
    std::string old;
    bool had;
    explicit InZone(const char* tz) : had(std::getenv("TZ") != nullptr) {
        if (had) old = std::getenv("TZ");
        setenv("TZ", tz, 1);
        tzset();
    }
    ~InZone() {
        had ? setenv("TZ", old.c_str(), 1) : unsetenv("TZ");
        tzset();
    }
};

std::int64_t Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return (std::int64_t{knl::YmdToJdn(y, mo, d)} - 2440588) * 86400 + h * 3600 + mi * 60 + s;
}
Day Date(int y, int m, int d) { return Day{static_cast<double>(knl::YmdToJdn(y, m, d))}; }

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Times, SplitSecondsAgreesWithGmtime) {
    for (std::int64_t s = kMin; s <= kMax; s += 7777777 + 43201) {
        const std::time_t tt = static_cast<std::time_t>(s);
        std::tm g{};
        gmtime_r(&tt, &g);
        const BrokenDown b = SplitSeconds(s);
        ASSERT_EQ(std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second, b.weekday, b.yearDay),
                  std::make_tuple(g.tm_year + 1900, g.tm_mon + 1, g.tm_mday, g.tm_hour, g.tm_min,
                                  g.tm_sec, g.tm_wday, g.tm_yday))
            << s;
    }
}

// Windows' form of a zone's rules gives the zone database's offsets, in the
// years these rules have held, to the second around every change.
TEST(Times, ZoneRulesAgreeWithTheZoneDatabase) {
    auto rules = [](int bias, ZoneTransition toStandard, ZoneTransition toDaylight) {
        ZoneRules r;
        r.bias = bias;
        r.daylightBias = toDaylight.month ? -60 : 0;
        r.standardDate = toStandard;
        r.daylightDate = toDaylight;
        return r;
    };
    const struct {
        const char* tz;
        ZoneRules rules;
        int from;
    } cases[] = {
        {"Europe/Paris", rules(-60, {0, 10, 0, 5, 3}, {0, 3, 0, 5, 2}), 1996},
        {"America/New_York", rules(300, {0, 11, 0, 1, 2}, {0, 3, 0, 2, 2}), 2007},
        {"Australia/Sydney", rules(-600, {0, 4, 0, 1, 3}, {0, 10, 0, 1, 2}), 2008},
        {"Asia/Kolkata", rules(-330, {}, {}), 1971},
    };
    for (const auto& c : cases) {
        InZone zone(c.tz);
        for (std::int64_t t = Utc(c.from, 1, 1, 12); t < Utc(2037, 12, 31); t += 3 * 3600 + 17)
            ASSERT_EQ(RuleOffsetAt(c.rules, t), LibcOffset(t)) << c.tz << " " << t;
        for (std::int64_t t = Utc(2030, 1, 1); t < Utc(2031, 1, 1); t += 3600)
            if (LibcOffset(t) != LibcOffset(t + 3600))
                for (std::int64_t u = t; u <= t + 3600; ++u) ASSERT_EQ(RuleOffsetAt(c.rules, u), LibcOffset(u));
    }
    const ZoneRules once = rules(0, {2024, 9, 0, 1, 0}, {2024, 6, 0, 1, 0});  // one year only
    EXPECT_EQ(RuleOffsetAt(once, Utc(2024, 7, 1)), 3600);
    EXPECT_FALSE(DaylightAt(once, Utc(2024, 9, 2)));
    EXPECT_FALSE(DaylightAt(once, Utc(2025, 7, 1)));
}

TEST(Times, ZoneHoursNowAndLocalMidnight) {
    const struct {
        const char* tz;
        std::int64_t now;
        int hours;
    } cases[] = {
        {"UTC", Utc(2021, 1, 15, 12), 0},
        {"Europe/Paris", Utc(2021, 1, 15, 12), -1},
        {"Europe/Paris", Utc(2021, 7, 15, 12), -2},
        {"Europe/Paris", Utc(2021, 1, 15, 23, 30), -1},  // local already tomorrow: 23 - 0 - 24
        {"America/New_York", Utc(2021, 7, 15, 2), 4},     // local still yesterday
        {"Asia/Kolkata", Utc(2021, 1, 15, 10, 45), -6},   // whole hours of the clocks only
    };
    for (const auto& c : cases) {
        InZone zone(c.tz);
        g_now = c.now;
        EXPECT_EQ(ZoneHoursNow(kZone), c.hours) << c.tz << " " << c.now;
        EXPECT_EQ(TimMakeTime(kZone, Date(1970, 1, 2), Given(90)), (24 + c.hours) * 3600 + 90);
    }
    EXPECT_EQ(DateToUnixSeconds(2440587.5, 0, 0), 0) << "the difference is truncated toward zero";
    EXPECT_EQ(DateToUnixSeconds(2440586.5, 0, 0), -86400);
    EXPECT_EQ(DateToUnixSeconds(knl::YmdToJdn(2038, 1, 20), 0, 0), Wrap32(Utc(2038, 1, 20)));
    for (double bad : {double(NAN), double(INFINITY), -1e300}) DateToUnixSeconds(bad, kMax, 24);
    InZone zone("Europe/Paris");
    g_now = Utc(2024, 1, 10);  // the winter offset, for a summer date too
    EXPECT_EQ(TimMakeTime(kZone, Date(2024, 7, 1), {}), Utc(2024, 6, 30, 23));
}

TEST(Times, NextDay) {
    InZone utc("UTC");
    const std::int64_t monday = Utc(2024, 1, 1);
    const std::pair<int, int> days[] = {{2, 7}, {3, 1}, {1, 6}, {7, 5}, {9, 7}, {10, 1}, {0, 5}, {-10, -5}};
    for (auto [weekday, ahead] : days)
        EXPECT_EQ(TimNextDay(kZone, Date(2024, 1, 1), weekday), monday + ahead * 86400LL) << weekday;
    TimNextDay(kZone, Date(2024, 1, 1), kMin);
    InZone paris("Europe/Paris");
    // The summer offset now puts the winter Monday's midnight at 23:00 of the
    // Sunday before in winter time, so Monday is one day ahead.
    g_now = Utc(2024, 7, 10);
    EXPECT_EQ(TimNextDay(kZone, Date(2024, 1, 1), 2), Utc(2023, 12, 31, 22) + 86400);
    g_now = Utc(2024, 1, 10);
    EXPECT_EQ(TimNextDay(kZone, Date(2024, 7, 1), 2), Utc(2024, 6, 30, 23) + 7 * 86400);
}

TEST(Times, DaysAndClockTexts) {
    EXPECT_EQ(TimGetNumberOfDays(Date(2000, 3, 10), Date(2000, 3, 1)), 9);
    EXPECT_EQ(TimGetNumberOfDays(Day{0.9}, Day{2.5}), -1);
    EXPECT_EQ(TimGetNumberOfDays(Day{NAN}, Day{1}), 0);
    const std::pair<std::string, int> clocks[] = {
        {"01:02:03", 3723}, {"01-02-03", 3723}, {"1:2:3", 3600}, {"", 0},
        {" 1:-2:+3 and more", 3600 - 120 + 3}, {std::string("01\0" "02:03", 8), 3723}};
    for (const auto& [text, seconds] : clocks) EXPECT_EQ(TimMakeSeconds(text), seconds) << text;
    // The runtime gives no broken-down time before 1970: those moments are empty.
    const std::pair<std::int32_t, const char*> gmt[] = {
        {3723, "01:02:03"}, {0, "00:00:00"}, {-1, ""}, {kMax, "03:14:07"}, {kMin, ""}};
    for (auto [s, text] : gmt) EXPECT_EQ(TimGmt(s), text) << s;
    const struct {
        const char* tz;
        std::int32_t seconds;
        const char* clock;
        const char* ctime;
    } local[] = {
        {"UTC", 0, "00:00:00", "Thu Jan 01 00:00:00 1970"},
        {"UTC", -1, "", ""},
        // The moment decides, not its local date: 1970 in UTC is 1969 here.
        {"America/New_York", 0, "19:00:00", "Wed Dec 31 19:00:00 1969"},
        {"America/New_York", -1, "", ""},
        // and 1969 in UTC is 1970 here, still empty.
        {"Europe/Paris", -1, "", ""},
        {"Europe/Paris", 0, "01:00:00", "Thu Jan 01 01:00:00 1970"},
        {"Europe/Paris", 1625393109, "12:05:09", "Sun Jul 04 12:05:09 2021"},
        {"UTC", kMax, "03:14:07", "Tue Jan 19 03:14:07 2038"},
        {"UTC", kMin, "", ""},
    };
    for (const auto& c : local) {
        InZone zone(c.tz);
        EXPECT_EQ(TimLocalt(kZone, c.seconds), c.clock) << c.tz << " " << c.seconds;
        EXPECT_EQ(TimCtime(kZone, c.seconds), c.ctime) << c.tz << " " << c.seconds;
    }
}

// The specifiers the C library shares with the runtime give its text.
TEST(Times, FormatAgreesWithStrftime) {
    const char* format = "%a|%A|%b|%B|%d|%H|%I|%j|%m|%M|%p|%S|%U|%w|%W|%y|%Y|%%|%X";
    InZone zone("America/New_York");
    for (std::int64_t s = kMin; s <= kMax; s += 9876543) {
        const std::tm tm = Libc(s);
        char expected[256];
        std::strftime(expected, sizeof expected, format, &tm);
        ASSERT_EQ(FormatTime(format, LocalTime(kZone, s), "zone"), expected) << s;
    }
    const BrokenDown t = SplitSeconds(Utc(2005, 3, 7, 8, 4, 2));
    EXPECT_EQ(FormatTime("%c|%#c", t, ""), "03/07/05 08:04:02|Monday, March 7, 2005 08:04:02");
    EXPECT_EQ(FormatTime("%#x|%#d.%#m %#j|%Z %z", t, "Zone"), "Monday, March 7, 2005|7.3 66|Zone Zone");
    EXPECT_EQ(FormatTime("%Q %#Q 100%", t, ""), "%Q %#Q 100%") << "unknown specifiers stay";
    std::string many;
    for (int i = 0; i < 300; ++i) many += "%B";
    EXPECT_EQ(FormatTime(many, t, "").size(), 300u * 5) << "no 255-byte limit";
}

TEST(Times, MillisecondCountsAndClockParts) {
    const SplitCount least = SplitMilliseconds(kMin);
    EXPECT_EQ(std::tie(least.hours, least.minutes, least.seconds, least.milliseconds),
              std::make_tuple(-596, -31, -23, -648));
    const std::pair<double, const char*> formats[] = {
        {3723004, "01:02:03.004"}, {59, "00:00:00.059"}, {36000000, "10:00:00.000"},
        {3723004.9, "01:02:03.004"}, {1e20, "596:31:23.647"}, {INFINITY, "596:31:23.647"},
        {NAN, "00:00:00.000"}, {-3723004, "0-1:0-2:0-3.0-4"}};
    for (auto [ms, text] : formats) EXPECT_EQ(TimFormat(ms), text) << ms;
    const char* parts[] = {"01:02:03", "03", "02", "01", "02:03", "01:02", "01:02:03"};
    for (int part = 0; part <= 6; ++part) EXPECT_EQ(StrMakeTime(3723, Given(part)), parts[part]);
    EXPECT_EQ(StrMakeTime(3723, {}), "01:02:03");
    EXPECT_EQ(StrMakeTime(360000, {}), "100:00:00") << "hours take the digits they need";
    EXPECT_EQ(StrMakeTime(kMax, {}), "596523:14:07");
    EXPECT_EQ(StrMakeTime(-61, {}), "00:0-1:0-1");
    g_now = Utc(2024, 5, 6, 7, 8, 9);
    EXPECT_EQ(TimTime(kZone), g_now);
    EXPECT_EQ(Wrap32(std::int64_t{kMax} + 1), kMin);
}

}  // namespace
}  // namespace tarvo
