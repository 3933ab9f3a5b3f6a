// Day numbers and Easter of the companion library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "kernel/calendar.h"

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Ymd {
    int y, m, d;
    bool operator==(const Ymd&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ymd& r) { return os << r.y << "-" << r.m << "-" << r.d; }

Ymd Split(std::int32_t jdn) {
    Ymd r{-1, -1, -1};
    knl::JdnToYmd(jdn, &r.y, &r.m, &r.d);
    return r;
}

// The Gregorian rules for astronomical years, written out independently.
int MonthLength(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = ((y % 4 + 4) % 4 == 0) && ((y % 100 + 100) % 100 != 0 || (y % 400 + 400) % 400 == 0);
    return m == 2 && leap ? 29 : kDays[m - 1];
}

// The Fliegel-Van Flandern formula as published, with C's truncating
// division; valid while the year terms stay positive.
std::int64_t FliegelVanFlandern(std::int64_t y, std::int64_t m, std::int64_t d) {
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

// The origin of the day numbers; the rest of the walk below hangs on 1970.
TEST(KernelCalendar, KnownDayNumbersBothWays) {
    const struct { Ymd date; std::int32_t jdn; } cases[] = {
        {{1970, 1, 1}, 2440588}, {{-4713, 11, 24}, 0}, {{-4713, 11, 23}, -1}, {{9999, 12, 31}, 5373484}};
    for (const auto& c : cases) {
        EXPECT_EQ(knl::YmdToJdn(c.date.y, c.date.m, c.date.d), c.jdn) << c.date;
        EXPECT_EQ(Split(c.jdn), c.date);
    }
}

// Day by day over three thousand years, past year 0 and every kind of leap
// rule (0, -400, 1600 and 2000 leap; -100, 1700, 1900 and 2100 not), against
// a calendar counted by hand.
TEST(KernelCalendar, ConsecutiveDaysAgreeWithACountedCalendar) {
    Ymd date{-500, 1, 1};
    for (std::int32_t jdn = knl::YmdToJdn(-500, 1, 1); date.y < 2500; ++jdn) {
        ASSERT_EQ(knl::YmdToJdn(date.y, date.m, date.d), jdn) << date;
        ASSERT_EQ(Split(jdn), date) << jdn;
        if (++date.d > MonthLength(date.y, date.m)) {
            date.d = 1;
            if (++date.m > 12) date.m = 1, ++date.y;
        }
    }
}

// Every 32-bit day number, both ends included, splits into a valid date
// that converts back.
TEST(KernelCalendar, RoundTripAcrossTheWholeRange) {
    for (std::int64_t j = kMin; j <= kMax; j += 999983) {
        for (std::int64_t k : {j, j + 1, std::min<std::int64_t>(j + 999982, kMax)}) {
            const Ymd r = Split(static_cast<std::int32_t>(k));
            ASSERT_TRUE(r.m >= 1 && r.m <= 12 && r.d >= 1 && r.d <= MonthLength(r.y, r.m)) << k << ": " << r;
            ASSERT_EQ(knl::YmdToJdn(r.y, r.m, r.d), k) << r;
        }
    }
}

// Months outside 1..12 move into the neighbouring years and days outside the
// month are added to its first day less one: exactly as the published
// formula folds them for months up to 14 (from 15 on, its months drift from
// the calendar's), and month m of year y is month m - 12 of year y + 1
// however far out.
TEST(KernelCalendar, OutOfRangeFieldsFold) {
    for (int y = 0; y <= 3000; ++y)
        for (int m = -40; m <= 14; ++m)
            for (int d : {-40, -1, 0, 1, 28, 29, 30, 31, 32, 60})
                ASSERT_EQ(knl::YmdToJdn(y, m, d), FliegelVanFlandern(y, m, d)) << y << "/" << m << "/" << d;
    for (int y = -500; y <= 2500; y += 7)
        for (int m = -60; m <= 60; ++m)
            for (int d : {-3, 0, 1, 29, 31, 367})
                ASSERT_EQ(knl::YmdToJdn(y, m + 12, d), knl::YmdToJdn(y + 1, m, d)) << y << "/" << m << "/" << d;
}

TEST(KernelCalendar, ExtremeInputsClampInsteadOfOverflowing) {
    EXPECT_EQ(knl::YmdToJdn(std::numeric_limits<int>::max(), 12, 31), kMax);
    EXPECT_EQ(knl::YmdToJdn(std::numeric_limits<int>::min(), 1, 1), kMin);
    EXPECT_EQ(knl::YmdToJdn(2000, std::numeric_limits<int>::max(), 1), kMax);
    EXPECT_EQ(knl::YmdToJdn(2000, 1, std::numeric_limits<int>::min()), kMin + (2451545 - 1));  // still fits
    int month = 0, day = 0;  // fields not wanted are skipped
    knl::JdnToYmd(2451604, nullptr, nullptr, nullptr);
    knl::JdnToYmd(2451604, nullptr, &month, nullptr);
    knl::EasterDate(2000, nullptr, &day);
    EXPECT_EQ(month * 100 + day, 223);
}

// Oudin's algorithm (1940), independent of the library's.
Ymd Oudin(int y) {
    const int g = y % 19, c = y / 100;
    const int h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
    const int i = h - (h / 28) * (1 - (h / 28) * (29 / (h + 1)) * ((21 - g) / 11));
    const int p = i - (y + y / 4 + i + 2 - c + c / 4) % 7;
    return {y, 3 + (p + 26) / 30, 1 + (p + 27 + (p + 6) / 40) % 31};
}

// A Sunday, on the date the other algorithm finds, in every year of the
// Gregorian calendar up to 9999; for any year at all, a date between 22 March
// and 25 April.
TEST(KernelEaster, AgreesWithAnIndependentAlgorithm) {
    EXPECT_EQ(Oudin(2000), (Ymd{2000, 4, 23}));
    EXPECT_EQ(Oudin(1818), (Ymd{1818, 3, 22}));  // the earliest date
    EXPECT_EQ(Oudin(2038), (Ymd{2038, 4, 25}));  // the latest
    for (int y = 1583; y <= 9999; ++y) {
        Ymd r{y, 0, 0};
        knl::EasterDate(y, &r.m, &r.d);
        ASSERT_EQ(r, Oudin(y));
        ASSERT_EQ((knl::YmdToJdn(y, r.m, r.d) + 1) % 7, 0) << y;  // day number 0 was a Monday
    }
    for (int y : {-100000, -1, 0, 100000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        int m = 0, d = 0;
        knl::EasterDate(y, &m, &d);
        EXPECT_TRUE((m == 3 && d >= 22 && d <= 31) || (m == 4 && d >= 1 && d <= 25)) << y;
    }
}

}  // namespace
