// Built-in functions: words, lines of a memo, extraction, patterns, text
// merging and conversions, file name forms, EVL, ICASE, ISBLANK and CAST.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "runner/lang/builtins.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

const char kBlanks[] = " \t\r\n";

std::vector<std::string> Words(const std::string& s, const std::string& delims) {
    std::vector<std::string> out;
    std::size_t i = 0;
    for (;;) {
        i = s.find_first_not_of(delims, i);
        if (i == std::string::npos) return out;
        std::size_t e = s.find_first_of(delims, i);
        out.push_back(s.substr(i, e == std::string::npos ? std::string::npos : e - i));
        if (e == std::string::npos) return out;
        i = e;
    }
}

std::string Delimiters(Args& a, std::size_t i) {
    if (!a.Has(i)) return kBlanks;
    std::string d = a.Text(i);
    return d.empty() ? std::string(kBlanks) : d;
}

// The lines of a memo as MLINE sees them: a line ends at CR, LF or CR LF,
// and a line longer than the memo width breaks after its last blank within
// the width (a word longer than the width is cut). Each line is its start
// and length in the text.
struct Span {
    std::size_t start, length;
};
std::vector<Span> MemoLines(const std::string& s, std::size_t width) {
    std::vector<Span> out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t end = s.find_first_of("\r\n", i);
        if (end == std::string::npos) end = s.size();
        std::size_t b = i;
        while (end - b > width) {
            std::size_t cut = s.rfind(' ', b + width);
            if (cut == std::string::npos || cut < b || cut == b) {
                out.push_back({b, width});
                b += width;
            } else {
                out.push_back({b, cut - b});
                b = cut + 1;
            }
        }
        out.push_back({b, end - b});
        i = end;
        if (i < s.size()) i += s.compare(i, 2, "\r\n") == 0 ? 2 : 1;
    }
    return out;
}

std::size_t MemoWidth(Args& a) { return static_cast<std::size_t>(a.in.session().memoWidth); }

// ATLINE, ATCLINE, RATLINE: the memo line of the first (last) occurrence.
Value AtLine(Args& a, bool noCase, bool last) {
    std::string what = a.Text(0), text = a.Text(1);
    if (noCase) {
        what = UpperAscii(what);
        text = UpperAscii(text);
    }
    if (what.empty()) return N(0);
    std::size_t at = last ? text.rfind(what) : text.find(what);
    if (at == std::string::npos) return N(0);
    std::vector<Span> lines = MemoLines(text, MemoWidth(a));
    double n = 0;
    for (std::size_t k = 0; k < lines.size() && lines[k].start <= at; ++k) n = static_cast<double>(k + 1);
    return N(n);
}

// STREXTRACT(text, begin, end [, occurrence [, flags]]): the text between
// the occurrence-th `begin` and the next `end`. Flags: 1 case does not
// count, 2 the end may be missing (the rest is answered), 4 the delimiters
// are part of the answer. An empty `begin` starts at the start, an empty
// `end` runs to the end.
Value StrExtract(Args& a) {
    std::string text = a.Text(0), begin = a.Text(1), end = a.Has(2) ? a.Text(2) : "";
    long n = a.Has(3) ? a.Int(3) : 1;
    long flags = a.Has(4) ? a.Int(4) : 0;
    if (n < 1 || flags < 0 || flags > 7) Raise(kErrArgument);
    std::string hay = text;
    if (flags & 1) {
        hay = UpperAscii(hay);
        begin = UpperAscii(begin);
        end = UpperAscii(end);
    }
    std::size_t at = 0;
    if (begin.empty()) {
        if (n > 1) return C("");
    } else {
        at = std::string::npos;
        std::size_t from = 0;
        for (long k = 0; k < n; ++k) {
            at = hay.find(begin, from);
            if (at == std::string::npos) return C("");
            from = at + begin.size();
        }
    }
    std::size_t b = at + begin.size();
    std::size_t e = end.empty() ? hay.size() : hay.find(end, b);
    bool endFound = e != std::string::npos && !end.empty();
    if (e == std::string::npos) {
        if (!(flags & 2)) return C("");
        e = hay.size();
    }
    if (flags & 4) return C(text.substr(at, e + (endFound ? end.size() : 0) - at));
    return C(text.substr(b, e - b));
}

// TEXTMERGE(text [, recursive [, left [, right]]]): each <<expression>>
// replaced by its value as text.
std::string Merge(Interpreter& in, const std::string& s, const std::string& l, const std::string& r) {
    std::string out;
    std::size_t i = 0;
    for (;;) {
        std::size_t b = s.find(l, i);
        std::size_t e = b == std::string::npos ? b : s.find(r, b + l.size());
        if (e == std::string::npos) break;
        out.append(s, i, b - i);
        Value v = in.EvaluateText(s.substr(b + l.size(), e - b - l.size()));
        out += IsText(v) ? v.text : PlainForm(v, in.settings());
        if (out.size() > kMaxTextLength) Raise(kErrStringTooLong);
        i = e + r.size();
    }
    out.append(s, i, std::string::npos);
    return out;
}

Value TextMerge(Args& a) {
    std::string s = a.Text(0);
    bool recursive = a.Has(1) && a.Logic(1);
    std::string l = a.Has(2) ? a.Text(2) : "<<";
    std::string r = a.Has(3) ? a.Text(3) : ">>";
    if (l.empty() || r.empty()) Raise(kErrArgument);
    for (int round = 0; round < 100; ++round) {
        std::string next = Merge(a.in, s, l, r);
        if (!recursive || next == s) return C(next);
        s = next;
    }
    return C(s);
}

// --- STRCONV ---------------------------------------------------------------------

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); i += 3) {
        unsigned n = static_cast<unsigned char>(s[i]) << 16;
        if (i + 1 < s.size()) n |= static_cast<unsigned char>(s[i + 1]) << 8;
        if (i + 2 < s.size()) n |= static_cast<unsigned char>(s[i + 2]);
        out += kBase64[n >> 18 & 63];
        out += kBase64[n >> 12 & 63];
        out += i + 1 < s.size() ? kBase64[n >> 6 & 63] : '=';
        out += i + 2 < s.size() ? kBase64[n & 63] : '=';
    }
    return out;
}

std::string Unbase64(const std::string& s) {
    std::string out;
    unsigned acc = 0;
    int bits = 0;
    for (char c : s) {
        const char* p = c ? std::strchr(kBase64, c) : nullptr;
        if (!p) continue;  // '=' and line breaks
        acc = acc << 6 | static_cast<unsigned>(p - kBase64);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>(acc >> bits & 0xFF);
        }
    }
    return out;
}

std::string Hex(const std::string& s) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        out += digits[static_cast<unsigned char>(c) >> 4];
        out += digits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Unhex(const std::string& s) {
    std::string out;
    int high = -1;
    for (char c : s) {
        int d = HexDigit(c);
        if (d < 0) continue;
        if (high < 0) {
            high = d;
        } else {
            out += static_cast<char>(high << 4 | d);
            high = -1;
        }
    }
    return out;
}

std::wstring Wide(const std::string& s, UINT cp) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string Narrow(const std::wstring& w, UINT cp) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::string Utf16Bytes(const std::wstring& w) {
    return std::string(reinterpret_cast<const char*>(w.data()), w.size() * 2);
}
std::wstring FromUtf16Bytes(const std::string& s) {
    std::wstring w(s.size() / 2, L'\0');
    std::memcpy(w.data(), s.data(), w.size() * 2);
    return w;
}

// The code page of STRCONV's third and fourth arguments: a locale id (flag
// 0), a code page (1) or a character set (2); the ANSI code page without.
UINT CodePage(Args& a) {
    if (!a.Has(2)) return CP_ACP;
    long id = a.Int(2);
    long kind = a.Has(3) ? a.Int(3) : 0;
    if (kind == 1) {
        if (!IsValidCodePage(static_cast<UINT>(id))) Raise(kErrArgument);
        return static_cast<UINT>(id);
    }
    if (kind == 2) {
        CHARSETINFO info;
        if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<std::uintptr_t>(id)), &info, TCI_SRCCHARSET))
            Raise(kErrArgument);
        return info.ciACP;
    }
    if (kind != 0) Raise(kErrArgument);
    char buf[16];
    if (!GetLocaleInfoA(static_cast<LCID>(id), LOCALE_IDEFAULTANSICODEPAGE, buf, sizeof buf)) Raise(kErrArgument);
    return static_cast<UINT>(std::atoi(buf));
}

// STRCONV(text, conversion [, locale or code page [, its kind]]):
// 5 ANSI to UTF-16, 6 UTF-16 to ANSI, 7 lower case, 8 upper case, 9 ANSI to
// UTF-8, 10 UTF-16 to UTF-8, 11 UTF-8 to ANSI, 12 UTF-8 to UTF-16, 13 to
// base64, 14 from base64, 15 to hexadecimal, 16 from hexadecimal. The
// double-byte conversions (1 to 4) need a double-byte code page: error 11.
Value StrConv(Args& a) {
    std::string s = a.Text(0);
    long how = a.Int(1);
    if (a.Has(3) && !a.Has(2)) Raise(kErrArgument);
    bool pageMatters = (how >= 5 && how <= 9) || how == 11;
    if (a.Has(2) && !pageMatters) Raise(kErrArgument);
    UINT cp = pageMatters ? CodePage(a) : CP_ACP;
    switch (how) {
    case 5: return C(Utf16Bytes(Wide(s, cp)));
    case 6: return C(Narrow(FromUtf16Bytes(s), cp));
    case 7:
    case 8: {
        std::wstring w = Wide(s, cp);
        if (!w.empty()) {
            if (how == 7) CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
            else CharUpperBuffW(w.data(), static_cast<DWORD>(w.size()));
        }
        return C(Narrow(w, cp));
    }
    case 9: return C(Narrow(Wide(s, cp), CP_UTF8));
    case 10: return C(Narrow(FromUtf16Bytes(s), CP_UTF8));
    case 11: return C(Narrow(Wide(s, CP_UTF8), cp));
    case 12: return C(Utf16Bytes(Wide(s, CP_UTF8)));
    case 13: return C(Base64(s));
    case 14: return C(Unbase64(s));
    case 15: return C(Hex(s));
    case 16: return C(Unhex(s));
    default: Raise(kErrArgument);
    }
}

// --- file names ------------------------------------------------------------------

std::size_t NameStart(const std::string& p) {
    std::size_t slash = p.find_last_of("\\/:");
    return slash == std::string::npos ? 0 : slash + 1;
}
std::size_t ExtensionDot(const std::string& p) {
    std::size_t dot = p.find_last_of('.');
    return dot == std::string::npos || dot < NameStart(p) ? std::string::npos : dot;
}
std::string WithoutDot(std::string ext) {
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
    return ext;
}

// --- values ----------------------------------------------------------------------

bool IsEmptyValue(const Value& v) {
    switch (v.type) {
    case 'C': case 'M': return v.text.find_first_not_of(kBlanks) == std::string::npos;
    case 'N': return v.number == 0;
    case 'I': return v.integer == 0;
    case 'Y': return v.currency == 0;
    case 'D': case 'T': return v.number == 0;
    case 'L': return !v.logical;
    case '0': return true;
    default: return false;
    }
}

// CAST(value AS type [(width [, decimals])]): the parser passes the type's
// name, width and decimals as arguments 2 to 4 (-1 when not written).
char CastLetter(const std::string& name) {
    static const struct {
        const char* name;
        char letter;
    } kNames[] = {{"C", 'C'}, {"CHAR", 'C'}, {"CHARACTER", 'C'}, {"V", 'V'}, {"VARCHAR", 'V'},
                  {"M", 'M'}, {"MEMO", 'M'}, {"N", 'N'}, {"NUMERIC", 'N'}, {"F", 'N'}, {"FLOAT", 'N'},
                  {"B", 'B'}, {"DOUBLE", 'B'}, {"I", 'I'}, {"INT", 'I'}, {"INTEGER", 'I'},
                  {"Y", 'Y'}, {"CURRENCY", 'Y'}, {"D", 'D'}, {"DATE", 'D'}, {"T", 'T'},
                  {"DATETIME", 'T'}, {"L", 'L'}, {"LOGICAL", 'L'}};
    for (const auto& n : kNames)
        if (name == n.name) return n.letter;
    Raise(kErrSyntax);
}

double TextNumber(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

Value Cast(Args& a) {
    Value v = a[0];
    char to = CastLetter(UpperAscii(a.Text(1)));
    long width = a.Has(2) ? a.Int(2) : -1;
    long decimals = a.Has(3) ? a.Int(3) : -1;
    if (v.type == '0') return v;
    const Settings& s = a.in.settings();
    switch (to) {
    case 'C': case 'V': case 'M': {
        if (v.type == 'L' || v.type == 'O') Raise(kErrDataType);
        std::string t = IsText(v) ? v.text : PlainForm(v, s);
        if (to == 'M') return C(t);
        if (width < 1) Raise(kErrSyntax);
        std::size_t w = static_cast<std::size_t>(width);
        if (to == 'V') {
            std::size_t e = t.find_last_not_of(' ');
            t = e == std::string::npos ? "" : t.substr(0, e + 1);
        }
        if (t.size() > w) t.resize(w);
        if (to == 'C') t.resize(w, ' ');
        return C(t);
    }
    case 'N': case 'B': case 'I': case 'Y': {
        double x;
        if (IsNumber(v)) x = v.asNumber();
        else if (IsText(v)) x = TextNumber(v.text);
        else Raise(kErrDataType);
        if (to == 'I') {
            x = std::trunc(x);
            if (x > 2147483647.0 || x < -2147483648.0) Raise(kErrOverflow);
            return N(x);
        }
        if (to == 'Y') return Value::Currency(static_cast<std::int64_t>(std::llround(x * 10000.0)));
        int d = decimals < 0 ? (to == 'B' ? DecimalsOf(v) : 0) : static_cast<int>(decimals);
        if (to == 'N' && width < 1) Raise(kErrSyntax);
        const double r = RoundHalfAway(x, d);  // as ROUND rounds
        if (to == 'N' && static_cast<long>(Fixed(r, d).size()) > width) Raise(kErrOverflow);
        return N(r, d);
    }
    case 'D':
    case 'T': {
        double day;
        if (v.type == 'D' || v.type == 'T') {
            day = v.number;
        } else if (IsText(v)) {
            Value parsed;
            if (ParseStrictDate("^" + v.text, &parsed) || ParseStrictDate(v.text, &parsed)) day = parsed.number;
            else if (!ReadDate(v.text, s, &day)) day = 0;
        } else {
            Raise(kErrDataType);
        }
        return to == 'D' ? Value::Date(std::floor(day)) : Value::DateTime(day);
    }
    default:  // 'L'
        if (v.type == 'L') return v;
        if (IsNumber(v)) return L(v.asNumber() != 0);
        Raise(kErrDataType);
    }
}

const Builtin kTable[] = {
    {"GETWORDCOUNT", 1, 2, [](Args& a) {
         return N(static_cast<double>(Words(a.Text(0), Delimiters(a, 1)).size()));
     }},
    {"GETWORDNUM", 2, 3, [](Args& a) {
         std::string s = a.Text(0);
         long n = a.Int(1);
         if (n < 1) Raise(kErrArgument);
         std::vector<std::string> w = Words(s, Delimiters(a, 2));
         return C(static_cast<std::size_t>(n) <= w.size() ? w[static_cast<std::size_t>(n - 1)] : "");
     }},
    {"STREXTRACT", 2, 5, StrExtract},
    // Under SET COMPATIBLE ON the trailing blanks of both go first.
    {"LIKE", 2, 2, [](Args& a) {
         std::string p = a.Text(0), t = a.Text(1);
         if (a.in.session().compatible) {
             p.erase(p.find_last_not_of(' ') + 1);
             t.erase(t.find_last_not_of(' ') + 1);
         }
         return L(Like(p, t));
     }},
    {"MEMLINES", 1, 1, [](Args& a) {
         return N(static_cast<double>(MemoLines(a.Text(0), MemoWidth(a)).size()));
     }},
    {"MLINE", 2, 3, [](Args& a) {
         std::string s = a.Text(0);
         long n = a.Int(1);
         long offset = a.Has(2) ? a.Int(2) : 0;
         if (offset < 0) Raise(kErrArgument);
         // _MLINE is set to where the next line starts (the end when none).
         VarP mline = a.in.FindVariable("_MLINE");
         auto next = [&](std::size_t at) {
             if (mline) mline->value = N(static_cast<double>(at));
         };
         if (static_cast<std::size_t>(offset) >= s.size() || n < 1) {
             next(s.size());
             return C("");
         }
         std::string rest = s.substr(static_cast<std::size_t>(offset));
         std::vector<Span> lines = MemoLines(rest, MemoWidth(a));
         if (static_cast<std::size_t>(n) > lines.size()) {
             next(s.size());
             return C("");
         }
         const Span& l = lines[static_cast<std::size_t>(n - 1)];
         next(static_cast<std::size_t>(offset) +
              (static_cast<std::size_t>(n) < lines.size() ? lines[static_cast<std::size_t>(n)].start : rest.size()));
         return C(rest.substr(l.start, l.length));
     }},
    {"ATLINE", 2, 2, [](Args& a) { return AtLine(a, false, false); }},
    {"ATCLINE", 2, 2, [](Args& a) { return AtLine(a, true, false); }},
    {"RATLINE", 2, 2, [](Args& a) { return AtLine(a, false, true); }},
    {"TEXTMERGE", 1, 4, TextMerge},
    {"STRCONV", 2, 4, StrConv},
    {"FORCEEXT", 2, 2, [](Args& a) {
         std::string p = a.Text(0), ext = WithoutDot(a.Text(1));
         std::size_t dot = ExtensionDot(p);
         if (dot != std::string::npos) p.erase(dot);
         return C(ext.empty() ? p : p + "." + ext);
     }},
    {"DEFAULTEXT", 2, 2, [](Args& a) {
         std::string p = a.Text(0), ext = WithoutDot(a.Text(1));
         if (ExtensionDot(p) != std::string::npos || ext.empty()) return C(p);
         return C(p + "." + ext);
     }},
    {"FORCEPATH", 2, 2, [](Args& a) {
         std::string p = a.Text(0), folder = a.Text(1);
         if (!folder.empty() && folder.back() != '\\' && folder.back() != '/' && folder.back() != ':')
             folder += '\\';
         return C(folder + p.substr(NameStart(p)));
     }},
    {"EVL", 2, 2, [](Args& a) { return IsEmptyValue(a[0]) ? a[1] : a[0]; }},
    {"ICASE", 2, 201, [](Args& a) {
         std::size_t pairs = a.size() / 2;
         for (std::size_t k = 0; k < pairs; ++k) {
             const Value& c = a[2 * k];
             if (c.type != 'L' && c.type != '0') Raise(kErrArgument);
             if (c.type == 'L' && c.logical) return a[2 * k + 1];
         }
         return a.size() % 2 ? a[a.size() - 1] : Value::Null();
     }},
    {"ISBLANK", 1, 1, [](Args& a) {
         const Value& v = a[0];
         if (IsText(v)) return L(v.text.find_first_not_of(' ') == std::string::npos);
         return L((v.type == 'D' || v.type == 'T') && v.number == 0);
     }},
    {"CAST", 2, 4, Cast},
};

}  // namespace

std::string MergeText(Interpreter& in, const std::string& text) { return Merge(in, text, "<<", ">>"); }

std::span<const Builtin> WordBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
