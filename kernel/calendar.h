// Calendar arithmetic on Julian day numbers: the day numbering the host uses
// for its dates (day 2440588 is 1 January 1970, day 0 is 24 November of the
// year -4713 in the proleptic Gregorian calendar).
//
// Years are astronomical: year 0 is the year before 1, -1 the year before
// that. The Gregorian rules are applied to every year (no Julian calendar
// before 1582).
#pragma once

#include <cstdint>

namespace knl {

// Day number of year/month/day. Out-of-range fields are not refused: a month
// below 1 or above 12 moves into the neighbouring years (month 13 of 1999 is
// January 2000, month 0 is December of the year before) and the day is simply
// added to the first of the month minus one (day 0 is the last day of the
// month before, day 32 of January is 1 February). Results outside the 32-bit
// range are clamped to it.
std::int32_t YmdToJdn(int year, int month, int day);

// The date of a day number; every 32-bit day number has one.
void JdnToYmd(std::int32_t jdn, int* year, int* month, int* day);

// Easter Sunday of a year by the Gregorian computus: month 3 or 4 and its day.
void EasterDate(int year, int* month, int* day);

}  // namespace knl
