// Built-in functions: characters.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runner/lang/builtins.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

// Position (0-based) of the n-th occurrence of `what` in `in`, or npos.
std::size_t Nth(const std::string& in, const std::string& what, long n) {
    if (what.empty() || n < 1) return std::string::npos;
    std::size_t at = 0;
    for (long k = 0;; ++k) {
        at = in.find(what, k == 0 ? 0 : at + 1);
        if (at == std::string::npos || k + 1 == n) return at;
    }
}

std::size_t NthFromRight(const std::string& in, const std::string& what, long n) {
    if (what.empty() || n < 1 || what.size() > in.size()) return std::string::npos;
    std::size_t at = in.size() - what.size();
    for (long k = 0;; ++k) {
        at = in.rfind(what, at);
        if (at == std::string::npos || k + 1 == n) return at;
        if (at == 0) return std::string::npos;
        --at;
    }
}

std::string Pad(Args& a, int side) {  // side: -1 left (PADL), 0 centre, 1 right
    const Value& v = a[0];
    std::string s = IsText(v) ? v.text : PlainForm(v, a.in.settings());
    long n = a.Int(1);
    if (n < 0) Raise(kErrArgument);
    if (static_cast<std::size_t>(n) > kMaxTextLength) Raise(kErrStringTooLong);
    char fill = ' ';
    if (a.Has(2)) {
        std::string f = a.Text(2);
        if (!f.empty()) fill = f[0];
    }
    std::size_t width = static_cast<std::size_t>(n);
    if (s.size() >= width) return s.substr(0, width);
    std::size_t extra = width - s.size();
    if (side < 0) return std::string(extra, fill) + s;
    if (side > 0) return s + std::string(extra, fill);
    return std::string(extra / 2, fill) + s + std::string(extra - extra / 2, fill);
}

// A numeric picture such as "9,999.99".
// SET POINT and SET SEPARATOR give the characters of the picture's point
// and commas.
std::string NumberPicture(double x, const std::string& pic, bool leadingZeros, bool blankZero, const Settings& s) {
    std::size_t point = pic.find('.');
    int decimals = 0;
    if (point != std::string::npos)
        for (std::size_t i = point + 1; i < pic.size(); ++i)
            if (pic[i] == '9' || pic[i] == '#') ++decimals;
    if (blankZero && x == 0) return std::string(pic.size(), ' ');
    std::string digits = Fixed(std::fabs(x), decimals);
    std::string whole = digits.substr(0, digits.find('.'));
    std::string frac = decimals ? digits.substr(digits.find('.') + 1) : "";
    std::string out(pic.size(), ' ');
    std::size_t intEnd = point == std::string::npos ? pic.size() : point;
    // Fraction, left to right.
    std::size_t f = 0;
    for (std::size_t i = intEnd; i < pic.size(); ++i) {
        char c = pic[i];
        if (i == point) out[i] = s.point;
        else if (c == '9' || c == '#') out[i] = f < frac.size() ? frac[f++] : '0';
        else out[i] = c;
    }
    // Whole part, right to left.
    long w = static_cast<long>(whole.size()) - 1;
    for (std::size_t i = intEnd; i-- > 0;) {
        char c = pic[i];
        if (c == '9' || c == '#') out[i] = w >= 0 ? whole[static_cast<std::size_t>(w--)] : (leadingZeros ? '0' : ' ');
        else if (c == ',') out[i] = w >= 0 ? s.separator : (leadingZeros ? '0' : ' ');
        else out[i] = c;
    }
    if (w >= 0) return std::string(pic.size(), '*');
    if (x < 0 && digits.find_first_not_of("0.") != std::string::npos) {
        // The sign takes the digit place left of the digits; with leading
        // zeros, the first digit place.
        std::size_t place = std::string::npos;
        for (std::size_t i = 0; i < intEnd; ++i) {
            bool digitPlace = pic[i] == '9' || pic[i] == '#';
            if (!digitPlace) continue;
            if (leadingZeros ? out[i] == '0' : out[i] == ' ') place = i;
            if (leadingZeros) break;
        }
        if (place == std::string::npos) return std::string(pic.size(), '*');
        out[place] = '-';
    }
    return out;
}

// A picture over a text: each placeholder takes the next character. With
// `insert` (@R) the other picture characters go between them, and the
// picture ends where the text does; without, they take the place of the
// character under them.
std::string TextPicture(const std::string& s, const std::string& pic, bool insert) {
    std::string out;
    std::size_t k = 0;
    for (char c : pic) {
        bool placeholder = std::strchr("X9#ANYL!", c) != nullptr;
        if (insert && k >= s.size()) break;
        if (!placeholder) {
            out += c;
            if (!insert) ++k;
            continue;
        }
        char ch = k < s.size() ? s[k] : ' ';
        out += c == '!' ? AnsiUpper(std::string(1, ch))[0] : ch;
        ++k;
    }
    return out;
}

}  // namespace

// TRANSFORM(value, "@codes picture"). Codes: ! upper case, 0 hexadecimal,
// B left-justified number, D the SET DATE form, E the BRITISH date form,
// L leading zeros, R the picture's other characters inserted, T trimmed,
// Z blank for zero. Other codes are refused (error 11).
std::string Transformed(const Value& v, const std::string& fmt, const Settings& s) {
    std::string codes, pic = fmt;
    if (!fmt.empty() && fmt[0] == '@') {
        std::size_t sp = fmt.find(' ');
        codes = UpperAscii(fmt.substr(1, sp == std::string::npos ? std::string::npos : sp - 1));
        pic = sp == std::string::npos ? "" : fmt.substr(sp + 1);
    }
    if (codes.find_first_not_of("!0BDELRTZ") != std::string::npos) Raise(kErrArgument);
    auto has = [&](char c) { return codes.find(c) != std::string::npos; };
    std::string out;
    if (IsNumber(v)) {
        double x = v.asNumber();
        if (has('0')) {
            char buf[16];
            auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(x)));
            std::snprintf(buf, sizeof buf, "0x%08lX", static_cast<unsigned long>(bits));
            return buf;
        }
        if (!pic.empty()) out = NumberPicture(x, pic, has('L'), has('Z'), s);
        else out = (has('Z') && x == 0) ? "" : PlainForm(v, s);
        if (has('B')) {  // the blanks in front go behind
            std::size_t lead = out.find_first_not_of(' ');
            if (lead != std::string::npos) out = out.substr(lead) + std::string(lead, ' ');
        }
    } else if (IsText(v)) {
        out = pic.empty() ? v.text : TextPicture(v.text, pic, has('R'));
        if (has('!')) out = AnsiUpper(out);
    } else if ((v.type == 'D' || v.type == 'T') && has('E')) {
        Settings british = s;
        british.date = "BRITISH";
        out = PlainForm(v, british);
    } else {
        out = PlainForm(v, s);
    }
    if (has('T')) {
        std::size_t b = out.find_first_not_of(' ');
        std::size_t e = out.find_last_not_of(' ');
        out = b == std::string::npos ? "" : out.substr(b, e - b + 1);
    }
    return out;
}

namespace {

Value Transform(Args& a) {
    const Value& v = a[0];
    const Settings& s = a.in.settings();
    if (!a.Has(1)) return C(PlainForm(v, s));
    return C(Transformed(v, a.Text(1), s));
}

std::string Proper(const std::string& text) {
    std::string s = AnsiLower(text);
    bool start = true;
    for (char& c : s) {
        if (start) c = AnsiUpper(std::string(1, c))[0];
        start = c == ' ';
    }
    return s;
}

// `repl` in the case of `found` when that is all upper, all lower or proper.
std::string CaseLike(const std::string& found, const std::string& repl) {
    if (found == AnsiUpper(found) && found != AnsiLower(found)) return AnsiUpper(repl);
    if (found == AnsiLower(found) && found != AnsiUpper(found)) return AnsiLower(repl);
    if (found == Proper(found)) return Proper(repl);
    return repl;
}

bool FirstIs(const std::string& s, bool (*test)(unsigned char)) {
    return !s.empty() && test(static_cast<unsigned char>(s[0]));
}

std::string Trim(const std::string& s, bool left, bool right) {
    std::size_t b = 0, e = s.size();
    if (left)
        while (b < e && s[b] == ' ') ++b;
    if (right)
        while (e > b && s[e - 1] == ' ') --e;
    return s.substr(b, e - b);
}

const Builtin kTable[] = {
    {"LEN", 1, 1, [](Args& a) { return N(static_cast<double>(a.Text(0).size())); }},
    {"SUBSTR", 2, 3, [](Args& a) {
         std::string s = a.Text(0);
         long start = a.Int(1);
         long len = a.Has(2) ? a.Int(2) : static_cast<long>(s.size());
         if (len < 0) Raise(kErrArgument);
         if (start < 1 || static_cast<std::size_t>(start) > s.size()) return C("");
         return C(s.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(len)));
     }},
    {"LEFT", 2, 2, [](Args& a) {
         std::string s = a.Text(0);
         long n = a.Int(1);
         return C(n <= 0 ? "" : s.substr(0, static_cast<std::size_t>(n)));
     }},
    {"RIGHT", 2, 2, [](Args& a) {
         std::string s = a.Text(0);
         long n = a.Int(1);
         if (n <= 0) return C("");
         std::size_t k = std::min(s.size(), static_cast<std::size_t>(n));
         return C(s.substr(s.size() - k));
     }},
    {"UPPER", 1, 1, [](Args& a) { return C(AnsiUpper(a.Text(0))); }},
    {"LOWER", 1, 1, [](Args& a) { return C(AnsiLower(a.Text(0))); }},
    {"PROPER", 1, 1, [](Args& a) { return C(Proper(a.Text(0))); }},
    {"ALLTRIM", 1, 1, [](Args& a) { return C(Trim(a.Text(0), true, true)); }},
    {"LTRIM", 1, 1, [](Args& a) { return C(Trim(a.Text(0), true, false)); }},
    {"RTRIM", 1, 1, [](Args& a) { return C(Trim(a.Text(0), false, true)); }},
    {"TRIM", 1, 1, [](Args& a) { return C(Trim(a.Text(0), false, true)); }},
    {"PADL", 2, 3, [](Args& a) { return C(Pad(a, -1)); }},
    {"PADR", 2, 3, [](Args& a) { return C(Pad(a, 1)); }},
    {"PADC", 2, 3, [](Args& a) { return C(Pad(a, 0)); }},
    {"SPACE", 1, 1, [](Args& a) {
         long n = a.Int(0);
         if (n < 0) Raise(kErrArgument);
         if (static_cast<std::size_t>(n) > kMaxTextLength) Raise(kErrStringTooLong);
         return C(std::string(static_cast<std::size_t>(n), ' '));
     }},
    {"REPLICATE", 2, 2, [](Args& a) {
         std::string s = a.Text(0);
         long n = a.Int(1);
         if (n < 0) Raise(kErrArgument);
         if (static_cast<double>(n) * static_cast<double>(s.size()) > kMaxTextLength) Raise(kErrStringTooLong);
         std::string out;
         out.reserve(s.size() * static_cast<std::size_t>(n));
         for (long i = 0; i < n; ++i) out += s;
         return C(out);
     }},
    {"CHR", 1, 1, [](Args& a) {
         long n = a.Int(0);
         if (n < 0 || n > 255) Raise(kErrArgument);
         return C(std::string(1, static_cast<char>(n)));
     }},
    {"ASC", 1, 1, [](Args& a) {
         std::string s = a.Text(0);
         return N(s.empty() ? 0 : static_cast<unsigned char>(s[0]));
     }},
    {"AT", 2, 3, [](Args& a) {
         std::size_t at = Nth(a.Text(1), a.Text(0), a.Has(2) ? a.Int(2) : 1);
         return N(at == std::string::npos ? 0 : static_cast<double>(at + 1));
     }},
    {"ATC", 2, 3, [](Args& a) {
         std::size_t at = Nth(AnsiUpper(a.Text(1)), AnsiUpper(a.Text(0)), a.Has(2) ? a.Int(2) : 1);
         return N(at == std::string::npos ? 0 : static_cast<double>(at + 1));
     }},
    {"RAT", 2, 3, [](Args& a) {
         std::size_t at = NthFromRight(a.Text(1), a.Text(0), a.Has(2) ? a.Int(2) : 1);
         return N(at == std::string::npos ? 0 : static_cast<double>(at + 1));
     }},
    {"OCCURS", 2, 2, [](Args& a) {
         std::string what = a.Text(0), in = a.Text(1);
         long n = 0;
         if (!what.empty())
             for (std::size_t at = in.find(what); at != std::string::npos; at = in.find(what, at + 1)) ++n;
         return N(n);
     }},
    // STRTRAN(text, sought, replacement, nStart, nCount, nFlags): nStart and
    // nCount -1 take their defaults; nFlags 1 finds regardless of case, 2
    // gives the replacement the case of the text found (all upper, all lower
    // or proper), 3 both.
    {"STRTRAN", 2, 6, [](Args& a) {
         std::string s = a.Text(0), find = a.Text(1);
         std::string repl = a.Has(2) ? a.Text(2) : "";
         long first = a.Has(3) ? a.Int(3) : 1;
         long count = a.Has(4) ? a.Int(4) : -1;
         long flags = a.Has(5) ? a.Int(5) : 0;
         if (flags < 0 || flags > 3) Raise(kErrArgument);
         if (first < 1) first = 1;
         if (find.empty()) return C(s);
         const std::string& hay = flags & 1 ? AnsiUpper(s) : s;
         const std::string& needle = flags & 1 ? AnsiUpper(find) : find;
         std::string out;
         std::size_t pos = 0;
         long seen = 0, done = 0;
         for (;;) {
             std::size_t at = hay.find(needle, pos);
             if (at == std::string::npos) break;
             ++seen;
             out.append(s, pos, at - pos);
             std::string found = s.substr(at, find.size());
             if (seen >= first && (count < 0 || done < count)) {
                 out += flags & 2 ? CaseLike(found, repl) : repl;
                 ++done;
             } else {
                 out += found;
             }
             pos = at + find.size();
             if (out.size() > kMaxTextLength) Raise(kErrStringTooLong);
         }
         return C(out + s.substr(pos));
     }},
    {"STUFF", 4, 4, [](Args& a) {
         std::string s = a.Text(0);
         long start = a.Int(1), n = a.Int(2);
         std::string repl = a.Text(3);
         if (start < 1 || n < 0) Raise(kErrArgument);
         std::size_t b = std::min(s.size(), static_cast<std::size_t>(start - 1));
         std::size_t k = std::min(s.size() - b, static_cast<std::size_t>(n));
         return C(s.substr(0, b) + repl + s.substr(b + k));
     }},
    {"CHRTRAN", 3, 3, [](Args& a) {
         std::string s = a.Text(0), from = a.Text(1), to = a.Text(2), out;
         for (char c : s) {
             std::size_t k = from.find(c);
             if (k == std::string::npos) out += c;
             else if (k < to.size()) out += to[k];
         }
         return C(out);
     }},
    {"ISDIGIT", 1, 1, [](Args& a) { std::string s = a.Text(0); return L(!s.empty() && s[0] >= '0' && s[0] <= '9'); }},
    {"ISALPHA", 1, 1, [](Args& a) { return L(FirstIs(a.Text(0), AnsiLetter)); }},
    {"ISUPPER", 1, 1, [](Args& a) { return L(FirstIs(a.Text(0), AnsiUpperCase)); }},
    {"ISLOWER", 1, 1, [](Args& a) { return L(FirstIs(a.Text(0), AnsiLowerCase)); }},
    {"STR", 1, 3, [](Args& a) {
         double x = a.Num(0);
         long len = a.Has(1) ? a.Int(1) : 10;
         if (len < 1 || len > 255) Raise(kErrArgument);
         return C(StrText(x, len, a.Has(2) ? a.Int(2) : 0, a[0].type == 'I'));
     }},
    {"VAL", 1, 1, [](Args& a) {
         std::string s = a.Text(0);
         std::size_t i = 0;
         while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
         std::size_t b = i;
         if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
         while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
         int decimals = 0;
         if (i < s.size() && s[i] == '.') {
             ++i;
             while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++decimals;
         }
         double x = std::strtod(s.substr(b, i - b).c_str(), nullptr);
         return N(x, std::max(decimals, a.in.settings().decimals));
     }},
    {"TRANSFORM", 1, 2, Transform},
};

}  // namespace

std::span<const Builtin> TextBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
