// Statements: from one statement's text to its parsed form.
#include "runner/lang/parser.h"

#include <algorithm>
#include <cstring>

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

// --- keywords ----------------------------------------------------------------


// The command verbs, in the order abbreviations are tried.
const char* const kVerbs[] = {
    "STORE", "LOCAL", "LPARAMETERS", "PRIVATE", "PUBLIC", "DIMENSION", "DECLARE", "RELEASE",
    "IF", "ELSE", "ENDIF", "DO", "CASE", "OTHERWISE", "ENDCASE", "ENDDO", "FOR", "ENDFOR",
    "NEXT", "EXIT", "LOOP", "PROCEDURE", "FUNCTION", "ENDPROC", "ENDFUNC", "PARAMETERS",
    "RETURN", "WAIT", "SET", "TRY", "CATCH", "FINALLY", "ENDTRY", "ON", "DOEVENTS", "QUIT",
    "CANCEL", "ERROR", "THROW", "ERASE", "DELETE", "CLEAR", "CD", "CHDIR", "MD", "MKDIR",
    "RD", "RMDIR", "NOTE",
};

std::string Verb(const std::string& word) {
    if (word == "ENDF") return "ENDF";  // ENDFOR or ENDFUNC, by context
    for (const char* v : kVerbs)
        if (KeyIs(word, v)) return v;
    return "";
}

// --- the parser ----------------------------------------------------------------

StmtP NewStmt(SK kind) {
    auto s = std::make_shared<Stmt>();
    s->kind = kind;
    return s;
}

void ParseDeclarations(Parser& p, Stmt& s, bool arrays) {
    p.Relex(true);
    if (p.cur().kind == Tok::Ident && KeyIs(p.cur().text, "ARRAY") && arrays == false) {
        p.Next();
        arrays = true;
    }
    for (;;) {
        s.decls.push_back(p.Declaration(arrays && s.kind == SK::Dimension));
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.ExpectEnd();
}

std::vector<std::string> ParameterList(Parser& p) {
    std::vector<std::string> names;
    if (p.AtEnd()) return names;
    for (;;) {
        names.push_back(p.Name());
        p.SkipAsClause();
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    return names;
}

void ParseSet(Parser& p, Stmt& s) {
    if (p.cur().kind != Tok::Ident) p.Fail();
    std::string option = p.cur().text;
    p.Next();
    p.Relex(true);
    static const char* const kKnown[] = {"EXACT", "DATE", "CENTURY", "DECIMALS", "HOURS",
                                         "LIBRARY", "DEFAULT", "TALK", "SAFETY", "ECHO",
                                         "NOTIFY", "STATUS", "BELL", "ESCAPE", "CONSOLE",
                                         "DELETED", "STRICTDATE", "COMPATIBLE", "MULTILOCKS"};
    std::string canon;
    for (const char* k : kKnown)
        if (KeyIs(option, k)) canon = k;
    if (canon.empty()) Raise(kErrPhrase);
    s.word = canon;
    if (canon == "LIBRARY") {
        s.kind = SK::SetLibrary;
        if (!p.Word("TO")) p.Fail();
        s.target = p.NameArgument();
        if (p.Word("ADDITIVE")) s.flag2 = true;
        p.ExpectEnd();
        return;
    }
    if (canon == "DEFAULT") {
        s.kind = SK::ChangeDir;
        if (!p.Word("TO")) p.Fail();
        s.target = p.NameArgument();
        p.ExpectEnd();
        return;
    }
    s.kind = SK::Set;
    if (p.Word("TO")) {
        if (canon == "DATE") {
            s.names.push_back(p.Name());
        } else if (!p.AtEnd()) {
            s.exprs.push_back(p.Expression());
        }
    } else if (p.cur().kind == Tok::Ident) {
        s.names.push_back(p.Name());
    } else if (!p.AtEnd()) {
        p.Fail();
    }
    p.ExpectEnd();
}

void ParseWait(Parser& p, Stmt& s) {
    s.kind = SK::Wait;
    for (;;) {
        p.Relex(true);
        if (p.AtEnd()) break;
        if (p.Word("WINDOW")) {
            s.flag = true;
        } else if (p.Word("NOWAIT")) {
            s.flag2 = true;
        } else if (p.Word("NOCLEAR")) {
        } else if (p.Word("TIMEOUT")) {
            s.timeout = p.Expression();
        } else if (p.cur().IsWord("TO")) {
            p.Next();
            s.names.push_back(p.Name());
        } else if (p.cur().IsWord("AT")) {
            p.Next();
            p.Expression();
            p.Expect(",");
            p.Expression();
        } else if (s.exprs.empty()) {
            s.exprs.push_back(p.Expression());
        } else {
            p.Fail();
        }
    }
}

void ParseDo(Parser& p, Stmt& s) {
    p.Relex(true);
    if (p.Word("CASE")) {
        s.kind = SK::DoCase;
        p.ExpectEnd();
        return;
    }
    if (p.Word("WHILE")) {
        s.kind = SK::While;
        s.exprs.push_back(p.Expression());
        p.ExpectEnd();
        return;
    }
    s.kind = SK::Do;
    if (p.AtEnd()) p.Fail();
    s.target = p.NameArgument();
    p.Relex(true);
    if (p.Word("WITH")) {
        for (;;) {
            s.args.push_back(p.Expression());
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
    }
    p.ExpectEnd();
}

void ParseCommand(Parser& p, Stmt& s, const std::string& verb) {
    auto expressionList = [&](std::vector<ExprP>& out) {
        p.Relex(true);
        if (p.AtEnd()) return;
        for (;;) {
            out.push_back(p.Expression());
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
    };
    auto optionalExpression = [&]() {
        p.Relex(true);
        if (!p.AtEnd()) s.exprs.push_back(p.Expression());
        p.ExpectEnd();
    };
    if (verb == "STORE") {
        s.kind = SK::Store;
        p.Relex(true);
        s.exprs.push_back(p.Expression());
        if (!p.Word("TO")) p.Fail();
        for (;;) {
            s.targets.push_back({p.Postfix()});
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
        p.ExpectEnd();
    } else if (verb == "LOCAL" || verb == "PRIVATE" || verb == "PUBLIC" || verb == "DIMENSION" ||
               verb == "DECLARE") {
        s.kind = verb == "LOCAL" ? SK::Local : verb == "PRIVATE" ? SK::Private
               : verb == "PUBLIC" ? SK::Public : SK::Dimension;
        if (s.kind == SK::Private && p.cur().IsWord("ALL")) Raise(kErrNotAvailable);
        ParseDeclarations(p, s, s.kind == SK::Dimension);
    } else if (verb == "LPARAMETERS" || verb == "PARAMETERS") {
        s.kind = SK::Parameters;
        s.flag = verb == "LPARAMETERS";
        s.names = ParameterList(p);
        p.ExpectEnd();
    } else if (verb == "RELEASE") {
        p.Relex(true);
        if (p.Word("LIBRARY")) {
            s.kind = SK::ReleaseLibrary;
            s.target = p.NameArgument();
        } else if (p.Word("ALL")) {
            s.kind = SK::ReleaseAll;
            p.Word("EXTENDED");
        } else {
            s.kind = SK::Release;
            for (;;) {
                s.names.push_back(p.Name());
                if (!p.cur().IsOp(",")) break;
                p.Next();
            }
        }
        p.ExpectEnd();
    } else if (verb == "IF") {
        s.kind = SK::If;
        p.Relex(true);
        s.exprs.push_back(p.Expression());
        p.Word("THEN");
        p.ExpectEnd();
    } else if (verb == "ELSE" || verb == "ENDIF" || verb == "OTHERWISE" || verb == "ENDCASE" ||
               verb == "ENDDO" || verb == "ENDFOR" || verb == "FINALLY" || verb == "ENDTRY" ||
               verb == "ENDPROC" || verb == "ENDFUNC" || verb == "ENDF" || verb == "TRY") {
        static const std::pair<const char*, SK> kMarkers[] = {
            {"ELSE", SK::Else}, {"ENDIF", SK::EndIf}, {"OTHERWISE", SK::Otherwise},
            {"ENDCASE", SK::EndCase}, {"ENDDO", SK::EndDo}, {"ENDFOR", SK::EndFor},
            {"FINALLY", SK::Finally}, {"ENDTRY", SK::EndTry}, {"ENDPROC", SK::EndProc},
            {"ENDFUNC", SK::EndProc}, {"ENDF", SK::EndF}, {"TRY", SK::Try}};
        for (const auto& [name, kind] : kMarkers)
            if (verb == name) s.kind = kind;
        // The host tolerates words after these (ENDIF && comment, ENDFOR i, ...).
    } else if (verb == "NEXT") {
        s.kind = SK::EndFor;
    } else if (verb == "DO") {
        ParseDo(p, s);
    } else if (verb == "CASE") {
        s.kind = SK::CaseClause;
        p.Relex(true);
        s.exprs.push_back(p.Expression());
        p.ExpectEnd();
    } else if (verb == "FOR") {
        p.Relex(true);
        if (p.cur().IsWord("EACH")) {
            p.Next();
            s.kind = SK::ForEach;
            s.word = p.Name();
            if (!p.Word("IN")) p.Fail();
            s.exprs.push_back(p.Expression());
            p.Word("FOXOBJECT");
        } else {
            s.kind = SK::For;
            s.word = p.Name();
            p.Expect("=");
            s.exprs.push_back(p.Expression());
            if (!p.Word("TO")) p.Fail();
            s.exprs.push_back(p.Expression());
            if (p.Word("STEP")) s.exprs.push_back(p.Expression());
        }
        p.ExpectEnd();
    } else if (verb == "EXIT" || verb == "LOOP") {
        s.kind = verb == "EXIT" ? SK::Exit : SK::Loop;
        p.ExpectEnd();
    } else if (verb == "PROCEDURE" || verb == "FUNCTION") {
        s.kind = SK::ProcStart;
        s.word = p.Name();
        if (p.cur().IsOp("(")) {
            s.flag = true;
            p.Next();
            if (!p.cur().IsOp(")")) s.names = ParameterList(p);
            p.Expect(")");
        }
        p.SkipAsClause();
        p.ExpectEnd();
    } else if (verb == "RETURN") {
        s.kind = SK::Return;
        p.Relex(true);
        if (p.cur().IsWord("TO")) Raise(kErrNotAvailable);
        optionalExpression();
    } else if (verb == "WAIT") {
        ParseWait(p, s);
    } else if (verb == "SET") {
        ParseSet(p, s);
    } else if (verb == "CATCH") {
        s.kind = SK::Catch;
        p.Relex(true);
        if (p.Word("TO")) s.word = p.Name();
        p.Relex(true);
        if (p.Word("WHEN")) s.exprs.push_back(p.Expression());
        p.ExpectEnd();
    } else if (verb == "ON") {
        if (!p.Word("ERROR")) Raise(kErrNotAvailable);
        s.kind = SK::OnError;
        s.word = p.Rest();
    } else if (verb == "DOEVENTS") {
        s.kind = SK::DoEvents;
        p.Word("FORCE");
        p.ExpectEnd();
    } else if (verb == "QUIT" || verb == "CANCEL") {
        s.kind = verb == "QUIT" ? SK::Quit : SK::Cancel;
        p.ExpectEnd();
    } else if (verb == "ERROR") {
        s.kind = SK::RaiseError;
        expressionList(s.exprs);
        if (s.exprs.empty()) p.Fail();
        p.ExpectEnd();
    } else if (verb == "THROW") {
        s.kind = SK::Throw;
        optionalExpression();
    } else if (verb == "ERASE" || verb == "DELETE") {
        if (verb == "DELETE" && !p.Word("FILE")) Raise(kErrNotAvailable);
        s.kind = SK::Erase;
        p.Relex(true);
        s.target = p.NameArgument();
        if (!s.target.present) p.Fail();
        p.ExpectEnd();
    } else if (verb == "CLEAR") {
        s.kind = SK::Nop;
    } else if (verb == "CD" || verb == "CHDIR" || verb == "MD" || verb == "MKDIR" ||
               verb == "RD" || verb == "RMDIR") {
        s.kind = (verb == "CD" || verb == "CHDIR") ? SK::ChangeDir
               : (verb == "MD" || verb == "MKDIR") ? SK::MakeDir : SK::RemoveDir;
        p.Relex(true);
        s.target = p.NameArgument();
        if (!s.target.present) p.Fail();
        p.ExpectEnd();
    } else if (verb == "NOTE") {
        s.kind = SK::Nop;
    } else {
        Raise(kErrUnknownVerb);
    }
}

StmtP ParseStatementOrThrow(const std::string& text, int line) {
    StmtP s = NewStmt(SK::Nop);
    s->line = line;
    s->source = TrimLeft(TrimRight(text));
    Parser p(text);
    if (p.AtEnd()) return s;
    const Token& first = p.cur();
    if (first.kind == Tok::Bad) p.Fail();
    if (first.IsOp("?") || first.IsOp("??")) {
        s->kind = SK::Print;
        s->flag = first.IsOp("??");
        p.Next();
        if (!p.AtEnd()) {
            for (;;) {
                s->exprs.push_back(p.Expression());
                if (!p.cur().IsOp(",")) break;
                p.Next();
            }
        }
        p.ExpectEnd();
        return s;
    }
    if (first.IsOp("=")) {
        s->kind = SK::Eval;
        p.Next();
        s->exprs.push_back(p.Expression());
        p.ExpectEnd();
        return s;
    }
    if (first.IsOp("&")) {
        p.Next();
        if (p.cur().kind != Tok::Ident) p.Fail();
        s->kind = SK::Macro;
        return s;
    }
    if (first.kind != Tok::Ident) Raise(kErrUnknownVerb);

    // name = value, name(i) = value, object.property = value
    {
        std::size_t start = first.pos;
        bool assignment = false;
        ExprP target;
        try {
            target = p.Postfix();
            assignment = p.cur().IsOp("=");
        } catch (const ScriptError&) {
        }
        if (assignment) {
            s->kind = SK::Assign;
            p.Next();
            s->targets.push_back({target});
            s->exprs.push_back(p.Expression());
            p.ExpectEnd();
            return s;
        }
        p.Rewind(start);
    }

    std::string word = p.cur().text;
    std::string verb = Verb(word);
    if (!verb.empty()) {
        p.Next();
        ParseCommand(p, *s, verb);
        return s;
    }
    // A function call on its own: f(x)
    ExprP e = p.Expression();
    if (e->kind != EK::Call || e->parenthesized) Raise(kErrUnknownVerb);
    p.ExpectEnd();
    s->kind = SK::Eval;
    s->exprs.push_back(e);
    return s;
}

// The block a statement opens or closes, judged from its first words, so that a
// statement that does not parse still keeps the program's blocks paired (it
// raises its error when it runs). SK::Bad for every other statement.
SK StructuralKind(const std::string& text, std::string* procName) {
    Token a = ReadToken(text, 0, true);
    if (a.kind != Tok::Ident) return SK::Bad;
    Token b = ReadToken(text, a.end, true);
    std::string verb = Verb(a.text);
    if (b.IsOp("=")) return SK::Bad;  // an assignment
    if (verb == "IF") return SK::If;
    if (verb == "CASE") return SK::CaseClause;
    if (verb == "CATCH") return SK::Catch;
    if (verb == "FOR") return b.IsWord("EACH") ? SK::ForEach : SK::For;
    if (verb == "DO" && b.kind == Tok::Ident && KeyIs(b.text, "WHILE")) return SK::While;
    if (verb == "DO" && b.kind == Tok::Ident && KeyIs(b.text, "CASE")) return SK::DoCase;
    if ((verb == "PROCEDURE" || verb == "FUNCTION") && b.kind == Tok::Ident) {
        if (procName) *procName = b.text;
        return SK::ProcStart;
    }
    return SK::Bad;
}

}  // namespace

std::vector<SourceLine> SplitStatements(const std::string& text) {
    std::vector<SourceLine> out;
    std::string pending;
    int pendingLine = 0;
    bool continuing = false;
    bool commentContinues = false;
    int line = 0;
    std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // an editor's byte-order mark
    while (i <= text.size()) {
        std::size_t j = i;
        while (j < text.size() && text[j] != '\n' && text[j] != '\r') ++j;
        std::string l = text.substr(i, j - i);
        ++line;
        if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') ++j;
        bool last = j >= text.size();
        i = j + 1;

        if (commentContinues) {
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
                if (!TrimLeft(pending).empty()) out.push_back({pending, pendingLine});
                pending.clear();
            }
        }
        if (last) break;
    }
    if (continuing && !TrimLeft(pending).empty()) out.push_back({pending, pendingLine});
    return out;
}

StmtP ParseStatement(const std::string& text, int line) {
    try {
        return ParseStatementOrThrow(text, line);
    } catch (const ScriptError& e) {
        StmtP s = NewStmt(StructuralKind(text, nullptr));
        s->line = line;
        s->source = TrimLeft(TrimRight(text));
        s->error = e.number;
        s->errorText = e.message;
        if (s->kind == SK::ProcStart) StructuralKind(text, &s->word);
        return s;
    }
}

}  // namespace tarvo::run::lang
