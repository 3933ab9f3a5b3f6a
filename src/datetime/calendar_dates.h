// Calendar dates: the parts of a host date and the dates derived from it.
//
// A host date is a day number (a Julian day number: 2440588 is 1 January
// 1970). Every conversion between day numbers and year/month/day goes
// through a Calendar: in the library the companion's routines
// (host/companion.h), so that the calendar rules lie with the companion.
// When the companion is missing its routines answer 0 and leave the fields
// at 0, and the functions below pass that on.
#pragma once

#include <cstdint>
#include <string>

#include "host/args.h"

namespace tarvo {

struct Calendar {
    std::int32_t (*toJdn)(int year, int month, int day);
    bool (*toYmd)(std::int32_t jdn, int* year, int* month, int* day);
    bool (*easter)(int year, int* month, int* day);
};

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A host number made a 32-bit integer the way the handlers take day numbers
// and counts: truncated toward zero; beyond the 32-bit range clamped to it;
// NaN counts as 0.
std::int32_t Truncate32(double value);

// The day number a date handler works on: the record's number, truncated.
inline std::int32_t DayOf(Day date) { return Truncate32(date.number); }

Ymd SplitDay(const Calendar& cal, std::int32_t jdn);

int DatYear(const Calendar& cal, Day date);
int DatMonth(const Calendar& cal, Day date);
int DatDay(const Calendar& cal, Day date);

double DatNum(Day date);

Day DatBoy(const Calendar& cal, Day date);
Day DatEoy(const Calendar& cal, Day date);
Day DatBom(const Calendar& cal, Day date);
Day DatEom(const Calendar& cal, Day date);

// Asks the calendar itself: 31 December lies 365 days after 1 January.
bool LeapYear(const Calendar& cal, int year);
bool DatIsLeap(const Calendar& cal, Day date);

Day DatEaster(const Calendar& cal, Day date);

// 1.0 is taken from the number as it is, fraction and all.
Day DatBoomerang(Day date);

std::int32_t DatNumberOfDays(std::int32_t month);

// DAT_TEST's arithmetic: a round trip through the day number, so that the
// calendar folds out-of-range months and days.
std::int32_t NormalizeYmd(const Calendar& cal, Ymd* date);

// The stamp of DAT_DATETIME and of messages; every field but the year is
// written as its last two digits.
std::string DateTimeStamp(int year, int month, int day, int hour, int minute, int second);

}  // namespace tarvo
