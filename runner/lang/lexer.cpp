#include "runner/lang/lexer.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "runner/lang/errors.h"
#include "runner/print.h"

namespace tarvo::run::lang {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Token Make(Tok kind, std::size_t pos, std::size_t end) {
    Token t;
    t.kind = kind;
    t.pos = pos;
    t.end = end;
    return t;
}

Token BadToken(std::size_t pos, std::size_t end, int error) {
    Token t = Make(Tok::Bad, pos, end);
    t.error = error;
    return t;
}

// Reads digits at `i` into `*n`; answers how many were read.
int Digits(const std::string& s, std::size_t& i, long* n) {
    int count = 0;
    long v = 0;
    while (i < s.size() && IsDigit(s[i]) && count < 9) {
        v = v * 10 + (s[i] - '0');
        ++i;
        ++count;
    }
    *n = v;
    return count;
}

void SkipBlanks(const std::string& s, std::size_t& i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
}

// The dotted words: .T. .F. .Y. .N. .NULL. .AND. .OR. .NOT.
bool Dotted(const std::string& s, std::size_t pos, Token* out) {
    std::size_t i = pos + 1;
    std::size_t j = i;
    while (j < s.size() && std::isalpha(static_cast<unsigned char>(s[j]))) ++j;
    if (j == i || j >= s.size() || s[j] != '.') return false;
    std::string word = UpperAscii(s.substr(i, j - i));
    Token t = Make(Tok::Literal, pos, j + 1);
    if (word == "T" || word == "Y") {
        t.value = Value::Logical(true);
    } else if (word == "F" || word == "N") {
        t.value = Value::Logical(false);
    } else if (word == "NULL") {
        t.value = Value::Null();
    } else if (word == "AND" || word == "OR" || word == "NOT") {
        t.kind = Tok::Op;
        t.text = word;
    } else {
        return false;
    }
    *out = t;
    return true;
}

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

Token Number(const std::string& s, std::size_t pos) {
    std::size_t i = pos;
    int decimals = 0;
    // 0x1F: a number written in hexadecimal.
    if (s[i] == '0' && i + 2 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X') && IsHexDigit(s[i + 2])) {
        double n = 0;
        for (i += 2; i < s.size() && IsHexDigit(s[i]); ++i)
            n = n * 16 + (IsDigit(s[i]) ? s[i] - '0' : (s[i] | 0x20) - 'a' + 10);
        if (!std::isfinite(n)) return BadToken(pos, i, kErrOverflow);
        Token t = Make(Tok::Number, pos, i);
        t.number = n;
        return t;
    }
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i < s.size() && s[i] == '.') {
        Token dotted;
        // "1.AND." is the number 1 followed by .AND.; "1.5" is a fraction.
        if (!Dotted(s, i, &dotted)) {
            ++i;
            while (i < s.size() && IsDigit(s[i])) {
                ++i;
                ++decimals;
            }
        }
    }
    if (i + 1 < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && IsDigit(s[k])) {
            while (k < s.size() && IsDigit(s[k])) ++k;
            i = k;
        }
    }
    Token t = Make(Tok::Number, pos, i);
    t.number = std::strtod(s.substr(pos, i - pos).c_str(), nullptr);
    t.decimals = decimals;
    return t;
}

// A currency amount written as digits[.digits], in ten-thousandths,
// exactly (the fifth decimal rounds half up); other forms (1e3) go through
// the double. False when it does not fit.
bool ScaledCurrency(const std::string& written, double number, std::int64_t* out) {
    constexpr std::uint64_t kMax = 9223372036854775807ull;
    if (written.find_first_not_of("0123456789.") != std::string::npos) {
        double scaled = std::round(number * 10000.0);
        if (!(scaled < 9.2e18)) return false;
        *out = static_cast<std::int64_t>(scaled);
        return true;
    }
    std::uint64_t v = 0;
    int decimals = -1;  // digits after the point so far (-1: before it)
    bool up = false;
    for (char c : written) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (decimals >= 4) {  // only the fifth decimal counts, for the rounding
            if (decimals++ == 4) up = c >= '5';
            continue;
        }
        std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (v > (kMax - digit) / 10) return false;
        v = v * 10 + digit;
        if (decimals >= 0) ++decimals;
    }
    for (int k = decimals < 0 ? 0 : decimals; k < 4; ++k) {
        if (v > kMax / 10) return false;
        v *= 10;
    }
    if (up && ++v > kMax) return false;
    *out = static_cast<std::int64_t>(v);
    return true;
}

}  // namespace

bool ParseStrictDate(const std::string& inside, Value* out) {
    std::size_t i = 0;
    SkipBlanks(inside, i);
    if (i >= inside.size() || inside[i] != '^') return false;
    ++i;
    long y, m, d;
    if (Digits(inside, i, &y) == 0) return false;
    if (i >= inside.size() || (inside[i] != '-' && inside[i] != '/' && inside[i] != '.')) return false;
    ++i;
    if (Digits(inside, i, &m) == 0) return false;
    if (i >= inside.size() || (inside[i] != '-' && inside[i] != '/' && inside[i] != '.')) return false;
    ++i;
    if (Digits(inside, i, &d) == 0) return false;
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    long jdn = DayNumber(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
    int cy, cm, cd;
    CivilDate(jdn, &cy, &cm, &cd);
    if (cd != d) return false;  // 31 April and the like
    SkipBlanks(inside, i);
    if (i < inside.size() && inside[i] == ',') {
        ++i;
        SkipBlanks(inside, i);
    }
    if (i >= inside.size()) {
        *out = Value::Date(static_cast<double>(jdn));
        return true;
    }
    long h = 0, mi = 0, sec = 0;
    if (Digits(inside, i, &h) == 0) return false;
    if (i < inside.size() && inside[i] == ':') {
        ++i;
        if (Digits(inside, i, &mi) == 0) return false;
        if (i < inside.size() && inside[i] == ':') {
            ++i;
            if (Digits(inside, i, &sec) == 0) return false;
        }
    }
    SkipBlanks(inside, i);
    std::string rest = UpperAscii(inside.substr(i));
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
    if (rest == "AM" || rest == "A") {
        if (h < 1 || h > 12) return false;
        if (h == 12) h = 0;
    } else if (rest == "PM" || rest == "P") {
        if (h < 1 || h > 12) return false;
        if (h != 12) h += 12;
    } else if (!rest.empty()) {
        return false;
    }
    if (h > 23 || mi > 59 || sec > 59) return false;
    *out = Value::DateTime(static_cast<double>(jdn) + (h * 3600 + mi * 60 + sec) / 86400.0);
    return true;
}

Token ReadToken(const std::string& s, std::size_t pos, bool operand) {
    std::size_t i = pos;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
    if (i >= s.size()) return Make(Tok::End, i, i);
    char c = s[i];
    unsigned char uc = static_cast<unsigned char>(c);

    if (IsNameStart(uc)) {
        std::size_t j = i;
        while (j < s.size() && IsNameChar(static_cast<unsigned char>(s[j]))) ++j;
        Token t = Make(Tok::Ident, i, j);
        t.raw = s.substr(i, j - i);
        t.text = UpperAscii(t.raw);
        return t;
    }
    if (IsDigit(c)) return Number(s, i);
    if (c == '.') {
        Token t;
        if (Dotted(s, i, &t)) return t;
        if (i + 1 < s.size() && IsDigit(s[i + 1])) return Number(s, i);
        Token d = Make(Tok::Op, i, i + 1);
        d.text = ".";
        return d;
    }
    if (c == '"' || c == '\'' || (c == '[' && operand)) {
        char close = c == '[' ? ']' : c;
        std::size_t z = s.find(close, i + 1);
        if (z == std::string::npos) return BadToken(i, s.size(), kErrSyntax);
        Token t = Make(Tok::String, i, z + 1);
        t.text = s.substr(i + 1, z - i - 1);
        return t;
    }
    if (c == '{') {
        std::size_t z = s.find('}', i + 1);
        if (z == std::string::npos) return BadToken(i, s.size(), kErrSyntax);
        std::string inside = s.substr(i + 1, z - i - 1);
        Token t = Make(Tok::Literal, i, z + 1);
        bool digits = false, colon = false, caret = false;
        for (char ch : inside) {
            if (IsDigit(ch)) digits = true;
            if (ch == ':') colon = true;
            if (ch == '^') caret = true;
        }
        if (!digits && !caret) {
            // {}, {//}, {--}, {..}: the empty date; {:}, {/ / :}: the empty datetime.
            for (char ch : inside)
                if (ch != ' ' && ch != '/' && ch != '-' && ch != '.' && ch != ':')
                    return BadToken(i, z + 1, kErrSyntax);
            t.value = colon ? Value::DateTime(0) : Value::Date(0);
            return t;
        }
        if (!ParseStrictDate(inside, &t.value)) return BadToken(i, z + 1, kErrBadDate);
        return t;
    }
    if (c == '$' && operand) {
        std::size_t j = i + 1;
        while (j < s.size() && s[j] == ' ') ++j;
        bool negative = false;
        if (j < s.size() && s[j] == '-') {
            negative = true;
            ++j;
        }
        if (j < s.size() && (IsDigit(s[j]) || (s[j] == '.' && j + 1 < s.size() && IsDigit(s[j + 1])))) {
            Token n = Number(s, j);
            Token t = Make(Tok::Literal, i, n.end);
            std::int64_t scaled;
            if (!ScaledCurrency(s.substr(j, n.end - j), n.number, &scaled)) return BadToken(i, n.end, kErrOverflow);
            t.value = Value::Currency(negative ? -scaled : scaled);
            return t;
        }
    }

    Token t = Make(Tok::Op, i, i + 1);
    auto two = [&](const char* op) {
        if (s.compare(i, 2, op) == 0) {
            t.text.assign(op, 2);  // every operator here has two characters
            t.end = i + 2;
            return true;
        }
        return false;
    };
    if (two("**")) {
        t.text.assign(1, '^');
        return t;
    }
    if (two("==") || two("<>") || two("<=") || two(">=") || two("!=") || two("??") || two("&&"))
        return t;
    switch (c) {
    case '(': case ')': case '[': case ']': case ',': case '+': case '-': case '*':
    case '/': case '%': case '^': case '=': case '#': case '<': case '>': case '$':
    case '!': case '@': case '&': case '?': case ';': case ':':
        t.text = std::string(1, c);
        return t;
    default:
        return BadToken(i, i + 1, kErrSyntax);
    }
}

}  // namespace tarvo::run::lang
