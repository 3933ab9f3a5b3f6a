// Statements: from one statement's text to its parsed form.
#include "runner/lang/parser.h"

#include <algorithm>
#include <cstring>

#include "runner/lang/commands.h"
#include "runner/lang/errors.h"
#include "runner/lang/expr.h"
#include "runner/lang/lexer.h"

namespace tarvo::run::lang {
namespace {

using Parser = ExprParser;

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
    return s;
}
std::string TrimLeft(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

// Cuts an "&&" comment off, leaving "&&" inside strings alone.
std::string StripComment(const std::string& l) {
    char quote = 0;
    char prev = 0;  // last non-blank character outside strings
    for (std::size_t i = 0; i < l.size(); ++i) {
        char c = l[i];
        if (quote) {
            if (c == quote) {
                quote = 0;
                prev = 'x';
            }
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[' && !(IsNameChar(static_cast<unsigned char>(prev)) || prev == ')' || prev == ']')) {
            quote = ']';
        } else if (c == '&' && i + 1 < l.size() && l[i + 1] == '&') {
            return l.substr(0, i);
        }
        if (c != ' ' && c != '\t') prev = c;
    }
    return l;
}

bool IsCommentLine(const std::string& l) {
    std::string t = TrimLeft(l);
    if (t.empty()) return false;
    if (t[0] == '*') return true;
    if (t.size() >= 4 && UpperAscii(t.substr(0, 4)) == "NOTE" &&
        (t.size() == 4 || !IsNameChar(static_cast<unsigned char>(t[4]))))
        return true;
    return false;
}

// --- statements -----------------------------------------------------------------

StmtP NewStmt(const std::string& text, int line) {
    auto s = std::make_shared<Stmt>();
    s->line = line;
    s->source = TrimLeft(TrimRight(text));
    return s;
}

// The first two words of a statement, for the command lookup (the second
// empty unless it is a name).
void FirstWords(const std::string& text, Token* a, std::string* next) {
    *a = ReadToken(text, 0, true);
    Token b = ReadToken(text, a->end, true);
    *next = b.kind == Tok::Ident ? b.text : std::string();
}

void ParseWithCommand(Parser& p, Stmt& s, const Command& c) {
    s.command = &c;
    if (c.parse) c.parse(p, s);
}

StmtP ParseStatementOrThrow(const std::string& text, int line) {
    StmtP s = NewStmt(text, line);
    Parser p(text);
    if (p.AtEnd()) return s;
    const Token& first = p.cur();
    if (first.kind == Tok::Bad) p.Fail();
    if (first.IsOp("?") || first.IsOp("??") || first.IsOp("=") || first.IsOp("&")) {
        const Command& c = CommandNamed(first.text.c_str());
        p.Next();
        ParseWithCommand(p, *s, c);
        return s;
    }
    if (first.kind != Tok::Ident && !first.IsOp(".")) Raise(kErrUnknownVerb);

    // name = value, name(i) = value, object.property = value, .property = value
    std::size_t start = first.pos;
    bool assignment = false;
    try {
        p.Postfix();
        assignment = p.cur().IsOp("=");
    } catch (const ScriptError&) {
    }
    p.Rewind(start);
    if (assignment) {
        ParseWithCommand(p, *s, CommandNamed("<assignment>"));
        return s;
    }

    Token a;
    std::string next;
    FirstWords(text, &a, &next);
    bool second = false;
    if (const Command* c = FindCommand(a.text, next, &second)) {
        p.Next();
        if (second) {
            p.Next();
            p.Relex(true);
        }
        ParseWithCommand(p, *s, *c);
        return s;
    }
    // A function called on its own: f(x)
    ParseWithCommand(p, *s, CommandNamed("<call>"));
    return s;
}

// A statement that does not parse still keeps the program's blocks paired
// (it raises its error when it runs): it keeps the block role of the command
// its first words name. A procedure also needs its name.
const Command* StructuralCommand(const std::string& text, std::string* procName) {
    Token a;
    std::string next;
    FirstWords(text, &a, &next);
    if (a.kind != Tok::Ident) return nullptr;
    Token b = ReadToken(text, a.end, true);
    if (b.IsOp("=")) return nullptr;  // an assignment
    bool second = false;
    const Command* c = FindCommand(a.text, next, &second);
    if (!c || !(c->role & (kOpens | kContinues | kCloses | kProcedure))) return nullptr;
    if (c->role & kProcedure) {
        if (next.empty()) return nullptr;
        *procName = next;
    }
    return c;
}

// TEXT (not an assignment to a variable named so): the lines up to ENDTEXT
// are its text, not statements.
bool StartsText(const std::string& statement) {
    Token a = ReadToken(statement, 0, true);
    if (a.kind != Tok::Ident || !KeyIs(a.text, "TEXT")) return false;
    Token b = ReadToken(statement, a.end, false);
    return b.kind == Tok::End || b.kind == Tok::Ident;
}

bool EndsText(const std::string& l) {
    Token a = ReadToken(l, 0, true);
    return a.kind == Tok::Ident && KeyIs(a.text, "ENDTEXT");
}

}  // namespace

std::vector<SourceLine> SplitStatements(const std::string& text, int firstLine) {
    std::vector<SourceLine> out;
    std::string pending;
    int pendingLine = 0;
    bool continuing = false;
    bool commentContinues = false;
    int line = firstLine - 1;
    // Inside TEXT ... ENDTEXT: the TEXT statement, a line end, then each
    // line of its text followed by a line end.
    bool inText = false;
    std::string textBlock;
    int textLine = 0;
    std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // an editor's byte-order mark
    while (i <= text.size()) {
        std::size_t j = i;
        while (j < text.size() && text[j] != '\n' && text[j] != '\r') ++j;
        std::string l = text.substr(i, j - i);
        ++line;
        if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') ++j;
        bool last = j >= text.size();
        i = j + 1;

        if (inText) {
            if (EndsText(l)) {
                out.push_back({textBlock, textLine});
                out.push_back({TrimRight(StripComment(l)), line});
                inText = false;
            } else {
                textBlock += l + "\n";
            }
        } else if (commentContinues) {
            commentContinues = !TrimRight(l).empty() && TrimRight(l).back() == ';';
        } else if (!continuing && IsCommentLine(l)) {
            std::string t = TrimRight(l);
            commentContinues = !t.empty() && t.back() == ';';
        } else {
            std::string t = TrimRight(StripComment(l));
            bool more = !t.empty() && t.back() == ';';
            if (more) t.pop_back();
            if (!continuing) {
                pending = t;
                pendingLine = line;
            } else {
                pending += ' ';
                pending += TrimLeft(t);
            }
            continuing = more;
            if (!continuing) {
                if (StartsText(TrimLeft(pending))) {
                    inText = true;
                    textBlock = pending + "\n";
                    textLine = pendingLine;
                } else if (!TrimLeft(pending).empty()) {
                    out.push_back({pending, pendingLine});
                }
                pending.clear();
            }
        }
        if (last) break;
    }
    if (continuing && !TrimLeft(pending).empty()) out.push_back({pending, pendingLine});
    if (inText) out.push_back({textBlock, textLine});
    return out;
}

StmtP ParseStatement(const std::string& text, int line) {
    try {
        return ParseStatementOrThrow(text, line);
    } catch (const ScriptError& e) {
        StmtP s = NewStmt(text, line);
        std::string name;
        s->command = StructuralCommand(text, &name);
        if (s->command && (s->command->role & kProcedure)) {
            ProcHead head;
            head.name = name;
            s->payload = head;
        }
        s->error = e.number;
        s->errorText = e.message;
        s->errorHint = e.hint;
        return s;
    }
}

}  // namespace tarvo::run::lang
