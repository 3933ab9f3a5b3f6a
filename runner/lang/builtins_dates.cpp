// Built-in functions: dates and times.
#include <windows.h>

#include <cmath>
#include <cstdio>

#include "runner/lang/builtins.h"
#include "runner/print.h"

namespace tarvo::run::lang {
namespace {

Value Today() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return Value::Date(MakeDate(t.wYear, t.wMonth, t.wDay));
}

Value Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return Value::DateTime(MakeDate(t.wYear, t.wMonth, t.wDay) +
                           (t.wHour * 3600 + t.wMinute * 60 + t.wSecond) / 86400.0);
}

void Civil(double day, int* y, int* m, int* d) {
    if (day == 0) {
        *y = *m = *d = 0;
        return;
    }
    CivilDate(static_cast<long>(std::floor(day)), y, m, d);
}

const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

int DayOfWeek(double day) {  // 1 = Sunday
    long jdn = static_cast<long>(std::floor(day));
    return static_cast<int>((jdn + 1) % 7) + 1;
}

const Builtin kTable[] = {
    {"DATE", 0, 3, [](Args& a) {
         if (a.size() == 0) return Today();
         if (a.size() != 3) Raise(kErrTooFew);
         double d = MakeDate(a.Int(0), a.Int(1), a.Int(2));
         if (d == 0) Raise(kErrArgument);
         return Value::Date(d);
     }},
    {"DATETIME", 0, 6, [](Args& a) {
         if (a.size() == 0) return Now();
         if (a.size() < 3) Raise(kErrTooFew);
         double d = MakeDate(a.Int(0), a.Int(1), a.Int(2));
         long h = a.Has(3) ? a.Int(3) : 0, mi = a.Has(4) ? a.Int(4) : 0, s = a.Has(5) ? a.Int(5) : 0;
         if (d == 0 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) Raise(kErrArgument);
         return Value::DateTime(d + (h * 3600 + mi * 60 + s) / 86400.0);
     }},
    {"YEAR", 1, 1, [](Args& a) { int y, m, d; Civil(a.When(0), &y, &m, &d); return N(y); }},
    {"MONTH", 1, 1, [](Args& a) { int y, m, d; Civil(a.When(0), &y, &m, &d); return N(m); }},
    {"DAY", 1, 1, [](Args& a) { int y, m, d; Civil(a.When(0), &y, &m, &d); return N(d); }},
    // DOW(d, n): the day counted from first day n (1 Sunday ... 7 Saturday;
    // 0 the SET FDOW day, Sunday).
    {"DOW", 1, 2, [](Args& a) {
         double d = a.When(0);
         long first = a.Has(1) ? a.Int(1) : 1;
         if (first < 0 || first > 7) Raise(kErrArgument);
         if (first == 0) first = 1;
         return N(d == 0 ? 0 : (DayOfWeek(d) - first + 7) % 7 + 1);
     }},
    {"CDOW", 1, 1, [](Args& a) { double d = a.When(0); return C(d == 0 ? "" : kDays[DayOfWeek(d) - 1]); }},
    {"CMONTH", 1, 1, [](Args& a) {
         int y, m, d;
         Civil(a.When(0), &y, &m, &d);
         return C(m == 0 ? "" : kMonths[m - 1]);
     }},
    {"DTOS", 1, 1, [](Args& a) {
         int y, m, d;
         Civil(a.When(0), &y, &m, &d);
         if (y == 0) return C("        ");
         char buf[16];
         std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, m, d);
         return C(buf);
     }},
    {"DTOC", 1, 2, [](Args& a) {
         double d = std::floor(a.When(0));
         if (a.Has(1) && a.Int(1) != 1) Raise(kErrArgument);
         if (a.Has(1)) {
             int y, m, dd;
             Civil(d, &y, &m, &dd);
             if (y == 0) return C("        ");
             char buf[16];
             std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, m, dd);
             return C(buf);
         }
         return C(DateText(d, a.in.settings()));
     }},
    {"TTOC", 1, 2, [](Args& a) {
         char type;
         double t = a.When(0, &type);
         long mode = a.Has(1) ? a.Int(1) : 0;
         if (mode == 0) return C(DateTimeText(t, a.in.settings()));
         long day;
         int secs;
         SplitDateTime(t, &day, &secs);
         int y = 0, m = 0, d = 0;
         if (t != 0) CivilDate(day, &y, &m, &d);
         char buf[40];
         if (mode == 1) {
             if (t == 0) return C("              ");
             std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", y, m, d, secs / 3600, secs / 60 % 60, secs % 60);
         } else if (mode == 2) {
             return C(TimeText(secs, a.in.settings()));
         } else if (mode == 3) {
             if (t == 0) return C("");
             std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", y, m, d, secs / 3600, secs / 60 % 60, secs % 60);
         } else {
             Raise(kErrArgument);
         }
         return C(buf);
     }},
    {"DTOT", 1, 1, [](Args& a) { return Value::DateTime(std::floor(a.When(0))); }},
    {"TTOD", 1, 1, [](Args& a) { return Value::Date(std::floor(a.When(0))); }},
    {"HOUR", 1, 1, [](Args& a) { long d; int s; SplitDateTime(a.When(0), &d, &s); return N(s / 3600); }},
    {"MINUTE", 1, 1, [](Args& a) { long d; int s; SplitDateTime(a.When(0), &d, &s); return N(s / 60 % 60); }},
    {"SEC", 1, 1, [](Args& a) { long d; int s; SplitDateTime(a.When(0), &d, &s); return N(s % 60); }},
    {"SECONDS", 0, 0, [](Args&) {
         SYSTEMTIME t;
         GetLocalTime(&t);
         return N(t.wHour * 3600 + t.wMinute * 60 + t.wSecond + t.wMilliseconds / 1000.0, 3);
     }},
    // TIME(n): with any number (or logical) the hundredths of a second too.
    {"TIME", 0, 1, [](Args& a) {
         bool hundredths = a.Has(0);
         if (hundredths && !IsNumber(a[0]) && a[0].type != 'L') Raise(kErrArgument);
         SYSTEMTIME t;
         GetLocalTime(&t);
         char buf[24];
         std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
         if (hundredths) std::snprintf(buf + 8, sizeof buf - 8, ".%02d", t.wMilliseconds / 10);
         return C(buf);
     }},
    {"CTOD", 1, 1, [](Args& a) {
         double d;
         if (!ReadDate(a.Text(0), a.in.settings(), &d)) d = 0;
         return Value::Date(d);
     }},
    {"GOMONTH", 2, 2, [](Args& a) {
         char type;
         double when = a.When(0, &type);
         long n = a.Int(1);
         if (when == 0) return Value::Date(0);
         int y, m, d;
         CivilDate(static_cast<long>(std::floor(when)), &y, &m, &d);
         long months = static_cast<long>(y) * 12 + (m - 1) + n;
         long ny = months / 12, nm = months % 12 + 1;
         double r = 0;
         for (int dd = d; dd >= 28 && r == 0; --dd) r = MakeDate(ny, nm, dd);
         if (r == 0) r = MakeDate(ny, nm, d);
         if (r == 0) Raise(kErrArgument);
         return type == 'T' ? Value::DateTime(r + (when - std::floor(when))) : Value::Date(r);
     }},
};

}  // namespace

std::span<const Builtin> DateBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
