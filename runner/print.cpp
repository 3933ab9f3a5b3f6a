#include "runner/print.h"

#include <cmath>
#include <cstdio>

namespace tarvo::run {

long DayNumber(int y, int m, int d) {
    long a = (14 - m) / 12;
    long yy = y + 4800 - a;
    long mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

void CivilDate(long jdn, int* y, int* m, int* d) {
    long a = jdn + 32044;
    long b = (4 * a + 3) / 146097;
    long c = a - 146097 * b / 4;
    long dd = (4 * c + 3) / 1461;
    long e = c - 1461 * dd / 4;
    long mm = (5 * e + 2) / 153;
    *d = static_cast<int>(e - (153 * mm + 2) / 5 + 1);
    *m = static_cast<int>(mm + 3 - 12 * (mm / 10));
    *y = static_cast<int>(100 * b + dd - 4800 + mm / 10);
}

std::string Display(const Value& v) {
    char buf[64];
    switch (v.type) {
    case 'C':
    case 'M':
        return v.text;
    case 'N':
        std::snprintf(buf, sizeof buf, "%.*f", v.decimals < 0 ? 0 : v.decimals, v.number);
        return buf;
    case 'I':
        return std::to_string(v.integer);
    case 'L':
        return v.logical ? ".T." : ".F.";
    case 'D':
    case 'T': {
        if (v.number == 0) return v.type == 'D' ? "  /  /    " : "  /  /       :  :  ";
        long day = static_cast<long>(std::floor(v.number));
        int y, m, d;
        CivilDate(day, &y, &m, &d);
        if (v.type == 'D') {
            std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
        } else {
            long secs = std::lround((v.number - day) * 86400.0);
            std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02ld:%02ld:%02ld", y, m, d,
                          secs / 3600, secs / 60 % 60, secs % 60);
        }
        return buf;
    }
    case 'Y':
        std::snprintf(buf, sizeof buf, "%.4f", static_cast<double>(v.currency) / 10000.0);
        return buf;
    case '0':
        return ".NULL.";
    default:
        return std::string("(") + v.type + ")";
    }
}

}  // namespace tarvo::run
