#include "runner/print.h"

#include <cmath>
#include <cstdio>

#include "kernel/calendar.h"

namespace tarvo::run {

long DayNumber(int y, int m, int d) { return knl::YmdToJdn(y, m, d); }

void CivilDate(long jdn, int* y, int* m, int* d) {
    knl::JdnToYmd(static_cast<std::int32_t>(jdn), y, m, d);
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
