// Tokens of the host language, read one at a time from a statement's text.
//
// Some characters mean different things at the start of an operand and after
// one: '[' opens a string there but a subscript after a name; '$' followed by
// a digit is a currency amount there but the "contained in" operator after an
// operand; '{' only ever opens a date. The reader is therefore told which
// position it is in.
#pragma once

#include <cstddef>
#include <string>

#include "host/ascii.h"
#include "runner/value.h"

namespace tarvo::run::lang {

enum class Tok {
    End,      // end of the text
    Ident,    // a name; `text` holds it in upper case, `raw` as written
    Number,   // `number` with `decimals` digits after the point
    String,   // `text` holds the contents
    Literal,  // a date, datetime, currency, logical or null literal in `value`
    Op,       // an operator or punctuation in `text` (dotted forms as AND, OR, NOT)
    Bad,      // an unreadable token: `error` and `text` tell why
};

struct Token {
    Tok kind = Tok::End;
    std::string text;
    std::string raw;
    double number = 0;
    int decimals = 0;
    Value value;
    int error = 0;
    std::size_t pos = 0;  // where the token starts in the text
    std::size_t end = 0;  // one past its last character

    bool Is(Tok k, const char* t) const { return kind == k && text == t; }
    bool IsOp(const char* t) const { return Is(Tok::Op, t); }
    bool IsWord(const char* t) const { return Is(Tok::Ident, t); }
};

// Reads the token that starts at or after `pos` (blanks are skipped).
Token ReadToken(const std::string& text, std::size_t pos, bool operand);

// True for characters that may continue a name.
inline bool IsNameChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '_' || c >= 0x80;
}
inline bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

// Parses the inside of a strict date or datetime literal such as
// "^2024-01-31" or "^2024-01-31 10:20:30 PM" into `out`. Answers false when
// the text is not a valid date or time.
bool ParseStrictDate(const std::string& inside, Value* out);

}  // namespace tarvo::run::lang
