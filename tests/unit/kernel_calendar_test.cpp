// Day numbers and Easter of the companion library.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "kernel/calendar.h"

namespace {

struct Ymd {
    int y, m, d;
};

Ymd Split(std::int32_t jdn) {
    Ymd r{-1, -1, -1};
    knl::JdnToYmd(jdn, &r.y, &r.m, &r.d);
    return r;
}

// Independent reference: the Gregorian leap rule for astronomical years.
bool IsLeap(int y) {
    const int m4 = ((y % 4) + 4) % 4, m100 = ((y % 100) + 100) % 100, m400 = ((y % 400) + 400) % 400;
    return m4 == 0 && (m100 != 0 || m400 == 0);
}

int MonthLength(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// The Fliegel-Van Flandern formula as published, with C's truncating
// division; valid while the year terms stay positive.
std::int64_t FliegelVanFlandern(std::int64_t y, std::int64_t m, std::int64_t d) {
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

TEST(KernelCalendar, KnownDayNumbers) {
    EXPECT_EQ(knl::YmdToJdn(1970, 1, 1), 2440588);
    EXPECT_EQ(knl::YmdToJdn(2000, 1, 1), 2451545);
    EXPECT_EQ(knl::YmdToJdn(2000, 2, 29), 2451604);
    EXPECT_EQ(knl::YmdToJdn(1900, 1, 1), 2415021);
    EXPECT_EQ(knl::YmdToJdn(1858, 11, 17), 2400001);  // modified JD 0 (at midnight)
    EXPECT_EQ(knl::YmdToJdn(1582, 10, 15), 2299161);  // first Gregorian day
    EXPECT_EQ(knl::YmdToJdn(1, 1, 1), 1721426);
    EXPECT_EQ(knl::YmdToJdn(9999, 12, 31), 5373484);
    EXPECT_EQ(knl::YmdToJdn(-4713, 11, 24), 0);  // proleptic Gregorian origin
}

TEST(KernelCalendar, SplitKnownDayNumbers) {
    Ymd r = Split(2440588);
    EXPECT_EQ(r.y, 1970);
    EXPECT_EQ(r.m, 1);
    EXPECT_EQ(r.d, 1);
    r = Split(2451604);
    EXPECT_EQ(r.y, 2000);
    EXPECT_EQ(r.m, 2);
    EXPECT_EQ(r.d, 29);
    r = Split(0);
    EXPECT_EQ(r.y, -4713);
    EXPECT_EQ(r.m, 11);
    EXPECT_EQ(r.d, 24);
    r = Split(-1);
    EXPECT_EQ(r.y, -4713);
    EXPECT_EQ(r.m, 11);
    EXPECT_EQ(r.d, 23);
}

// Day by day over a thousand years, past every kind of year boundary and
// leap day (1600 and 2000 leap, 1700/1800/1900/2100 not), against a calendar
// counted by hand.
TEST(KernelCalendar, ConsecutiveDaysAgreeWithCountedCalendar) {
    int y = 1500, m = 1, d = 1;
    std::int32_t jdn = knl::YmdToJdn(y, m, d);
    for (int step = 0; step < 366 * 1000; ++step) {
        ASSERT_EQ(knl::YmdToJdn(y, m, d), jdn) << y << "-" << m << "-" << d;
        const Ymd r = Split(jdn);
        ASSERT_EQ(r.y, y) << jdn;
        ASSERT_EQ(r.m, m) << jdn;
        ASSERT_EQ(r.d, d) << jdn;
        ++jdn;
        if (++d > MonthLength(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    EXPECT_GT(y, 2499);
}

// Around year 0 and before the day numbers' origin, astronomical years.
TEST(KernelCalendar, NegativeYearsAndNegativeDayNumbers) {
    EXPECT_EQ(knl::YmdToJdn(0, 3, 1) - knl::YmdToJdn(0, 2, 28), 2);  // year 0 is a leap year
    EXPECT_EQ(knl::YmdToJdn(-1, 3, 1) - knl::YmdToJdn(-1, 2, 28), 1);
    EXPECT_EQ(knl::YmdToJdn(-100, 3, 1) - knl::YmdToJdn(-100, 2, 28), 1);
    EXPECT_EQ(knl::YmdToJdn(-400, 3, 1) - knl::YmdToJdn(-400, 2, 28), 2);
    EXPECT_EQ(knl::YmdToJdn(1, 1, 1) - knl::YmdToJdn(0, 12, 31), 1);
    EXPECT_EQ(knl::YmdToJdn(-4713, 1, 1), -327);
    const Ymd r = Split(knl::YmdToJdn(-10000, 7, 4));
    EXPECT_EQ(r.y, -10000);
    EXPECT_EQ(r.m, 7);
    EXPECT_EQ(r.d, 4);
}

// Every 32-bit day number splits into a valid date that converts back.
TEST(KernelCalendar, RoundTripAcrossWholeRange) {
    const std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    const std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    for (std::int64_t j = lo; j <= hi; j += 999983) {
        for (std::int64_t k = j; k < j + 3 && k <= hi; ++k) {
            const auto jdn = static_cast<std::int32_t>(k);
            const Ymd r = Split(jdn);
            ASSERT_GE(r.m, 1);
            ASSERT_LE(r.m, 12);
            ASSERT_GE(r.d, 1);
            ASSERT_LE(r.d, MonthLength(r.y, r.m));
            ASSERT_EQ(knl::YmdToJdn(r.y, r.m, r.d), jdn) << jdn;
        }
    }
    for (std::int32_t jdn : {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        const Ymd r = Split(jdn);
        EXPECT_EQ(knl::YmdToJdn(r.y, r.m, r.d), jdn);
    }
}

TEST(KernelCalendar, OutOfRangeMonthsAndDaysFold) {
    EXPECT_EQ(knl::YmdToJdn(1999, 13, 1), knl::YmdToJdn(2000, 1, 1));
    EXPECT_EQ(knl::YmdToJdn(2000, 0, 1), knl::YmdToJdn(1999, 12, 1));
    EXPECT_EQ(knl::YmdToJdn(2000, -1, 15), knl::YmdToJdn(1999, 11, 15));
    EXPECT_EQ(knl::YmdToJdn(2000, 25, 1), knl::YmdToJdn(2002, 1, 1));
    EXPECT_EQ(knl::YmdToJdn(1999, 15, 1), knl::YmdToJdn(2000, 3, 1));
    EXPECT_EQ(knl::YmdToJdn(2000, -12, 1), knl::YmdToJdn(1998, 12, 1));
    EXPECT_EQ(knl::YmdToJdn(2000, 3, 0), knl::YmdToJdn(2000, 2, 29));
    EXPECT_EQ(knl::YmdToJdn(1900, 3, 0), knl::YmdToJdn(1900, 2, 28));
    EXPECT_EQ(knl::YmdToJdn(1999, 2, 29), knl::YmdToJdn(1999, 3, 1));
    EXPECT_EQ(knl::YmdToJdn(2000, 1, 32), knl::YmdToJdn(2000, 2, 1));
    EXPECT_EQ(knl::YmdToJdn(2000, 1, -1), knl::YmdToJdn(1999, 12, 30));
    EXPECT_EQ(knl::YmdToJdn(2000, 1, 367), knl::YmdToJdn(2001, 1, 1));
    // Normalising as the date test of the host does: 1999/13/1 comes back
    // as 2000/1/1.
    const Ymd r = Split(knl::YmdToJdn(1999, 13, 1));
    EXPECT_EQ(r.y, 2000);
    EXPECT_EQ(r.m, 1);
    EXPECT_EQ(r.d, 1);
}

// Out-of-range fields fold exactly as the published formula folds them, for
// every month up to 14. (From month 15 on, the formula's months drift from
// the calendar's by a day or two; there the fold goes on into the right
// month, as OutOfRangeMonthsAndDaysFold and the next test check.)
TEST(KernelCalendar, FoldingMatchesFliegelVanFlandern) {
    for (int y = 0; y <= 3000; ++y)
        for (int m = -40; m <= 14; ++m)
            for (int d : {-40, -1, 0, 1, 15, 28, 29, 30, 31, 32, 60})
                ASSERT_EQ(knl::YmdToJdn(y, m, d), FliegelVanFlandern(y, m, d)) << y << "/" << m << "/" << d;
}

// Month m of year y is month m - 12 of year y + 1, however far out.
TEST(KernelCalendar, MonthsFoldByWholeYears) {
    for (int y = -500; y <= 2500; y += 7)
        for (int m = -60; m <= 60; ++m)
            for (int d : {-3, 0, 1, 29, 31, 45})
                ASSERT_EQ(knl::YmdToJdn(y, m + 12, d), knl::YmdToJdn(y + 1, m, d)) << y << "/" << m << "/" << d;
}

TEST(KernelCalendar, ExtremeInputsClampInsteadOfOverflowing) {
    EXPECT_EQ(knl::YmdToJdn(std::numeric_limits<int>::max(), 12, 31), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(knl::YmdToJdn(std::numeric_limits<int>::min(), 1, 1), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(knl::YmdToJdn(2000, std::numeric_limits<int>::max(), 1), std::numeric_limits<std::int32_t>::max());
    // Far-off days that still fit are exact.
    EXPECT_EQ(knl::YmdToJdn(2000, 1, std::numeric_limits<int>::min()),
              std::numeric_limits<std::int32_t>::min() + (2451545 - 1));
}

TEST(KernelCalendar, NullFieldsAreSkipped) {
    int month = 0;
    knl::JdnToYmd(2451604, nullptr, &month, nullptr);
    EXPECT_EQ(month, 2);
    knl::JdnToYmd(2451604, nullptr, nullptr, nullptr);
    int day = 0;
    knl::EasterDate(2000, nullptr, &day);
    EXPECT_EQ(day, 23);
}

struct EasterCase {
    int year, month, day;
};

TEST(KernelEaster, KnownYears) {
    const EasterCase cases[] = {
        {2000, 4, 23}, {2024, 3, 31}, {2025, 4, 20}, {2019, 4, 21}, {2011, 4, 24}, {2008, 3, 23},
        {1961, 4, 2},  {1954, 4, 18}, {2049, 4, 18}, {1583, 4, 10}, {1818, 3, 22}, {2285, 3, 22},
        {1943, 4, 25}, {2038, 4, 25},
    };
    for (const auto& c : cases) {
        int m = 0, d = 0;
        knl::EasterDate(c.year, &m, &d);
        EXPECT_EQ(m, c.month) << c.year;
        EXPECT_EQ(d, c.day) << c.year;
    }
}

// Easter Sunday is a Sunday between 22 March and 25 April; both limits occur.
TEST(KernelEaster, AlwaysASundayWithinItsRange) {
    bool sawEarliest = false, sawLatest = false;
    for (int y = 1583; y <= 9999; ++y) {
        int m = 0, d = 0;
        knl::EasterDate(y, &m, &d);
        ASSERT_TRUE((m == 3 && d >= 22 && d <= 31) || (m == 4 && d >= 1 && d <= 25)) << y;
        const std::int32_t jdn = knl::YmdToJdn(y, m, d);
        ASSERT_EQ((jdn + 1) % 7, 0) << y;  // day number 0 was a Monday
        sawEarliest |= m == 3 && d == 22;
        sawLatest |= m == 4 && d == 25;
    }
    EXPECT_TRUE(sawEarliest);
    EXPECT_TRUE(sawLatest);
}

TEST(KernelEaster, DefinedForAnyYear) {
    for (int y : {-100000, -1, 0, 1, 100000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        int m = 0, d = 0;
        knl::EasterDate(y, &m, &d);
        EXPECT_TRUE((m == 3 && d >= 22 && d <= 31) || (m == 4 && d >= 1 && d <= 25)) << y;
    }
}

}  // namespace
