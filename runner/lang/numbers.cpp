// Numbers as text and rounding, by the host's rules.
//
// A double holds about 16 significant decimal digits, and the host shows no
// more: digits after the 16th are zeros. Rounding is half away from zero on
// the decimal the double stands for, so 2.675 (whose double lies just
// below) rounds to 2.68, while 50000000000000 stays exactly what it is.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runner/lang/ops.h"

namespace tarvo::run::lang {
namespace {

// The first `count` significant digits of ax > 0, correctly rounded, and
// the exponent of the first: ax ~ d1.d2d3... * 10^exponent.
void Significant(double ax, int count, std::string* digits, int* exponent) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*e", count - 1, ax);  // "d.ddd...e+XX"
    digits->assign(1, buf[0]);
    digits->append(buf + 2, static_cast<std::size_t>(count - 1));
    *exponent = std::atoi(std::strchr(buf, 'e') + 1);
}

// Adds one unit in the last place of a digit string ("199" -> "200",
// "99" -> "100"; "" -> "1").
void Increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// ax * 10^d rounded half away from zero to a whole number, as its decimal
// digits ("0" for zero); ax >= 0 and finite. At most 16 significant digits
// are kept. A value rounded at its 15th digit or before rounds up when it
// is at or above the double nearest to the halfway decimal: 2.675 (stored
// as 2.67499999999999982...) is the double of "2.675" and rounds to 2.68.
std::string ScaledDigits(double ax, int d) {
    if (ax == 0) return "0";
    if (d >= 0 && ax < 1e15 && ax == std::floor(ax))  // a whole number: exact as it is
        return std::to_string(static_cast<unsigned long long>(ax)) + std::string(static_cast<std::size_t>(d), '0');
    std::string digits;
    int exponent;
    Significant(ax, 17, &digits, &exponent);
    long shift = static_cast<long>(exponent) - 16 + d;  // ax * 10^d = digits * 10^shift
    if (shift >= -1) {  // 16 digits or more before the point: nothing but the 16 digits
        Significant(ax, 16, &digits, &exponent);
        return digits + std::string(static_cast<std::size_t>(shift + 1), '0');
    }
    long kept = 17 + shift;
    if (kept < 0) return "0";
    std::string whole = digits.substr(0, static_cast<std::size_t>(kept));
    std::string half = whole + "5e" + std::to_string(exponent - kept);
    if (ax >= std::strtod(half.c_str(), nullptr)) Increment(whole);
    return whole.empty() ? "0" : whole;
}

std::size_t WholeDigits(const std::string& fixed) {
    std::size_t end = fixed.find('.');
    if (end == std::string::npos) end = fixed.size();
    return fixed[0] == '-' ? end - 1 : end;
}

}  // namespace

std::string Fixed(double x, int d) {
    d = std::clamp(d, 0, 18);
    if (!std::isfinite(x)) return "*";
    std::string k = ScaledDigits(std::fabs(x), d);
    bool zero = k == "0";
    std::size_t places = static_cast<std::size_t>(d);
    if (k.size() <= places) k.insert(0, places + 1 - k.size(), '0');
    std::string s = places ? k.substr(0, k.size() - places) + "." + k.substr(k.size() - places) : k;
    return x < 0 && !zero ? "-" + s : s;  // never "-0.00"
}

std::string Scientific(double x, int decimals) {
    decimals = std::clamp(decimals, 0, 15);
    if (!std::isfinite(x)) return "*";
    std::string digits = std::string(16, '0');
    int exponent = 0;
    if (x != 0) Significant(std::fabs(x), 16, &digits, &exponent);
    std::string kept = digits.substr(0, static_cast<std::size_t>(decimals) + 1);
    if (decimals < 15 && digits[static_cast<std::size_t>(decimals) + 1] >= '5') Increment(kept);
    if (kept.size() > static_cast<std::size_t>(decimals) + 1) {  // 9.99 became 10.00
        kept.pop_back();
        ++exponent;
    }
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    std::string s = x < 0 ? "-" : "";
    s += kept[0];
    if (decimals) {
        s += '.';
        s.append(kept, 1, std::string::npos);
    }
    return s + exp;
}

std::string NumberText(double x, int d) {
    std::string s = Fixed(x, d);
    if (s != "*" && WholeDigits(s) > kWidestNumber) return Scientific(x, 13);
    return s;
}

std::string StrText(double x, long len, long dec, bool integer) {
    std::size_t width = static_cast<std::size_t>(len);
    auto padded = [&](const std::string& s) { return std::string(width - s.size(), ' ') + s; };
    if (dec < 0) dec = 0;
    std::string s = Fixed(x, static_cast<int>(dec));
    // Too wide: fewer decimals first.
    while (s.size() > width && dec > 0) s = Fixed(x, static_cast<int>(--dec));
    if (s.size() <= width) return padded(s);
    // The whole part does not fit: an integer, or a value with a fraction,
    // overflows; any other number goes to scientific notation if it fits.
    if (!integer && x == std::trunc(x)) {
        for (int m = 15; m >= 0; --m) {
            std::string e = Scientific(x, m);
            if (e.size() <= width) return padded(e);
        }
    }
    return std::string(width, '*');
}

double RoundHalfAway(double x, int d) {
    d = std::clamp(d, -18, 18);
    if (!std::isfinite(x) || x == 0) return x;
    std::string k = ScaledDigits(std::fabs(x), d) + "e" + std::to_string(-d);
    double r = std::strtod(k.c_str(), nullptr);
    return x < 0 ? -r : r;
}

std::string CurrencyText(std::int64_t scaled) {
    std::uint64_t a = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%llu.%04llu", scaled < 0 ? "-" : "",
                  static_cast<unsigned long long>(a / 10000), static_cast<unsigned long long>(a % 10000));
    return buf;
}

}  // namespace tarvo::run::lang
