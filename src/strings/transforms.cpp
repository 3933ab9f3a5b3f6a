#include "strings/transforms.h"

#include <algorithm>
#include <bitset>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tarvo {
namespace {

std::bitset<256> MemberSet(std::string_view set) {
    std::bitset<256> members;
    for (char c : set) members.set(static_cast<unsigned char>(c));
    return members;
}

bool In(const std::bitset<256>& members, char c) {
    return members.test(static_cast<unsigned char>(c));
}

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Packed runs: marker byte, count byte = run + kCountBias, byte.
constexpr char kRunMarker = 1;
constexpr int kCountBias = 28;
constexpr int kLongestRun = 226;
constexpr int kLongestLiteralRun = 3;

// Digits _fcvt produces at most (its conversion buffer less the terminator).
constexpr std::int64_t kMaxFcvtDigits = 348;

}  // namespace

std::string_view StrLeft(std::string_view text, std::int32_t n) {
    if (n <= 0) return text.substr(0, 0);
    return text.substr(0, static_cast<std::size_t>(n));
}

std::string_view StrRight(std::string_view text, std::int32_t n) {
    if (n <= 0) return text.substr(text.size());
    const std::size_t take = std::min(text.size(), static_cast<std::size_t>(n));
    return text.substr(text.size() - take);
}

std::string_view StrTillNull(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string StrReduce(std::string_view text, Opt<char> reduce) {
    const char c = reduce.or_else(text.empty() ? '\0' : text.front());
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == c && i > 0 && text[i - 1] == c) continue;
        out.push_back(text[i]);
    }
    return out;
}

std::string_view StrLTrim(std::string_view text, char c) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == c) ++i;
    return text.substr(i);
}

std::string StrChrSwa(std::string_view text, char from, char to) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] != from) continue;
        if (to == '\0') {
            out.resize(i);
            break;
        }
        out[i] = to;
    }
    return out;
}

std::string StrKeep(std::string_view text, std::string_view set) {
    const auto members = MemberSet(set);
    std::string out;
    for (char c : text) {
        if (In(members, c)) out.push_back(c);
    }
    return out;
}

std::string StrExclude(std::string_view text, std::string_view set) {
    const auto members = MemberSet(set);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!In(members, c)) out.push_back(c);
    }
    return out;
}

std::string StrDiOnly(std::string_view text, Opt<Unread<'C'>>) {
    std::string out;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == '.') out.push_back(c);
    }
    return out;
}

std::string StrMirror(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

std::string StrPoke(std::string_view text, std::int32_t n, std::int32_t code) {
    std::string out(text);
    if (n < 1 || static_cast<std::uint32_t>(n) > out.size()) return out;
    const char byte = static_cast<char>(code & 0xFF);
    if (byte == '\0') {
        out.resize(static_cast<std::size_t>(n) - 1);
    } else {
        out[static_cast<std::size_t>(n) - 1] = byte;
    }
    return out;
}

std::string StrShl(std::string_view text, std::int32_t bits) {
    std::string out(text);
    if (out.empty() || bits <= 0 || bits > 8) return out;
    const unsigned back = 8u - static_cast<unsigned>(bits);
    unsigned carry = static_cast<unsigned char>(out.front()) >> back;
    for (std::size_t i = out.size(); i-- > 0;) {
        const unsigned old = static_cast<unsigned char>(out[i]);
        out[i] = static_cast<char>(((old << bits) + carry) & 0xFFu);
        carry = old >> back;
    }
    return out;
}

std::string StrShr(std::string_view text, std::int32_t bits) {
    std::string out(text);
    if (out.empty() || bits <= 0 || bits > 8) return out;
    const unsigned back = 8u - static_cast<unsigned>(bits);
    unsigned carry = (static_cast<unsigned>(static_cast<unsigned char>(out.back())) << back) & 0xFFu;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned old = static_cast<unsigned char>(out[i]);
        out[i] = static_cast<char>(((old >> bits) + carry) & 0xFFu);
        carry = (old << back) & 0xFFu;
    }
    return out;
}

std::string StrRelIn(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char previous = '\0';
    int count = 0;
    // Position text.size() stands for the terminating zero.
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        if (c == previous && count < kLongestRun) {
            ++count;
            continue;
        }
        if (count > kLongestLiteralRun) {
            out.push_back(kRunMarker);
            out.push_back(static_cast<char>(count + kCountBias));
            out.push_back(previous);
        } else {
            out.append(static_cast<std::size_t>(count), previous);
        }
        previous = c;
        count = 1;
    }
    return out;
}

std::string StrRelOut(std::string_view packed) {
    // Size first, with unsigned count bytes, so the output is allocated once.
    std::size_t size = 0;
    for (std::size_t i = 0; i < packed.size();) {
        if (packed[i] == kRunMarker && packed.size() - i >= 3) {
            size += static_cast<std::size_t>(
                std::max(static_cast<unsigned char>(packed[i + 1]) - kCountBias, 0));
            i += 3;
        } else {
            ++size;
            ++i;
        }
    }
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < packed.size();) {
        if (packed[i] == kRunMarker && packed.size() - i >= 3) {
            const int copies = static_cast<unsigned char>(packed[i + 1]) - kCountBias;
            if (copies > 0) out.append(static_cast<std::size_t>(copies), packed[i + 2]);
            i += 3;
        } else {
            out.push_back(packed[i++]);
        }
    }
    return out;
}

std::string StrComma(std::string_view number, char style) {
    const char decimalMark = style == ',' ? ',' : '.';
    const char groupMark = style == ',' ? '.' : ',';
    std::string text(number);
    std::replace(text.begin(), text.end(), '.', decimalMark);
    const std::size_t split = std::min(number.rfind('.'), number.size());

    // The integer part from its last character to its first, a group mark
    // before every fourth character written.
    std::string reversed;
    reversed.reserve(split + split / 3);
    int inGroup = 0;
    for (std::size_t i = split; i-- > 0;) {
        if (inGroup == 3) {
            reversed.push_back(groupMark);
            inGroup = 0;
        }
        reversed.push_back(text[i]);
        ++inGroup;
    }
    std::string out(reversed.rbegin(), reversed.rend());
    out.append(text, split, std::string::npos);
    return out;
}

std::string StrProper(std::string_view text, std::string_view delimiters) {
    delimiters = delimiters.substr(0, delimiters.find('\0'));
    std::bitset<256> isDelimiter = MemberSet(delimiters);
    isDelimiter.set(0);
    char previous = delimiters.empty() ? '\0' : delimiters.front();
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        char converted = c;
        if (previous != '\\') converted = In(isDelimiter, previous) ? ToUpper(c) : ToLower(c);
        if (c != '\\') out.push_back(converted);
        previous = c;
    }
    return out;
}

std::string FcvtDigits(double value, std::int32_t decimals) {
    // The significant digits and the position of the point relative to them.
    std::string mantissa;
    std::int64_t point = 1;
    if (std::isnan(value)) {
        mantissa = std::signbit(value) ? "1#IND" : "1#QNAN";
    } else if (std::isinf(value)) {
        mantissa = "1#INF";
    } else if (value == 0) {
        point = 0;
    } else {
        char buf[40];
        // d.dddddddddddddddde[+-]x: 17 significant digits, exactly rounded.
        const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                       std::chars_format::scientific, 16);
        const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
        const std::size_t e = sci.find('e');
        mantissa.push_back(sci[0]);
        mantissa.append(sci.substr(2, e - 2));
        point = std::strtol(std::string(sci.substr(e + 1)).c_str(), nullptr, 10) + 1;
    }

    const std::int64_t wanted = std::min<std::int64_t>(point + decimals, kMaxFcvtDigits);
    if (wanted < 0) return {};
    const std::size_t digits = static_cast<std::size_t>(wanted);
    const bool roundUp = digits < mantissa.size() && mantissa[digits] >= '5';
    std::string out = mantissa.substr(0, std::min(digits, mantissa.size()));
    out.resize(digits, '0');
    if (roundUp) {
        std::size_t i = digits;
        while (i > 0 && out[i - 1] == '9') out[--i] = '0';
        if (i > 0) {
            ++out[i - 1];
        } else {
            out.insert(out.begin(), '1');
            if (out.size() > static_cast<std::size_t>(kMaxFcvtDigits)) out.pop_back();
        }
    }
    return out;
}

std::string StrMake(const AnyValue& value) {
    char buffer[32];
    switch (value.type) {
    case '0': return ".NULL.";
    case 'C': return std::string(StrTillNull(value.text));
    case 'D': return "Should return a date";
    case 'G': return "<Gen>";
    case 'I': return std::to_string(value.integer);
    case 'L': return value.logical ? "1" : "0";
    case 'M': return "<Memo>";
    case 'N': return FcvtDigits(value.number, value.decimals);
    case 'T': return "Should return a datetime";
    case 'Y': {
        const auto low = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(value.currency)));
        std::snprintf(buffer, sizeof buffer, "$%d", static_cast<int>(low));
        return buffer;
    }
    default: return "Unknown data type";
    }
}

std::optional<std::string> StrIntStr(std::int32_t slot, Opt<std::string_view> text) {
    static std::string slots[3];
    if (slot < 1 || slot > 3) return std::nullopt;
    std::string& stored = slots[slot - 1];
    std::string previous = stored;
    if (text.present) stored = text.value.substr(0, 255);
    return previous;
}

const char* StrNull() { return ""; }
const char* StrMixup(Unread<'C'>, Unread<'I'>) { return ""; }
void StrFstDig(std::string_view) {}

}  // namespace tarvo
