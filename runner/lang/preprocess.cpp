// The preprocessor: #DEFINE and #UNDEF name constants, #IF, #ELIF, #ELSE,
// #ENDIF, #IFDEF and #IFNDEF keep or drop statements while the program is
// compiled, and #INCLUDE reads a file's statements in place of its line.
//
// A constant is replaced wherever its name stands as a name in a statement
// (not inside strings, not after a full stop, not in the text of TEXT ...
// ENDTEXT), case not counting; its text may use constants defined before.
// #IF takes an expression of literals and constants.
#include <map>

#include "runner/lang/errors.h"
#include "runner/lang/expr.h"
#include "runner/lang/lexer.h"
#include "runner/lang/ops.h"
#include "runner/lang/parser.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

using Defines = std::map<std::string, std::string>;

constexpr std::size_t kLongest = 1 << 20;  // the longest statement substitution makes

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    std::size_t e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The statement with each constant's name replaced by its text.
std::string Substitute(const std::string& text, const Defines& d, int depth = 0) {
    if (d.empty() || depth > 16) return text;
    std::size_t nl = text.find('\n');
    std::string head = text.substr(0, nl), out;
    std::size_t done = 0, pos = 0;
    bool operand = true;
    std::string prev;
    for (;;) {
        Token t = ReadToken(head, pos, operand);
        if (t.kind == Tok::End || t.kind == Tok::Bad) break;
        if (out.size() > kLongest) break;  // constants that grow without end stay as they are
        if (t.kind == Tok::Ident && prev != "." && prev != ">") {
            auto it = d.find(t.text);
            if (it != d.end()) {
                out += head.substr(done, t.pos - done) + Substitute(it->second, d, depth + 1);
                done = t.end;
            }
        }
        operand = t.kind == Tok::Op ? !(t.text == ")" || t.text == "]")
                : t.kind == Tok::Ident && (t.text == "AND" || t.text == "OR" || t.text == "NOT");
        prev = t.kind == Tok::Op ? t.text : "";
        pos = t.end;
    }
    out += head.substr(done);
    if (nl != std::string::npos) out += text.substr(nl);
    return out;
}

// The value of an #IF expression: literals and operators only.
Value Constant(const Expr& e, const Settings& s) {
    switch (e.kind) {
    case EK::Literal: return e.value;
    case EK::Unary: {
        Value v = Constant(*e.args[0], s);
        if (e.op == Op::Not) return Value::Logical(!Truth(v));
        return e.op == Op::Neg ? Negate(v) : v;
    }
    case EK::Binary: {
        Value a = Constant(*e.args[0], s), b = Constant(*e.args[1], s);
        switch (e.op) {
        case Op::And: return Value::Logical(Truth(a) && Truth(b));
        case Op::Or: return Value::Logical(Truth(a) || Truth(b));
        case Op::Add: case Op::Sub: case Op::Mul: case Op::Div: case Op::Mod: case Op::Pow:
            return Arithmetic(e.op, a, b, s);
        default: return Compare(e.op, a, b, s);
        }
    }
    default: Raise(kErrSyntax);
    }
}

bool Condition(const std::string& text, const Defines& d) {
    Settings s;
    Value v = Constant(*ParseExpression(Substitute(text, d)), s);
    if (IsNumber(v)) return v.asNumber() != 0;
    return Truth(v);
}

struct Level {
    bool active;     // the lines of this level are kept
    bool taken;      // a branch of this #IF was kept already
    bool sawElse;
    bool outer;      // the level around was active
};

class Preprocessor {
public:
    Preprocessor(CompileResult* r) : r_(r) {}

    void Run(const std::vector<SourceLine>& lines, int asLine, int depth) {
        for (const SourceLine& l : lines) {
            if (!r_->ok) return;
            SourceLine at = l;
            if (asLine) at.line = asLine;
            std::string t = Trim(l.text.substr(0, l.text.find('\n')));
            if (!t.empty() && t[0] == '#') {
                Directive(at, t.substr(1), depth);
            } else if (Active()) {
                at.text = Substitute(at.text, defines_);
                out_.push_back(at);
            }
        }
    }

    std::vector<SourceLine> Finish(int lastLine) {
        if (r_->ok && !levels_.empty()) Fail(lastLine, kErrNesting, true);
        return std::move(out_);
    }

private:
    bool Active() const { return levels_.empty() || levels_.back().active; }

    void Fail(int line, int error, bool incomplete = false) {
        r_->ok = false;
        r_->error = error;
        r_->line = line;
        r_->incomplete = incomplete;
    }

    // A directive that does not parse stays a statement, which raises its
    // error when it runs.
    void Bad(const SourceLine& l) {
        if (Active()) out_.push_back(l);
    }

    void Directive(const SourceLine& l, const std::string& body, int depth) {
        std::size_t i = body.find_first_not_of(" \t");
        std::size_t j = i == std::string::npos ? i : body.find_first_of(" \t", i);
        std::string word = i == std::string::npos ? "" : UpperAscii(body.substr(i, j == std::string::npos ? j : j - i));
        std::string rest = j == std::string::npos ? "" : Trim(body.substr(j));
        std::string name = UpperAscii(rest.substr(0, rest.find_first_of(" \t")));
        if (KeyIs(word, "IF") || KeyIs(word, "IFDEF") || KeyIs(word, "IFNDEF")) {
            bool outer = Active();
            bool holds = false;
            if (outer) {
                try {
                    if (KeyIs(word, "IF")) holds = Condition(rest, defines_);
                    else holds = defines_.count(name) == (KeyIs(word, "IFDEF") ? 1u : 0u);
                } catch (const ScriptError& e) {
                    return Fail(l.line, e.number);
                }
            }
            levels_.push_back({outer && holds, holds, false, outer});
        } else if (KeyIs(word, "ELIF") || KeyIs(word, "ELSE")) {
            if (levels_.empty() || levels_.back().sawElse) return Fail(l.line, kErrNesting);
            Level& lv = levels_.back();
            bool holds = !lv.taken;
            if (holds && word != "ELSE" && lv.outer) {
                try {
                    holds = Condition(rest, defines_);
                } catch (const ScriptError& e) {
                    return Fail(l.line, e.number);
                }
            }
            lv.sawElse = !KeyIs(word, "ELIF");
            lv.active = lv.outer && holds;
            lv.taken = lv.taken || holds;
        } else if (KeyIs(word, "ENDIF")) {
            if (levels_.empty()) return Fail(l.line, kErrNesting);
            levels_.pop_back();
        } else if (!Active()) {
            return;
        } else if (KeyIs(word, "DEFINE")) {
            if (name.empty() || !IsNameStart(static_cast<unsigned char>(name[0]))) return Bad(l);
            defines_[name] = Trim(rest.substr(name.size()));
        } else if (KeyIs(word, "UNDEFINE")) {
            if (name.empty()) return Bad(l);
            defines_.erase(name);
        } else if (KeyIs(word, "INCLUDE")) {
            std::string file = rest;
            if (file.size() >= 2 && (file[0] == '"' || file[0] == '\'' || file[0] == '['))
                file = file.substr(1, file.size() - 2);
            std::string text;
            if (file.empty() || depth > 16 || !ReadWholeFile(file, &text)) return Fail(l.line, kErrFileMissing);
            Run(SplitStatements(text), l.line, depth + 1);
        } else {
            Bad(l);
        }
    }

    CompileResult* r_;
    Defines defines_;
    std::vector<Level> levels_;
    std::vector<SourceLine> out_;
};

}  // namespace

std::span<const char* const> Directives() {
    static const char* const kDirectives[] = {"#DEFINE", "#UNDEF", "#IF", "#ELIF", "#ELSE",
                                              "#ENDIF", "#IFDEF", "#IFNDEF", "#INCLUDE"};
    return kDirectives;
}

std::vector<SourceLine> Preprocess(const std::vector<SourceLine>& lines, CompileResult* r) {
    Preprocessor p(r);
    p.Run(lines, 0, 0);
    return p.Finish(lines.empty() ? 0 : lines.back().line);
}

}  // namespace tarvo::run::lang
