// The calendar dates over the companion's calendar: every date of the host's
// range against a calendar counted in the test, Easter against Gauss's
// computus, and what happens without a companion.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>

#include "datetime/calendar_dates.h"
#include "kernel/calendar.h"

namespace tarvo {
namespace {

bool KnlToYmd(std::int32_t jdn, int* y, int* m, int* d) {
    knl::JdnToYmd(jdn, y, m, d);
    return true;
}
bool KnlEaster(int year, int* m, int* d) {
    knl::EasterDate(year, m, d);
    return true;
}
const Calendar kCompanion{&knl::YmdToJdn, &KnlToYmd, &KnlEaster};

// The companion missing: its wrappers answer 0 and leave the fields alone.
std::int32_t NoJdn(int, int, int) { return 0; }
bool NoYmd(std::int32_t, int*, int*, int*) { return false; }
bool NoEaster(int, int*, int*) { return false; }
const Calendar kMissing{&NoJdn, &NoYmd, &NoEaster};

Day D(double n) { return Day{n}; }
double Jdn(int y, int m, int d) { return knl::YmdToJdn(y, m, d); }

// The Gregorian rule for astronomical years (negative ones too).
bool GregorianLeap(int y) {
    auto mod = [y](int n) { return ((y % n) + n) % n; };
    return mod(4) == 0 && (mod(100) != 0 || mod(400) == 0);
}
int MonthLength(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && GregorianLeap(y) ? 29 : kDays[m - 1];
}

// Every day from 1 January 1 to 31 December 9999 (the host's dates), walked
// in the test's own calendar: its parts, its month's and year's ends.
TEST(CalendarDates, EveryHostDate) {
    int y = 1, m = 1, d = 1;
    double jdn = Jdn(1, 1, 1);
    for (; y <= 9999; jdn += 1) {
        const Day date = D(jdn + 0.75);  // a time of day does not count
        ASSERT_EQ(DatYear(kCompanion, date), y) << jdn;
        ASSERT_EQ(DatMonth(kCompanion, date), m) << jdn;
        ASSERT_EQ(DatDay(kCompanion, date), d) << jdn;
        ASSERT_EQ(DatBom(kCompanion, date).number, jdn - (d - 1));
        ASSERT_EQ(DatEom(kCompanion, date).number, jdn + (MonthLength(y, m) - d)) << y << "/" << m;
        if (d == 1) {
            ASSERT_EQ(DatIsLeap(kCompanion, date), GregorianLeap(y)) << y;
            ASSERT_EQ(DatBoy(kCompanion, date).number, Jdn(y, 1, 1));
            ASSERT_EQ(DatEoy(kCompanion, date).number, Jdn(y, 1, 1) + (GregorianLeap(y) ? 365 : 364));
        }
        if (++d > MonthLength(y, m)) {
            d = 1;
            if (++m > 12) m = 1, ++y;
        }
    }
    EXPECT_EQ(jdn, 5373485.0);
}

TEST(CalendarDates, LeapYearsMonthEndsAndDayCounts) {
    EXPECT_EQ(DatEom(kCompanion, D(Jdn(2000, 2, 10))).number, Jdn(2000, 2, 29));
    EXPECT_EQ(DatEom(kCompanion, D(Jdn(1900, 2, 10))).number, Jdn(1900, 2, 28));
    for (int y : {1600, 1700, 0, -1, -100, -400})
        EXPECT_EQ(DatIsLeap(kCompanion, D(Jdn(y, 6, 1))), GregorianLeap(y)) << y;
    // A month number outside 1..12 keeps its day (a calendar that never folds).
    static const Calendar unfolded{[](int y, int m, int d) { return y * 1000 + m * 40 + d; },
                                   [](std::int32_t, int* y, int* m, int* d) {
                                       *y = 7, *m = 13, *d = 5;
                                       return true;
                                   },
                                   &KnlEaster};
    EXPECT_EQ(DatEom(unfolded, D(1)).number, 7000 + 13 * 40 + 5);
    const int days[14] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
    for (int m = 0; m <= 13; ++m) EXPECT_EQ(DatNumberOfDays(m), days[m]) << m;
    EXPECT_EQ(DatNumberOfDays(std::numeric_limits<std::int32_t>::min()), 0);
    EXPECT_EQ(DatBoomerang(D(Jdn(2000, 3, 1))).number, Jdn(2000, 2, 29));
    EXPECT_EQ(DatBoomerang(D(2440588.25)).number, 2440587.25) << "the fraction stays";
    EXPECT_EQ(DatNum(D(2440588.5)), 2440588.5);
}

// Gauss's Easter formula with the Gregorian century terms and its two
// exceptions: a second computation, independent of the companion's.
void GaussEaster(int year, int* month, int* day) {
    const int k = year / 100, p = (13 + 8 * k) / 25, q = k / 4;
    const int bigM = (15 - p + k - q) % 30, bigN = (4 + k - q) % 7;
    const int a = year % 19, b = year % 4, c = year % 7;
    const int d = (19 * a + bigM) % 30, e = (2 * b + 4 * c + 6 * d + bigN) % 7;
    int march = 22 + d + e;
    if (d == 29 && e == 6) march = 50;                                    // 19 April
    if (d == 28 && e == 6 && (11 * bigM + 11) % 30 < 19) march = 49;      // 18 April
    *month = march > 31 ? 4 : 3;
    *day = march > 31 ? march - 31 : march;
}

TEST(CalendarDates, EasterOverCenturies) {
    for (int y = 1583; y <= 4099; ++y) {
        int m = 0, d = 0;
        GaussEaster(y, &m, &d);
        // Any day of the year gives its Easter.
        ASSERT_EQ(DatEaster(kCompanion, D(Jdn(y, 11, 30))).number, Jdn(y, m, d)) << y;
    }
    EXPECT_EQ(DatEaster(kCompanion, D(Jdn(2000, 1, 1))).number, Jdn(2000, 4, 23));
    EXPECT_EQ(DatEaster(kCompanion, D(Jdn(2024, 12, 31))).number, Jdn(2024, 3, 31));
}

TEST(CalendarDates, NormalizeAndStamp) {
    const std::pair<Ymd, Ymd> folds[] = {
        {{1999, 13, 1}, {2000, 1, 1}}, {{2000, 0, 0}, {1999, 11, 30}}, {{2001, 2, 29}, {2001, 3, 1}}};
    for (auto [in, out] : folds) {
        Ymd d = in;
        EXPECT_EQ(NormalizeYmd(kCompanion, &d), Jdn(out.year, out.month, out.day));
        EXPECT_EQ(std::tie(d.year, d.month, d.day), std::tie(out.year, out.month, out.day));
    }
    EXPECT_EQ(DateTimeStamp(1999, 2, 3, 9, 5, 0), "1999-02-03  09:05:00");
    EXPECT_EQ(DateTimeStamp(999, 12, 31, 23, 59, 59), "999-12-31  23:59:59");
}

// Numbers that are no day of the host's range, and no companion at all.
TEST(CalendarDates, AnyNumberAndNoCompanion) {
    const std::pair<double, std::int32_t> numbers[] = {
        {2.9, 2}, {-2.9, -2}, {NAN, 0}, {INFINITY, std::numeric_limits<std::int32_t>::max()},
        {-1e300, std::numeric_limits<std::int32_t>::min()}};
    for (auto [n, day] : numbers) EXPECT_EQ(Truncate32(n), day) << n;
    for (double n : {-1e300, -2147483648.0, 2147483647.0, 1e300, double(NAN)}) {
        EXPECT_GE(DatMonth(kCompanion, D(n)), 1);
        EXPECT_LE(DatEom(kCompanion, D(n)).number, 2147483647.0);
        DatIsLeap(kCompanion, D(n));
        DatEaster(kCompanion, D(n));
    }
    EXPECT_EQ(DatYear(kMissing, D(2451545)), 0);
    EXPECT_EQ(DatEaster(kMissing, D(2451545)).number, 0);
    Ymd d{1999, 13, 1};
    EXPECT_EQ(NormalizeYmd(kMissing, &d), 0);
    EXPECT_EQ(d.month, 13) << "fields left as they were";
}

}  // namespace
}  // namespace tarvo
