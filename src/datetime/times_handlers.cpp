// Time values in the function table. The arithmetic and the texts are in
// datetime/times.h; the handlers add the system's clock and zone, the stored
// time format and the variables passed by reference.
//
// TIM_SETFORMAT keeps formats of any length, and TIM_USERTIME's text is as
// long as the format makes it.
#include <windows.h>

#include <string>

#include "datetime/calendar_dates.h"
#include "datetime/clock.h"
#include "datetime/times.h"
#include "host/declare.h"

namespace tarvo {
namespace {

std::string g_format;  // TIM_SETFORMAT, empty at load

void TimSetFormat(const char* format) { g_format = format; }

std::string TimUserTime(std::int32_t seconds) {
    const Zone& zone = SystemZone();
    const bool named = g_format.find_first_of("zZ") != std::string::npos;
    return FormatTime(g_format, LocalTime(zone, seconds), named ? zone.nameAt(seconds) : "");
}

std::int32_t SysGetTickCount() { return static_cast<std::int32_t>(GetTickCount()); }

// TIM_SETSYSTEMTIME(clock): the UTC time of day replaced by the text's
// fields; Windows refuses values outside the clock's ranges.
void TimSetSystemTime(const char* clock) {
    const ClockFields f = SplitClockText(clock);
    SYSTEMTIME t;
    GetSystemTime(&t);
    t.wHour = static_cast<WORD>(f.hours);
    t.wMinute = static_cast<WORD>(f.minutes);
    t.wSecond = static_cast<WORD>(f.seconds);
    SetSystemTime(&t);
}

// TIM_SPLIT(milliseconds, @hours, @minutes, @seconds, @milliseconds).
void TimSplit(double count, Ref hours, Ref minutes, Ref seconds, Ref milliseconds) {
    const SplitCount s = SplitMilliseconds(Truncate32(count));
    hours.StoreNumber(s.hours);
    minutes.StoreNumber(s.minutes);
    seconds.StoreNumber(s.seconds);
    milliseconds.StoreNumber(s.milliseconds);
}

constexpr RowSpec kRows[] = {
#include "datetime/times_rows.h"
};

}  // namespace

Family TimeFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
