// Time values: Unix seconds (seconds since 1 January 1970 00:00 UTC), times
// of day, millisecond counts and their texts.
//
// Results in Unix seconds are 32-bit, like the counts the host passes: a
// moment outside 1901-12-13 .. 2038-01-19 wraps around as the 32-bit count
// does. SplitSeconds and LocalTime split every count; the texts of TIM_GMT,
// TIM_LOCALT and TIM_CTIME follow the C runtime the library is built
// against (msvcrt), which gives no broken-down time for a moment before 1970
// (negative seconds): such a moment answers the empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// The local zone as the system keeps it.
struct Zone {
    std::int64_t (*now)();                          // the current Unix seconds
    std::int64_t (*offsetAt)(std::int64_t utc);     // local time minus UTC at that moment, seconds
    std::string (*nameAt)(std::int64_t utc);        // the zone's name at that moment
};

// A zone's rules as Windows describes them (TIME_ZONE_INFORMATION): UTC is
// local time plus a bias in minutes, the standard or the daylight one added,
// and daylight saving time runs from one transition to the other each year.
struct ZoneTransition {
    int year = 0;     // 0: every year, on the week-th weekday of the month
    int month = 0;    // 0: the zone keeps no daylight saving time
    int weekday = 0;  // 0 = Sunday
    int day = 0;      // week 1 to 5 (5: the last) or, with a year, the day of the month
    int hour = 0;
    int minute = 0;
    int second = 0;
};
struct ZoneRules {
    int bias = 0;          // minutes
    int standardBias = 0;  // minutes added in standard time
    int daylightBias = 0;  // minutes added in daylight saving time
    ZoneTransition standardDate;  // the change to standard time, in local daylight time
    ZoneTransition daylightDate;  // the change to daylight time, in local standard time
    std::string standardName;
    std::string daylightName;
};
// Whether daylight saving time is in force at a moment, and the offset
// (local time minus UTC, seconds) then.
bool DaylightAt(const ZoneRules& zone, std::int64_t utc);
std::int64_t RuleOffsetAt(const ZoneRules& zone, std::int64_t utc);

// A moment split into its calendar fields (proleptic Gregorian).
struct BrokenDown {
    int year = 1970;
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;  // 0 = Sunday
    int yearDay = 0;  // 0 = 1 January
};

BrokenDown SplitSeconds(std::int64_t seconds);
BrokenDown LocalTime(const Zone& zone, std::int64_t utc);

// A 64-bit count made a 32-bit one (two's complement, as 32-bit arithmetic
// wraps).
std::int32_t Wrap32(std::int64_t value);

// The local zone's offset in force now, in whole hours to add to local time
// to get UTC: the UTC hour minus the local hour, 24 more when the UTC date is
// later than the local one and 24 less when it is earlier.
int ZoneHoursNow(const Zone& zone);

// Local midnight of a host date, plus `seconds`, in Unix seconds: with d the
// day number minus 2440588 (truncated toward zero), (d * 24 + z) * 3600 +
// seconds, z from ZoneHoursNow: the offset in force now, not on the date.
std::int32_t DateToUnixSeconds(double dayNumber, std::int32_t seconds, int zoneHours);

// TIM_GETNUMBEROFDAYS: date 1 minus date 2 in days, truncated toward zero.
std::int32_t TimGetNumberOfDays(Day first, Day second);
// TIM_MAKETIME: DateToUnixSeconds of the date and the seconds (0 when absent).
std::int32_t TimMakeTime(const Zone& zone, Day date, Opt<std::int32_t> seconds);
// TIM_NEXTDAY: Unix seconds of local midnight of the next day after the date
// that falls on `weekday` (1 = Sunday .. 7 = Saturday). A date on that
// weekday gives the same weekday a week later. The weekday of the date is
// read from the local time of its midnight at that moment, so when the zone's
// offset then differs from the offset now, that midnight may fall on the day
// before. A weekday outside 1..7 moves by weekday - w (plus 7 when that is
// negative, modulo 7 when above 7) days.
std::int32_t TimNextDay(const Zone& zone, Day date, std::int32_t weekday);

// The clock text's three fields: the characters at positions 1-2, 4-5 and
// 7-8 (whatever stands between them), each read as the runtime's atoi reads
// it; characters past the end of the text count as absent.
struct ClockFields {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};
ClockFields SplitClockText(std::string_view text);
// TIM_MAKESECONDS: hh * 3600 + mm * 60 + ss.
std::int32_t TimMakeSeconds(std::string_view clock);

// TIM_TIME: the current Unix seconds.
std::int32_t TimTime(const Zone& zone);

// hh:mm:ss of a moment's fields.
std::string ClockText(const BrokenDown& t);
// Whether the C runtime (msvcrt's gmtime and localtime) gives a broken-down
// time for a moment: not before 1970, so not for negative seconds.
bool RuntimeSplits(std::int32_t seconds);
// TIM_GMT / TIM_LOCALT: the UTC / local time of day of a moment; empty when
// the runtime gives no broken-down time for it.
std::string TimGmt(std::int32_t seconds);
std::string TimLocalt(const Zone& zone, std::int32_t seconds);
// TIM_CTIME: "Thu Jan 01 00:00:00 1970" of the local time: day and month
// names in English, the day of the month in two digits, 24 characters;
// empty when the runtime gives no broken-down time for the moment.
std::string TimCtime(const Zone& zone, std::int32_t seconds);

// The runtime's strftime of a moment's fields, in the "C" locale: %a %A %b
// %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y %z %Z %%; `#` after `%`
// drops leading zeros of numbers and makes %c and %x long (day and month
// names). %z and %Z give the zone's name. Any other character after `%` is
// copied with its `%`. The text is as long as it needs to be.
std::string FormatTime(std::string_view format, const BrokenDown& t, std::string_view zoneName);

// The millisecond count of a host number: truncated to 32 bits (at most 596
// hours), as Truncate32 does.
struct SplitCount {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t milliseconds = 0;
};
// Integer divisions truncating toward zero: a negative count gives negative
// fields.
SplitCount SplitMilliseconds(std::int32_t count);

// TIM_FORMAT: hh:mm:ss.mmm. Hours, minutes and seconds get a "0" before a
// value below 10 (hours may have three digits); milliseconds get zeros on
// the left up to three characters. A negative count writes its negative
// fields the same way: -3723004 gives 0-1:0-2:0-3.0-4.
std::string TimFormat(double milliseconds);

// STR_MAKETIME: a count of seconds as hh:mm:ss, or by `part` 1 ss, 2 mm,
// 3 hh, 4 mm:ss, 5 hh:mm (any other part, or none: hh:mm:ss). Fields get a
// "0" before a value below 10; hours take as many digits as they need.
std::string StrMakeTime(std::int32_t seconds, Opt<std::int32_t> part);

}  // namespace tarvo
