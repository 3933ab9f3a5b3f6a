#include "strings/searches.h"

#include <algorithm>
#include <bitset>
#include <vector>

namespace tarvo {
namespace {

std::int32_t Position(std::size_t index) { return static_cast<std::int32_t>(index) + 1; }

// Index of the first character of text that occurs in set, or npos.
std::size_t FirstOf(std::string_view text, std::string_view set) {
    std::bitset<256> members;
    for (char c : set) members.set(static_cast<unsigned char>(c));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (members.test(static_cast<unsigned char>(text[i]))) return i;
    }
    return std::string_view::npos;
}

bool InRange(std::string_view text, std::int32_t n) {
    return n >= 1 && static_cast<std::uint32_t>(n) <= text.size();
}

// The walk of the parameter parser over a call text.
struct CallWalk {
    std::string_view text;
    std::size_t pos = 0;
    int depth = 1;
    std::int32_t commas = 0;

    // One step: account for the character at pos, then move past it. A quote
    // moves the walk to its partner first (to the end when there is none).
    void Step() {
        const char c = text[pos];
        if (c == ',') {
            if (depth == 1) ++commas;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == '"' || c == '\'') {
            const std::size_t partner = text.find(c, pos + 1);
            if (partner == std::string_view::npos) {
                pos = text.size();
                return;
            }
            pos = partner;
        }
        ++pos;
    }

    void WalkWhileCommasBelow(std::int32_t limit) {
        while (pos < text.size() && commas < limit && depth >= 1) Step();
    }
};

}  // namespace

std::int32_t StrNaiveSearch(std::string_view pattern, std::string_view text) {
    // The first occurrence is the same answer the naive left-to-right
    // comparison gives. A short pattern goes through find(), which gets there
    // with memchr on the first byte and costs at most kShortPattern
    // comparisons per text position. A longer one would let find() take
    // pattern length x text length steps on texts such as "aaa...a" and
    // "aa...ab"; Knuth-Morris-Pratt keeps that linear.
    constexpr std::size_t kShortPattern = 64;
    if (pattern.size() <= kShortPattern) {
        const std::size_t at = text.find(pattern);
        return at == std::string_view::npos ? 0 : Position(at);
    }
    if (pattern.size() > text.size()) return 0;
    // border[i]: length of the longest proper border of pattern[0..i].
    std::vector<std::uint32_t> border(pattern.size());
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < pattern.size(); ++i) {
        while (k > 0 && pattern[i] != pattern[k]) k = border[k - 1];
        if (pattern[i] == pattern[k]) ++k;
        border[i] = k;
    }
    std::size_t matched = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        while (matched > 0 && text[i] != pattern[matched]) matched = border[matched - 1];
        if (text[i] == pattern[matched] && ++matched == pattern.size())
            return Position(i + 1 - pattern.size());
    }
    return 0;
}

std::string_view StrCpbrk(std::string_view text, std::string_view set) {
    const std::size_t at = FirstOf(text, set);
    return text.substr(at == std::string_view::npos ? text.size() : at);
}

std::int32_t StrNpbrk(std::string_view text, std::string_view set) {
    const std::size_t at = FirstOf(text, set);
    return at == std::string_view::npos ? 0 : Position(at);
}

std::int32_t StrChrCnt(std::string_view text, char c) {
    return static_cast<std::int32_t>(std::count(text.begin(), text.end(), c));
}

std::int32_t StrBalanc(std::string_view text, std::string_view pair, std::int32_t n) {
    const char open = pair.size() > 0 ? pair[0] : '\0';
    const char close = pair.size() > 1 ? pair[1] : '\0';
    if (n < 1) return 0;
    std::int32_t openings = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == open && ++openings == n) break;
    }
    if (i == text.size()) return 0;
    std::int64_t depth = 1;
    for (++i; i < text.size(); ++i) {
        if (text[i] == open) {
            ++depth;
        } else if (text[i] == close && --depth == 0) {
            return Position(i);
        }
    }
    return 0;
}

std::string_view StrNParam(std::string_view call, std::int32_t n) {
    const std::size_t paren = call.find('(');
    if (paren == std::string_view::npos) return call;
    if (n < 1) return call.substr(0, 0);

    CallWalk walk{call, paren + 1};
    walk.WalkWhileCommasBelow(n - 1);
    const std::size_t start = walk.pos;
    walk.WalkWhileCommasBelow(n);

    // The parameter ends before a comma that stopped the walk, or before the
    // call's closing parenthesis; otherwise it runs to the end of the text.
    std::size_t end = call.size();
    const char last = call[walk.pos - 1];
    if (last == ',' || (last == ')' && walk.depth == 0)) end = walk.pos - 1;
    // When the first walk already ran out of parameters, that stop lies
    // before the start: the answer is everything from the start on.
    if (end < start) end = call.size();
    return call.substr(start, end - start);
}

std::string_view StrFirst(std::string_view text) {
    const std::size_t at = text.find_first_not_of(' ');
    return at == std::string_view::npos ? text.substr(0, 0) : text.substr(at, 1);
}

std::string_view StrLast(std::string_view text) {
    const std::size_t at = text.find_last_not_of(' ');
    return at == std::string_view::npos ? text.substr(0, 0) : text.substr(at, 1);
}

std::string_view StrN(std::string_view text, std::int32_t n) {
    if (!InRange(text, n)) return text.substr(0, 0);
    return text.substr(static_cast<std::size_t>(n) - 1, 1);
}

std::string_view StrChar(std::string_view text, std::int32_t n) {
    if (!InRange(text, n)) return text.substr(0, 0);
    return text.substr(static_cast<std::size_t>(n) - 1);
}

std::int32_t StrPeek(std::string_view text, std::int32_t n) {
    if (!InRange(text, n)) return 0;
    return static_cast<signed char>(text[static_cast<std::size_t>(n) - 1]);
}

bool StrStart(std::string_view a, std::string_view b) {
    const std::size_t m = std::min(a.size(), b.size());
    return a.substr(0, m) == b.substr(0, m);
}

bool StrEnd(std::string_view a, std::string_view b) {
    const std::size_t m = std::min(a.size(), b.size());
    return a.substr(a.size() - m) == b.substr(b.size() - m);
}

}  // namespace tarvo
