// Day numbers and Easter of the companion library.
#include <gtest/gtest.h>

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

TEST(KernelCalendar, KnownDayNumbersBothWays) {
    const struct { Ymd date; std::int32_t jdn; } cases[] = {
        {{1970, 1, 1}, 2440588},  {{2000, 2, 29}, 2451604}, {{1858, 11, 17}, 2400001},
        {{1582, 10, 15}, 2299161},  // the first Gregorian day
        {{1, 1, 1}, 1721426},     {{9999, 12, 31}, 5373484},
        {{-4713, 11, 24}, 0},     {{-4713, 11, 23}, -1},    {{-4713, 1, 1}, -327},
    };
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
    knl::JdnToYmd(2451604, nullptr, &month, nullptr);
    knl::EasterDate(2000, nullptr, &day);
    EXPECT_EQ(month * 100 + day, 223);
}

TEST(KernelEaster, KnownYears) {
    const Ymd cases[] = {
        {2000, 4, 23}, {2024, 3, 31}, {2025, 4, 20}, {2019, 4, 21}, {2011, 4, 24}, {2008, 3, 23}, {1961, 4, 2},
        {1954, 4, 18}, {2049, 4, 18}, {1583, 4, 10}, {1818, 3, 22}, {2285, 3, 22}, {1943, 4, 25}, {2038, 4, 25},
    };
    for (const Ymd& c : cases) {
        Ymd r{c.y, 0, 0};
        knl::EasterDate(c.y, &r.m, &r.d);
        EXPECT_EQ(r, c);
    }
}

// A Sunday between 22 March and 25 April, both limits reached; for any year
// at all, a date in that range.
TEST(KernelEaster, ASundayWithinItsRange) {
    auto inRange = [](int m, int d) { return (m == 3 && d >= 22 && d <= 31) || (m == 4 && d >= 1 && d <= 25); };
    bool earliest = false, latest = false;
    for (int y = 1583; y <= 9999; ++y) {
        int m = 0, d = 0;
        knl::EasterDate(y, &m, &d);
        ASSERT_TRUE(inRange(m, d)) << y;
        ASSERT_EQ((knl::YmdToJdn(y, m, d) + 1) % 7, 0) << y;  // day number 0 was a Monday
        earliest |= m == 3 && d == 22;
        latest |= m == 4 && d == 25;
    }
    EXPECT_TRUE(earliest && latest);
    for (int y : {-100000, -1, 0, 100000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        int m = 0, d = 0;
        knl::EasterDate(y, &m, &d);
        EXPECT_TRUE(inRange(m, d)) << y;
    }
}

}  // namespace
