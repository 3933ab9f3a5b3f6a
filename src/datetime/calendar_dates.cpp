#include "datetime/calendar_dates.h"

#include <cmath>
#include <limits>

namespace tarvo {

std::int32_t Truncate32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);  // truncates toward zero
}

Ymd SplitDay(const Calendar& cal, std::int32_t jdn) {
    Ymd d;
    cal.toYmd(jdn, &d.year, &d.month, &d.day);
    return d;
}

int DatYear(const Calendar& cal, Day date) { return SplitDay(cal, DayOf(date)).year; }
int DatMonth(const Calendar& cal, Day date) { return SplitDay(cal, DayOf(date)).month; }
int DatDay(const Calendar& cal, Day date) { return SplitDay(cal, DayOf(date)).day; }

double DatNum(Day date) { return date.number; }

Day DatBoy(const Calendar& cal, Day date) {
    return {static_cast<double>(cal.toJdn(SplitDay(cal, DayOf(date)).year, 1, 1))};
}

Day DatEoy(const Calendar& cal, Day date) {
    return {static_cast<double>(cal.toJdn(SplitDay(cal, DayOf(date)).year, 12, 31))};
}

Day DatBom(const Calendar& cal, Day date) {
    const Ymd d = SplitDay(cal, DayOf(date));
    return {static_cast<double>(cal.toJdn(d.year, d.month, 1))};
}

bool LeapYear(const Calendar& cal, int year) {
    return static_cast<std::int64_t>(cal.toJdn(year, 12, 31)) - cal.toJdn(year, 1, 1) == 365;
}

Day DatEom(const Calendar& cal, Day date) {
    const Ymd d = SplitDay(cal, DayOf(date));
    const int days = DatNumberOfDays(d.month);  // 0: a month outside 1..12 keeps the day
    const int last = days == 0 ? d.day : d.month == 2 && LeapYear(cal, d.year) ? 29 : days;
    return {static_cast<double>(cal.toJdn(d.year, d.month, last))};
}

bool DatIsLeap(const Calendar& cal, Day date) {
    return LeapYear(cal, SplitDay(cal, DayOf(date)).year);
}

Day DatEaster(const Calendar& cal, Day date) {
    const int year = SplitDay(cal, DayOf(date)).year;
    int month = 0, day = 0;
    cal.easter(year, &month, &day);
    return {static_cast<double>(cal.toJdn(year, month, day))};
}

Day DatBoomerang(Day date) { return {date.number - 1.0}; }

std::int32_t DatNumberOfDays(std::int32_t month) {
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return 28;
    default: return 0;
    }
}

std::int32_t NormalizeYmd(const Calendar& cal, Ymd* date) {
    const std::int32_t n = cal.toJdn(date->year, date->month, date->day);
    cal.toYmd(n, &date->year, &date->month, &date->day);
    return n;
}

std::string DateTimeStamp(int year, int month, int day, int hour, int minute, int second) {
    std::string stamp = std::to_string(year);
    auto two = [&](char before, int v) {
        stamp += before;
        stamp += static_cast<char>('0' + v / 10 % 10);
        stamp += static_cast<char>('0' + v % 10);
    };
    two('-', month);
    two('-', day);
    stamp += ' ';
    two(' ', hour);
    two(':', minute);
    two(':', second);
    return stamp;
}

}  // namespace tarvo
