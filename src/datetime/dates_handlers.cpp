// The calendar dates in the function table. The arithmetic is in
// datetime/calendar_dates.h over the companion's day-number routines; the
// handlers here add the local clock and the variables passed by reference.
#include <windows.h>

#include "datetime/calendar_dates.h"
#include "host/companion.h"
#include "host/declare.h"

namespace tarvo {
namespace {

const Calendar& CompanionCalendar() {
    static const Calendar companion{&YmdToJdn, &JdnToYmd, &Easter};
    return companion;
}

// DAT_DATETIME: the stamp of the local time.
std::string DatDateTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return DateTimeStamp(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

// DAT_YMD(date, @year, @month, @day): each variable gets its field as a
// number, in that order.
void DatYmd(Day date, Ref year, Ref month, Ref day) {
    const Ymd d = SplitDay(CompanionCalendar(), DayOf(date));
    year.StoreNumber(d.year);
    month.StoreNumber(d.month);
    day.StoreNumber(d.day);
}

// DAT_TEST(@year, @month, @day): the three values (truncated), their day
// number, and the normalised fields stored back.
std::int32_t DatTest(Ref year, Ref month, Ref day) {
    LoadedVariable y(year), m(month), d(day);
    Ymd date{Truncate32(y.value.number), Truncate32(m.value.number), Truncate32(d.value.number)};
    const std::int32_t n = NormalizeYmd(CompanionCalendar(), &date);
    y.StoreNumber(date.year);
    m.StoreNumber(date.month);
    d.StoreNumber(date.day);
    return n;
}

constexpr RowSpec kRows[] = {
#include "datetime/dates_rows.h"
};

}  // namespace

Family DateFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
