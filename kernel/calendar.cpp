#include "kernel/calendar.h"

#include <limits>

namespace knl {
namespace {

// Division and remainder rounding towards minus infinity, so that negative
// years and months behave like positive ones.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

constexpr std::int64_t kJdnOf1970 = 2440588;

// Days from 1 January 1970 to year/month/day, month 1 to 12 and any day.
// The year is counted from March so that the leap day falls at its end.
constexpr std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;                                // 0 .. 399
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // from 1 March
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;       // 0 .. 146096 for valid days
    return era * 146097 + doe - 719468;
}

}  // namespace

std::int32_t YmdToJdn(int year, int month, int day) {
    const std::int64_t m0 = static_cast<std::int64_t>(month) - 1;
    const std::int64_t y = static_cast<std::int64_t>(year) + FloorDiv(m0, 12);
    const std::int64_t m = FloorMod(m0, 12) + 1;
    const std::int64_t jdn = DaysFromCivil(y, m, day) + kJdnOf1970;
    if (jdn > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (jdn < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(jdn);
}

void JdnToYmd(std::int32_t jdn, int* year, int* month, int* day) {
    const std::int64_t z = static_cast<std::int64_t>(jdn) - kJdnOf1970 + 719468;  // days from 1 March 0
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;                                    // 0 .. 146096
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // 0 .. 399
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // 0 .. 365
    const std::int64_t mp = (5 * doy + 2) / 153;                                  // 0 = March
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2);
    // A 32-bit day number spans fewer than six million years: y fits an int.
    if (year) *year = static_cast<int>(y);
    if (month) *month = static_cast<int>(m);
    if (day) *day = static_cast<int>(d);
}

void EasterDate(int year, int* month, int* day) {
    // The anonymous Gregorian algorithm (Meeus, "Astronomical Algorithms"),
    // with floor arithmetic so that it is defined for every year.
    const std::int64_t y = year;
    const std::int64_t a = FloorMod(y, 19);
    const std::int64_t b = FloorDiv(y, 100);
    const std::int64_t c = FloorMod(y, 100);
    const std::int64_t d = FloorDiv(b, 4);
    const std::int64_t e = FloorMod(b, 4);
    const std::int64_t f = FloorDiv(b + 8, 25);
    const std::int64_t g = FloorDiv(b - f + 1, 3);
    const std::int64_t h = FloorMod(19 * a + b - d - g + 15, 30);
    const std::int64_t i = c / 4;
    const std::int64_t k = c % 4;
    const std::int64_t l = FloorMod(32 + 2 * e + 2 * i - h - k, 7);
    const std::int64_t m = (a + 11 * h + 22 * l) / 451;
    const std::int64_t n = h + l - 7 * m + 114;
    if (month) *month = static_cast<int>(n / 31);
    if (day) *day = static_cast<int>(n % 31 + 1);
}

}  // namespace knl
