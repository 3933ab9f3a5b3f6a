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

std::string DatDateTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return DateTimeStamp(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

void DatYmd(Day date, Ref year, Ref month, Ref day) {
    const Ymd d = SplitDay(CompanionCalendar(), DayOf(date));
    year.StoreNumber(d.year);
    month.StoreNumber(d.month);
    day.StoreNumber(d.day);
}

// All three variables are loaded before any is stored, so one variable
// passed twice reads its old value in both places.
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
