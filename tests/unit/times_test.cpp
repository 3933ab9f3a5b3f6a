// Time values: Unix seconds split against the C library, the zone offset in
// force now, local midnight, clock texts, strftime and millisecond counts.
// Zones come from the C library's time-zone database under TZ (UTC, two
// zones with daylight saving and one half an hour off), so every zone case
// runs in several zones in one process.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "datetime/times.h"
#include "kernel/calendar.h"

namespace tarvo {
namespace {

std::int64_t g_now = 0;

std::int64_t FixedNow() { return g_now; }
std::int64_t LibcOffset(std::int64_t utc) {
    const std::time_t t = static_cast<std::time_t>(utc);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_gmtoff;
}
std::string LibcName(std::int64_t utc) {
    const std::time_t t = static_cast<std::time_t>(utc);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_zone ? tm.tm_zone : "";
}
const Zone kZone{&FixedNow, &LibcOffset, &LibcName};

// Runs the test's body with TZ set, and puts the old zone back.
class InZone {
public:
    explicit InZone(const char* tz) {
        const char* old = std::getenv("TZ");
        had_ = old != nullptr;
        if (had_) old_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~InZone() {
        if (had_) setenv("TZ", old_.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }

private:
    bool had_ = false;
    std::string old_;
};

// Unix seconds of a UTC date and time.
std::int64_t Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return (static_cast<std::int64_t>(knl::YmdToJdn(y, mo, d)) - 2440588) * 86400 + h * 3600 +
           mi * 60 + s;
}
Day Date(int y, int m, int d) { return Day{static_cast<double>(knl::YmdToJdn(y, m, d))}; }

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Every field of every kind of moment agrees with the C library's gmtime.
TEST(Times, SplitSecondsAgreesWithGmtime) {
    for (std::int64_t s = kMin; s <= kMax; s += 7777777) {
        for (std::int64_t t : {s, s + 86399, s + 43200}) {
            const std::time_t tt = static_cast<std::time_t>(t);
            std::tm g{};
            gmtime_r(&tt, &g);
            const BrokenDown b = SplitSeconds(t);
            ASSERT_EQ(b.year, g.tm_year + 1900) << t;
            ASSERT_EQ(b.month, g.tm_mon + 1) << t;
            ASSERT_EQ(b.day, g.tm_mday) << t;
            ASSERT_EQ(b.hour * 3600 + b.minute * 60 + b.second, g.tm_hour * 3600 + g.tm_min * 60 + g.tm_sec);
            ASSERT_EQ(b.weekday, g.tm_wday) << t;
            ASSERT_EQ(b.yearDay, g.tm_yday) << t;
        }
    }
}

// Zone rules in Windows' form give the offsets of the zone database, in the
// years these rules have held: both hemispheres, and a zone without daylight
// saving time.
TEST(Times, ZoneRulesAgreeWithTheZoneDatabase) {
    struct Case {
        const char* tz;
        ZoneRules rules;
        int from, to;
    };
    auto rules = [](int bias, ZoneTransition toStandard, ZoneTransition toDaylight) {
        ZoneRules r;
        r.bias = bias;
        r.daylightBias = toDaylight.month ? -60 : 0;
        r.standardDate = toStandard;
        r.daylightDate = toDaylight;
        return r;
    };
    const Case cases[] = {
        {"Europe/Paris", rules(-60, {0, 10, 0, 5, 3}, {0, 3, 0, 5, 2}), 1996, 2037},
        {"America/New_York", rules(300, {0, 11, 0, 1, 2}, {0, 3, 0, 2, 2}), 2007, 2037},
        {"Australia/Sydney", rules(-600, {0, 4, 0, 1, 3}, {0, 10, 0, 1, 2}), 2008, 2037},
        {"Asia/Kolkata", rules(-330, {}, {}), 1971, 2037},
    };
    for (const Case& c : cases) {
        InZone zone(c.tz);
        for (std::int64_t t = Utc(c.from, 1, 1, 12); t < Utc(c.to, 12, 31); t += 3 * 3600 + 17)
            ASSERT_EQ(RuleOffsetAt(c.rules, t), LibcOffset(t)) << c.tz << " " << t;
        // Both sides of every change of one year, to the second.
        for (std::int64_t t = Utc(2030, 1, 1); t < Utc(2031, 1, 1); t += 3600) {
            if (LibcOffset(t) == LibcOffset(t + 3600)) continue;
            for (std::int64_t u = t; u <= t + 3600; ++u) ASSERT_EQ(RuleOffsetAt(c.rules, u), LibcOffset(u)) << u;
        }
    }
    // A change given for one year only happens in that year.
    ZoneRules once = rules(0, {2024, 9, 0, 1, 0}, {2024, 6, 0, 1, 0});
    EXPECT_TRUE(DaylightAt(once, Utc(2024, 7, 1)));
    EXPECT_FALSE(DaylightAt(once, Utc(2024, 9, 2)));
    EXPECT_FALSE(DaylightAt(once, Utc(2025, 7, 1)));
    EXPECT_EQ(RuleOffsetAt(once, Utc(2024, 7, 1)), 3600);
}

TEST(Times, ZoneHoursNow) {
    struct Case {
        const char* tz;
        std::int64_t now;
        int hours;
    };
    const Case cases[] = {
        {"UTC", Utc(2021, 1, 15, 12), 0},
        {"Europe/Paris", Utc(2021, 1, 15, 12), -1},
        {"Europe/Paris", Utc(2021, 7, 15, 12), -2},
        // Local time already in the next day: 23 - 0, then 24 less.
        {"Europe/Paris", Utc(2021, 1, 15, 23, 30), -1},
        {"America/New_York", Utc(2021, 1, 15, 12), 5},
        {"America/New_York", Utc(2021, 7, 15, 2), 4},  // local day before
        // Half an hour off: whole hours of the clock fields only.
        {"Asia/Kolkata", Utc(2021, 1, 15, 10), -5},
        {"Asia/Kolkata", Utc(2021, 1, 15, 10, 45), -6},
    };
    for (const Case& c : cases) {
        InZone zone(c.tz);
        g_now = c.now;
        EXPECT_EQ(ZoneHoursNow(kZone), c.hours) << c.tz << " " << c.now;
    }
}

TEST(Times, DateToUnixSecondsIsLocalMidnightByTheOffsetNow) {
    EXPECT_EQ(DateToUnixSeconds(2440588, 0, 0), 0);
    EXPECT_EQ(DateToUnixSeconds(2440589, 60, 0), 86460);
    EXPECT_EQ(DateToUnixSeconds(2440589, 0, -1), 82800);
    EXPECT_EQ(DateToUnixSeconds(2440587.5, 0, 0), 0) << "the difference is truncated, toward zero";
    EXPECT_EQ(DateToUnixSeconds(2440586.5, 0, 0), -86400);
    // Past 2038 the 32-bit count wraps.
    EXPECT_EQ(DateToUnixSeconds(knl::YmdToJdn(2038, 1, 20), 0, 0), Wrap32(Utc(2038, 1, 20)));
    EXPECT_LT(DateToUnixSeconds(knl::YmdToJdn(2038, 1, 20), 0, 0), 0);
    for (double bad : {double(NAN), double(INFINITY), -1e300})
        DateToUnixSeconds(bad, kMax, 24);  // defined for any input

    InZone zone("Europe/Paris");
    g_now = Utc(2024, 1, 10);  // winter: z = -1, for a summer date too
    EXPECT_EQ(TimMakeTime(kZone, Date(2024, 7, 1), {}), Utc(2024, 6, 30, 23));
    EXPECT_EQ(TimMakeTime(kZone, Date(2024, 7, 1), Given(90)), Utc(2024, 6, 30, 23, 1, 30));
}

TEST(Times, NumberOfDaysTruncatesTowardZero) {
    EXPECT_EQ(TimGetNumberOfDays(Date(2000, 3, 10), Date(2000, 3, 1)), 9);
    EXPECT_EQ(TimGetNumberOfDays(Date(2000, 3, 1), Date(2000, 3, 10)), -9);
    EXPECT_EQ(TimGetNumberOfDays(Day{2.5}, Day{0.9}), 1);
    EXPECT_EQ(TimGetNumberOfDays(Day{0.9}, Day{2.5}), -1);
    EXPECT_EQ(TimGetNumberOfDays(Day{NAN}, Day{1}), 0);
    EXPECT_EQ(TimGetNumberOfDays(Day{1e300}, Day{-1e300}), kMax);
}

// 1 January 2024 was a Monday (weekday 2).
TEST(Times, NextDay) {
    InZone zone("UTC");
    g_now = Utc(2024, 3, 1);
    const std::int64_t monday = Utc(2024, 1, 1);
    const Day date = Date(2024, 1, 1);
    const std::pair<int, int> days[] = {{2, 7}, {3, 1}, {1, 6}, {7, 5}, {9, 7}, {10, 1},
                                        {0, 5}, {-10, -5}};
    for (auto [weekday, ahead] : days)
        EXPECT_EQ(TimNextDay(kZone, date, weekday), monday + ahead * 86400LL) << weekday;
    TimNextDay(kZone, date, kMin);
    TimNextDay(kZone, date, kMax);
}

TEST(Times, NextDayReadsTheWeekdayAtThatMidnight) {
    InZone zone("Europe/Paris");
    // Winter offset now, summer date: local 01:00 of the Monday, still Monday.
    g_now = Utc(2024, 1, 10);
    EXPECT_EQ(TimNextDay(kZone, Date(2024, 7, 1), 2), Utc(2024, 6, 30, 23) + 7 * 86400);
    // Summer offset now, winter date: midnight by the summer offset is 23:00
    // of the Sunday before in winter time, so Monday is one day ahead.
    g_now = Utc(2024, 7, 10);
    EXPECT_EQ(TimNextDay(kZone, Date(2024, 1, 1), 2), Utc(2023, 12, 31, 22) + 86400);
}

TEST(Times, ClockTexts) {
    EXPECT_EQ(TimMakeSeconds("01:02:03"), 3723);
    EXPECT_EQ(TimMakeSeconds("01-02-03"), 3723);
    EXPECT_EQ(TimMakeSeconds("1:2:3"), 3600) << "fields at fixed positions";
    EXPECT_EQ(TimMakeSeconds(""), 0);
    EXPECT_EQ(TimMakeSeconds("99:99:99"), 99 * 3600 + 99 * 60 + 99);
    EXPECT_EQ(TimMakeSeconds(" 1:-2:+3 and more"), 3600 - 120 + 3);
    EXPECT_EQ(TimMakeSeconds(std::string("01\0" "02:03", 8)), 3600 + 2 * 60 + 3);
    const ClockFields f = SplitClockText("12:3");
    EXPECT_EQ(f.hours, 12);
    EXPECT_EQ(f.minutes, 3);
    EXPECT_EQ(f.seconds, 0);

    EXPECT_EQ(TimGmt(0), "00:00:00");
    EXPECT_EQ(TimGmt(3723), "01:02:03");
    EXPECT_EQ(TimGmt(-1), "23:59:59");
    EXPECT_EQ(TimGmt(kMax), "03:14:07");
    EXPECT_EQ(TimGmt(kMin), "20:45:52");
}

TEST(Times, LocalTextsFollowTheZone) {
    struct Case {
        const char* tz;
        std::int32_t seconds;
        const char* clock;
        const char* ctime;
    };
    const Case cases[] = {
        {"UTC", 0, "00:00:00", "Thu Jan 01 00:00:00 1970"},
        {"Europe/Paris", 0, "01:00:00", "Thu Jan 01 01:00:00 1970"},
        {"America/New_York", 0, "19:00:00", "Wed Dec 31 19:00:00 1969"},
        {"Europe/Paris", static_cast<std::int32_t>(Utc(2021, 7, 4, 10, 5, 9)), "12:05:09",
         "Sun Jul 04 12:05:09 2021"},
        {"UTC", kMax, "03:14:07", "Tue Jan 19 03:14:07 2038"},
        {"UTC", kMin, "20:45:52", "Fri Dec 13 20:45:52 1901"},
    };
    for (const Case& c : cases) {
        InZone zone(c.tz);
        EXPECT_EQ(TimLocalt(kZone, c.seconds), c.clock) << c.tz;
        EXPECT_EQ(TimCtime(kZone, c.seconds), c.ctime) << c.tz;
    }
}

// The specifiers the C library shares with the runtime give the C library's
// text, in every kind of moment and zone.
TEST(Times, FormatAgreesWithStrftime) {
    const char* format = "%a|%A|%b|%B|%d|%H|%I|%j|%m|%M|%p|%S|%U|%w|%W|%y|%Y|%%|%X";
    for (const char* tz : {"UTC", "America/New_York"}) {
        InZone zone(tz);
        for (std::int64_t s = kMin; s <= kMax; s += 9876543) {
            const std::time_t t = static_cast<std::time_t>(s);
            std::tm tm{};
            localtime_r(&t, &tm);
            char expected[256];
            std::strftime(expected, sizeof expected, format, &tm);
            ASSERT_EQ(FormatTime(format, LocalTime(kZone, s), "zone"), expected) << s;
        }
    }
}

TEST(Times, FormatOfTheRuntime) {
    const BrokenDown t = SplitSeconds(Utc(2005, 3, 7, 8, 4, 2));
    EXPECT_EQ(FormatTime("%c", t, "UTC"), "03/07/05 08:04:02");
    EXPECT_EQ(FormatTime("%x %X", t, "UTC"), "03/07/05 08:04:02");
    EXPECT_EQ(FormatTime("%#c", t, "UTC"), "Monday, March 7, 2005 08:04:02");
    EXPECT_EQ(FormatTime("%#x", t, "UTC"), "Monday, March 7, 2005");
    EXPECT_EQ(FormatTime("%#d.%#m.%#H %#j", t, "UTC"), "7.3.8 66");
    EXPECT_EQ(FormatTime("%Z %z", t, "Romance Standard Time"), "Romance Standard Time Romance Standard Time");
    EXPECT_EQ(FormatTime("%Q %#Q 100%", t, "UTC"), "%Q %#Q 100%") << "unknown specifiers stay";
    EXPECT_EQ(FormatTime("", t, "UTC"), "");
    std::string many;
    for (int i = 0; i < 300; ++i) many += "%B";
    EXPECT_EQ(FormatTime(many, t, "UTC").size(), 300u * 5) << "no 255-byte limit";
}

TEST(Times, MillisecondCounts) {
    const SplitCount s = SplitMilliseconds(3723004);
    EXPECT_EQ(s.hours, 1);
    EXPECT_EQ(s.minutes, 2);
    EXPECT_EQ(s.seconds, 3);
    EXPECT_EQ(s.milliseconds, 4);
    const SplitCount most = SplitMilliseconds(kMax);
    EXPECT_EQ(most.hours, 596);
    EXPECT_EQ(most.milliseconds, 647);
    const SplitCount least = SplitMilliseconds(kMin);
    EXPECT_EQ(least.hours, -596);
    EXPECT_EQ(least.minutes, -31);
    EXPECT_EQ(least.seconds, -23);
    EXPECT_EQ(least.milliseconds, -648);

    EXPECT_EQ(TimFormat(3723004), "01:02:03.004");
    EXPECT_EQ(TimFormat(59), "00:00:00.059");
    EXPECT_EQ(TimFormat(36000000), "10:00:00.000");
    EXPECT_EQ(TimFormat(3723004.9), "01:02:03.004");
    EXPECT_EQ(TimFormat(2147483647), "596:31:23.647");
    EXPECT_EQ(TimFormat(1e20), "596:31:23.647");
    EXPECT_EQ(TimFormat(INFINITY), "596:31:23.647");
    EXPECT_EQ(TimFormat(NAN), "00:00:00.000");
    EXPECT_EQ(TimFormat(-3723004), "0-1:0-2:0-3.0-4");
}

TEST(Times, MakeTime) {
    EXPECT_EQ(StrMakeTime(3723, {}), "01:02:03");
    const char* parts[] = {"01:02:03", "03", "02", "01", "02:03", "01:02", "01:02:03"};
    for (int part = 0; part <= 6; ++part) EXPECT_EQ(StrMakeTime(3723, Given(part)), parts[part]) << part;
    EXPECT_EQ(StrMakeTime(3723, Given(-1)), "01:02:03");
    EXPECT_EQ(StrMakeTime(0, {}), "00:00:00");
    EXPECT_EQ(StrMakeTime(360000, {}), "100:00:00") << "hours take the digits they need";
    EXPECT_EQ(StrMakeTime(kMax, {}), "596523:14:07");
    EXPECT_EQ(StrMakeTime(-61, {}), "00:0-1:0-1");
}

TEST(Times, TimeAndWrap) {
    g_now = Utc(2024, 5, 6, 7, 8, 9);
    EXPECT_EQ(TimTime(kZone), Utc(2024, 5, 6, 7, 8, 9));
    EXPECT_EQ(Wrap32(std::int64_t{1} << 32), 0);
    EXPECT_EQ(Wrap32(std::int64_t{kMax} + 1), kMin);
    EXPECT_EQ(Wrap32(-1), -1);
}

}  // namespace
}  // namespace tarvo
