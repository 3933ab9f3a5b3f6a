// Plain text forms of host values for the runner's own output.
#pragma once

#include <string>

#include "runner/value.h"

namespace tarvo::run {

// C as is; N with its decimals; I; L as .T./.F.; D as yyyy-mm-dd; T as
// yyyy-mm-dd hh:mm:ss; Y with four decimals; null as .NULL.
std::string Display(const Value& v);
// Day number (Julian day number) to and from a Gregorian date, by the same
// calendar as the companion library's.
long DayNumber(int y, int m, int d);
void CivilDate(long dayNumber, int* y, int* m, int* d);

}  // namespace tarvo::run
