#include "runner/lang/ops.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "runner/lang/errors.h"
#include "runner/print.h"

namespace tarvo::run::lang {
namespace {

constexpr double kFirstDay = 1721426;  // 0001-01-01
constexpr double kLastDay = 5373484;   // 9999-12-31

double AsDouble(const Value& v) { return v.asNumber(); }

Value CheckedDate(double day, char type) {
    if (day < kFirstDay || day >= kLastDay + 1) Raise(kErrBadDate);
    return type == 'D' ? Value::Date(day) : Value::DateTime(day);
}

Value Currency(double amount) {
    double scaled = std::round(amount * 10000.0);
    if (!(std::fabs(scaled) < 9.2e18)) Raise(kErrOverflow);
    return Value::Currency(static_cast<std::int64_t>(scaled));
}

struct DateOrder {
    const char* name;
    char order[4];  // "MDY", "DMY", "YMD"; "" for the Windows locale's own
    char sep;
};
const DateOrder kDateOrders[] = {
    {"AMERICAN", "MDY", '/'}, {"ANSI", "YMD", '.'},  {"BRITISH", "DMY", '/'},
    {"FRENCH", "DMY", '/'},   {"GERMAN", "DMY", '.'}, {"ITALIAN", "DMY", '-'},
    {"JAPAN", "YMD", '/'},    {"TAIWAN", "YMD", '/'}, {"USA", "MDY", '-'},
    {"MDY", "MDY", '/'},      {"DMY", "DMY", '/'},    {"YMD", "YMD", '/'},
    {"ISO", "YMD", '-'},      {"SHORT", "", 0},       {"LONG", "", 0},
};

// SHORT and LONG read dates in the order of the Windows locale's short
// date, with its separator.
DateOrder LocaleOrder(const char* name) {
    DateOrder o{name, "MDY", '/'};
    char buf[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDATE, buf, sizeof buf) > 0) {
        if (buf[0] == '1') std::memcpy(o.order, "DMY", 4);
        if (buf[0] == '2') std::memcpy(o.order, "YMD", 4);
    }
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, buf, sizeof buf) > 0 && buf[0]) o.sep = buf[0];
    return o;
}

DateOrder OrderOf(const std::string& name) {
    for (const DateOrder& o : kDateOrders)
        if (name == o.name) return o.order[0] ? o : LocaleOrder(o.name);
    return kDateOrders[0];
}

}  // namespace

int DecimalsOf(const Value& v) {
    switch (v.type) {
    case 'N': return v.decimals;
    case 'Y': return 4;
    default: return 0;
    }
}

Value Number(double n, int decimals) {
    if (!std::isfinite(n)) Raise(kErrOverflow);
    return Value::Num(n, std::clamp(decimals, 0, 18));
}

bool KnownDateFormat(const std::string& name) {
    for (const DateOrder& o : kDateOrders)
        if (name == o.name) return true;
    return false;
}

std::string DateFormatNames() {
    std::string s;
    for (const DateOrder& o : kDateOrders) s += (s.empty() ? "" : ", ") + std::string(o.name);
    return s;
}

double MakeDate(long y, long m, long d) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return 0;
    long jdn = DayNumber(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
    int cy, cm, cd;
    CivilDate(jdn, &cy, &cm, &cd);
    return cd == d ? static_cast<double>(jdn) : 0;
}

Value Negate(const Value& v) {
    switch (v.type) {
    case 'N': return Number(-v.number, v.decimals);
    case 'I': return Number(-static_cast<double>(v.integer), 0);
    case 'Y': return Value::Currency(-v.currency);
    case '0': return v;
    default: Raise(kErrOperand);
    }
}

Value Arithmetic(Op op, const Value& a, const Value& b, const Settings& s) {
    if (a.type == '0' || b.type == '0') {
        if ((a.type == '0' || IsNumber(a) || IsText(a) || a.type == 'D' || a.type == 'T') &&
            (b.type == '0' || IsNumber(b) || IsText(b) || b.type == 'D' || b.type == 'T'))
            return Value::Null();
        Raise(kErrOperand);
    }
    if (IsText(a) && IsText(b)) {
        if (op == Op::Add) {
            if (a.text.size() + b.text.size() > kMaxTextLength) Raise(kErrStringTooLong);
            return Value::Char(a.text + b.text);
        }
        if (op == Op::Sub) {
            // The blanks that end the first text move to the end of the result.
            std::size_t keep = a.text.find_last_not_of(' ');
            keep = keep == std::string::npos ? 0 : keep + 1;
            if (a.text.size() + b.text.size() > kMaxTextLength) Raise(kErrStringTooLong);
            return Value::Char(a.text.substr(0, keep) + b.text + std::string(a.text.size() - keep, ' '));
        }
        Raise(kErrOperand);
    }
    if (IsNumber(a) && IsNumber(b)) {
        double x = AsDouble(a), y = AsDouble(b);
        int da = DecimalsOf(a), db = DecimalsOf(b);
        bool currency = a.type == 'Y' || b.type == 'Y';
        double r = 0;
        int d = 0;
        switch (op) {
        case Op::Add: r = x + y; d = std::max(da, db); break;
        case Op::Sub: r = x - y; d = std::max(da, db); break;
        case Op::Mul: r = x * y; d = da + db; break;
        case Op::Div:
            if (y == 0) Raise(kErrDivZero);
            r = x / y;
            d = std::max({s.decimals, da, db});
            break;
        case Op::Mod:
            if (y == 0) Raise(kErrDivZero);
            r = std::fmod(x, y);
            if (r != 0 && ((r < 0) != (y < 0))) r += y;  // the sign of the divisor
            d = std::max(da, db);
            break;
        case Op::Pow:
            r = std::pow(x, y);
            if (std::isnan(r)) Raise(kErrOverflow);
            d = std::max({s.decimals, da, db});
            currency = false;
            break;
        default:
            Raise(kErrOperand);
        }
        if (currency) {
            if (!std::isfinite(r)) Raise(kErrOverflow);
            return Currency(r);
        }
        return Number(r, d);
    }
    bool aDate = a.type == 'D' || a.type == 'T';
    bool bDate = b.type == 'D' || b.type == 'T';
    if (aDate && IsNumber(b) && (op == Op::Add || op == Op::Sub)) {
        if (a.number == 0) return a;  // the empty date stays empty
        double n = AsDouble(b);
        if (op == Op::Sub) n = -n;
        if (a.type == 'D') return CheckedDate(a.number + std::trunc(n), 'D');
        return CheckedDate(a.number + std::round(n) / 86400.0, 'T');
    }
    if (IsNumber(a) && bDate && op == Op::Add) return Arithmetic(op, b, a, s);
    if (aDate && bDate && a.type == b.type && op == Op::Sub) {
        if (a.type == 'D') return Number(a.number - b.number, 0);
        return Number(std::round((a.number - b.number) * 86400.0), 0);
    }
    Raise(kErrOperand);
}

int CompareText(const std::string& a, const std::string& b, bool exact) {
    auto cmp = [](const std::string& x, const std::string& y) {
        std::size_t n = std::min(x.size(), y.size());
        int c = n ? std::memcmp(x.data(), y.data(), n) : 0;
        if (c) return c < 0 ? -1 : 1;
        if (x.size() == y.size()) return 0;
        return x.size() < y.size() ? -1 : 1;
    };
    if (!exact) {
        // The comparison ends with the last character of the right-hand text.
        if (a.size() >= b.size()) return cmp(a.substr(0, b.size()), b);
        return cmp(a, b);
    }
    // Trailing blanks do not count.
    std::size_t n = std::max(a.size(), b.size());
    std::string x = a + std::string(n - a.size(), ' ');
    std::string y = b + std::string(n - b.size(), ' ');
    return cmp(x, y);
}

int Order(const Value& a, const Value& b, const Settings& s) {
    auto sign = [](double d) { return d < 0 ? -1 : d > 0 ? 1 : 0; };
    if (IsText(a) && IsText(b)) return CompareText(a.text, b.text, s.exact);
    if (IsNumber(a) && IsNumber(b)) return sign(AsDouble(a) - AsDouble(b));
    if ((a.type == 'D' || a.type == 'T') && (b.type == 'D' || b.type == 'T'))
        return sign(a.number - b.number);
    if (a.type == 'L' && b.type == 'L') return static_cast<int>(a.logical) - static_cast<int>(b.logical);
    if (a.type == 'O' && b.type == 'O') return a.integer == b.integer ? 0 : 1;
    Raise(kErrOperand);
}

bool Equal(const Value& a, const Value& b, const Settings& s) { return Order(a, b, s) == 0; }

Value Compare(Op op, const Value& a, const Value& b, const Settings& s) {
    if (a.type == '0' || b.type == '0') return Value::Null();
    if (op == Op::Contains) {
        if (!IsText(a) || !IsText(b)) Raise(kErrOperand);
        return Value::Logical(b.text.find(a.text) != std::string::npos);
    }
    if (op == Op::ExactEq) {
        if (IsText(a) && IsText(b)) return Value::Logical(a.text == b.text);
        return Value::Logical(Order(a, b, s) == 0);
    }
    if ((a.type == 'L' || b.type == 'L' || a.type == 'O' || b.type == 'O') && op != Op::Eq &&
        op != Op::Ne)
        Raise(kErrOperand);
    int c = Order(a, b, s);
    switch (op) {
    case Op::Eq: return Value::Logical(c == 0);
    case Op::Ne: return Value::Logical(c != 0);
    case Op::Lt: return Value::Logical(c < 0);
    case Op::Gt: return Value::Logical(c > 0);
    case Op::Le: return Value::Logical(c <= 0);
    case Op::Ge: return Value::Logical(c >= 0);
    default: Raise(kErrOperand);
    }
}

bool Truth(const Value& v) {
    if (v.type == 'L') return v.logical;
    if (v.type == '0') return false;
    Raise(kErrDataType);
}

void SplitDateTime(double value, long* day, int* seconds) {
    double whole = std::floor(value);
    long secs = std::lround((value - whole) * 86400.0);
    long d = static_cast<long>(whole);
    if (secs >= 86400) {
        secs -= 86400;
        ++d;
    }
    *day = d;
    *seconds = static_cast<int>(secs);
}

std::string DateText(double dayNumber, const Settings& s) {
    const DateOrder o = OrderOf(s.date);
    int y = 0, m = 0, d = 0;
    bool empty = dayNumber == 0;
    if (!empty) CivilDate(static_cast<long>(std::floor(dayNumber)), &y, &m, &d);
    // SHORT and LONG: the Windows locale's short and long date, as Windows
    // writes it (SET CENTURY and SET MARK do not change it).
    if (!empty && (s.date == "SHORT" || s.date == "LONG")) {
        SYSTEMTIME st = {};
        st.wYear = static_cast<WORD>(y);
        st.wMonth = static_cast<WORD>(m);
        st.wDay = static_cast<WORD>(d);
        st.wDayOfWeek = static_cast<WORD>((static_cast<long>(std::floor(dayNumber)) + 1) % 7);
        char buf[128];
        if (GetDateFormatA(LOCALE_USER_DEFAULT, s.date == "SHORT" ? DATE_SHORTDATE : DATE_LONGDATE, &st,
                           nullptr, buf, sizeof buf) > 0)
            return buf;
    }
    // ISO writes the year in four digits always.
    const bool century = s.century || s.date == "ISO";
    std::string out;
    for (int i = 0; i < 3; ++i) {
        if (i) out += s.mark ? s.mark : o.sep;
        char part[8];
        char c = o.order[i];
        if (c == 'Y') {
            if (empty) std::snprintf(part, sizeof part, "%s", century ? "    " : "  ");
            else if (century) std::snprintf(part, sizeof part, "%04d", y);
            else std::snprintf(part, sizeof part, "%02d", y % 100);
        } else if (empty) {
            std::snprintf(part, sizeof part, "  ");
        } else {
            std::snprintf(part, sizeof part, "%02d", c == 'M' ? m : d);
        }
        out += part;
    }
    return out;
}

std::string TimeText(int seconds, const Settings& s) {
    int h = seconds / 3600, mi = seconds / 60 % 60, sec = seconds % 60;
    char buf[32];
    if (s.hours == 24) {
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, mi, sec);
    } else {
        int h12 = h % 12 == 0 ? 12 : h % 12;
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d %s", h12, mi, sec, h < 12 ? "AM" : "PM");
    }
    return buf;
}

std::string DateTimeText(double value, const Settings& s) {
    if (value == 0) return DateText(0, s) + (s.hours == 24 ? "   :  :  " : "   :  :     ");
    long day;
    int secs;
    SplitDateTime(value, &day, &secs);
    return DateText(static_cast<double>(day), s) + " " + TimeText(secs, s);
}

bool ReadDate(const std::string& text, const Settings& s, double* dayNumber) {
    const DateOrder o = OrderOf(s.date);
    long parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) {
        *dayNumber = 0;
        return true;
    }
    for (int k = 0; k < 3; ++k) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits[k] < 5) {
            parts[k] = parts[k] * 10 + (text[i] - '0');
            ++digits[k];
            ++i;
        }
        if (digits[k] == 0) return false;
        if (k < 2) {
            if (i >= text.size() || (text[i] != '/' && text[i] != '-' && text[i] != '.' && (!s.mark || text[i] != s.mark)))
                return false;
            ++i;
        }
    }
    long y = 0, m = 0, d = 0;
    for (int k = 0; k < 3; ++k) {
        if (o.order[k] == 'Y') {
            y = parts[k];
            if (digits[k] <= 2) y += y < 50 ? 2000 : 1900;  // the host's default rollover
        } else if (o.order[k] == 'M') {
            m = parts[k];
        } else {
            d = parts[k];
        }
    }
    *dayNumber = MakeDate(y, m, d);
    return *dayNumber != 0;
}

// A number's text with SET POINT's decimal point.
static std::string Pointed(std::string text, const Settings& s) {
    if (s.point != '.')
        if (std::size_t dot = text.find('.'); dot != std::string::npos) text[dot] = s.point;
    return text;
}

std::string PlainForm(const Value& v, const Settings& s) {
    switch (v.type) {
    case 'C':
    case 'M': return v.text;
    case 'N': return Pointed(NumberText(v.number, v.decimals), s);
    case 'I': return std::to_string(v.integer);
    case 'Y': return Pointed(CurrencyText(v.currency), s);
    case 'L': return v.logical ? ".T." : ".F.";
    case 'D': return DateText(v.number, s);
    case 'T': return DateTimeText(v.number, s);
    case '0': return ".NULL.";
    case 'O': return "(Object)";
    default: return std::string("(") + v.type + ")";
    }
}

std::string PrintForm(const Value& v, const Settings& s) {
    std::string text = PlainForm(v, s);
    if (!IsNumber(v) || text.find('E') != std::string::npos) return text;
    std::size_t whole = text.find(s.point);
    if (whole == std::string::npos) whole = text.size();
    if (whole < 10) text.insert(0, 10 - whole, ' ');
    return text;
}

char TypeLetter(const Value& v) {
    switch (v.type) {
    case 'I': return 'N';
    case '0': return 'X';
    default: return v.type;
    }
}

}  // namespace tarvo::run::lang
