// tarvo-run --check: the programs are read as the interpreter reads them
// (statements, the preprocessor, the block builder), then the calls in each
// statement are found token by token and parsed as expressions, so that
// their arguments can be counted and their literals typed.
#include "runner/lang/check.h"

#include <algorithm>
#include <map>
#include <set>

#include "host/nearest.h"
#include "runner/lang/builtins.h"
#include "runner/lang/expr.h"
#include "runner/lang/interp.h"
#include "runner/lang/lexer.h"
#include "runner/lang/parser.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

struct Source {
    std::string path;
    std::string folder;
    std::vector<SourceLine> lines;
};

// What the application itself defines, over all its programs.
struct Known {
    std::set<std::string> procedures;  // PROCEDURE and FUNCTION names, program stems
    std::set<std::string> declared;    // DECLARE ... IN dll names and aliases
    std::set<std::string> arrays;      // DIMENSION / LOCAL ARRAY ... names
};

std::vector<Token> Tokens(const std::string& text) {
    std::vector<Token> out;
    std::size_t pos = 0;
    bool operand = true;
    for (;;) {
        Token t = ReadToken(text, pos, operand);
        if (t.kind == Tok::End || t.kind == Tok::Bad || t.end <= pos) break;
        pos = t.end;
        operand = t.kind == Tok::Op && !t.IsOp(")") && !t.IsOp("]");
        out.push_back(std::move(t));
    }
    return out;
}

// The statement's text to look for calls in: a TEXT block's first line only.
std::string CodeOf(const SourceLine& l) {
    const std::vector<Token> t = Tokens(l.text.substr(0, l.text.find('\n')));
    if (!t.empty() && t[0].kind == Tok::Ident && KeyIs(t[0].text, "TEXT"))
        return l.text.substr(0, l.text.find('\n'));
    return l.text;
}

void Collect(const Source& s, Known* k) {
    k->procedures.insert(UpperAscii(Stem(s.path)));
    for (const SourceLine& l : s.lines) {
        const std::vector<Token> t = Tokens(CodeOf(l));
        if (t.empty() || t[0].kind != Tok::Ident) continue;
        const std::string& verb = t[0].text;
        if ((KeyIs(verb, "PROCEDURE") || KeyIs(verb, "FUNCTION")) && t.size() > 1 &&
            t[1].kind == Tok::Ident)
            k->procedures.insert(t[1].text);
        if (KeyIs(verb, "DECLARE")) {
            // DECLARE [type] name IN dll [AS alias] ...: every name before IN, and the alias.
            bool in = false;
            for (std::size_t i = 1; i < t.size(); ++i) {
                if (t[i].kind != Tok::Ident) continue;
                if (t[i].text == "IN") in = true;
                else if (!in) k->declared.insert(t[i].text);
                else if (t[i].text == "AS" && i + 1 < t.size()) k->declared.insert(t[i + 1].text);
            }
            // DECLARE name[n] (an array, as DIMENSION).
            for (std::size_t i = 1; i + 1 < t.size(); ++i)
                if (t[i].kind == Tok::Ident && (t[i + 1].IsOp("(") || t[i + 1].IsOp("[")))
                    k->arrays.insert(t[i].text);
        }
        if (KeyIs(verb, "DIMENSION") || KeyIs(verb, "LOCAL") || KeyIs(verb, "PUBLIC") ||
            KeyIs(verb, "PRIVATE")) {
            for (std::size_t i = 1; i + 1 < t.size(); ++i)
                if (t[i].kind == Tok::Ident && (t[i + 1].IsOp("(") || t[i + 1].IsOp("[")))
                    k->arrays.insert(t[i].text);
        }
        // Functions that make an array of their first argument (ADIR, ALINES ...).
        for (std::size_t i = 0; i + 2 < t.size(); ++i)
            if (t[i].kind == Tok::Ident && !t[i].text.empty() && t[i].text[0] == 'A' &&
                t[i + 1].IsOp("(") && IsBuiltin(t[i].text, true)) {
                std::size_t a = i + 2;
                if (t[a].IsOp("@") && a + 1 < t.size()) ++a;
                if (t[a].kind == Tok::Ident) k->arrays.insert(t[a].text);
            }
    }
}

const char* Kind(const Value& v) {
    switch (v.type) {
    case 'C': return "a text";
    case 'N': case 'I': case 'Y': return "a number";
    case 'D': return "a date";
    case 'T': return "a datetime";
    case 'L': return "a logical";
    case '0': return ".NULL.";
    default: return "a value";
    }
}

// Whether a literal of `v`'s type fits a parameter of `letter`, as the host
// converts arguments.
bool Fits(const Value& v, char letter) {
    switch (letter) {
    case 'C': return v.type == 'C';
    case 'N': case 'I': return v.type == 'N' || v.type == 'I' || v.type == 'Y';
    case 'D': return v.type == 'D' || v.type == 'T';
    case 'L': return v.type == 'L';
    case 'O': case 'R': return false;
    default: return true;
    }
}

const char* Declared(char letter) {
    switch (letter) {
    case 'C': return "a text";
    case 'N': return "a number";
    case 'I': return "an integer";
    case 'D': return "a date";
    case 'L': return "a logical";
    case 'O': return "an object";
    case 'R': return "a variable by reference (@name)";
    default: return "a value";
    }
}

// The literal an argument is, if it is one (a negative number included).
const Value* LiteralOf(const Expr& e) {
    if (e.kind == EK::Literal) return &e.value;
    if (e.kind == EK::Unary && e.op != Op::Not && e.args[0]->kind == EK::Literal) return &e.args[0]->value;
    return nullptr;
}

class Checker {
public:
    Checker(const Host& host, const Known& known, std::vector<Finding>* out)
        : host_(host), known_(known), out_(*out) {
        for (const FunctionInfo& f : host.functions())
            if (f.count >= 0) names_.push_back(f.name);
        for (const std::string& b : BuiltinNames()) names_.push_back(b);
        for (const std::string& p : known.procedures) names_.push_back(p);
    }

    void Statement(const Source& s, const SourceLine& l) {
        file_ = &s;
        line_ = l.line;
        StmtP st = ParseStatement(l.text, l.line);
        if (st->error == kErrNotAvailable || st->error == kErrUnknownVerb) {
            Say(FirstWords(l.text) + ": tarvo-run does not support this command (error " +
                std::to_string(st->error) + ": " + ErrorText(st->error) + ")");
        } else if (st->error) {
            Say("this statement cannot be read (error " + std::to_string(st->error) + ": " +
                (st->errorText.empty() ? ErrorText(st->error) : st->errorText) + ")");
        }
        const std::string code = CodeOf(l);
        const std::vector<Token> t = Tokens(code);
        if (t.size() >= 2 && t[0].IsWord("DO") && t[1].kind == Tok::Ident && !KeyIs(t[1].text, "WHILE") &&
            !KeyIs(t[1].text, "CASE") && !KeyIs(t[1].text, "FORM") && !KeyIs(t[1].text, "EVENTS"))
            DoTarget(t);
        // CREATE TABLE/CURSOR name (field C(10), ...) holds no calls; nor do
        // INSERT INTO name (fields) VALUES (...) in its table and VALUES
        // words, nor a query's aggregates.
        if (!t.empty() && t[0].IsWord("CREATE")) return;
        const bool insert = !t.empty() && t[0].IsWord("INSERT");
        const bool query = !t.empty() && t[0].IsWord("SELECT");
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            if (t[i].kind != Tok::Ident || !t[i + 1].IsOp("(")) continue;
            if (i > 0 && (t[i - 1].IsOp(".") || t[i - 1].IsOp("->") || t[i - 1].IsOp("@"))) continue;
            if (insert && (t[i].IsWord("VALUES") || (i > 0 && t[i - 1].IsWord("INTO")))) continue;
            if (query && (t[i].IsWord("COUNT") || t[i].IsWord("SUM") || t[i].IsWord("AVG") ||
                          t[i].IsWord("MIN") || t[i].IsWord("MAX")))
                continue;
            // The word after a verb (PROCEDURE name(a, b), DIMENSION a(3) ...) is
            // no call, but for the verbs that take an expression.
            if (i == 1 && t[0].kind == Tok::Ident && !IsCallingVerb(t[0].text)) continue;
            Call(code, t, i);
        }
    }

private:
    // Verbs whose next word, when followed by "(", is a call.
    static bool IsCallingVerb(const std::string& verb) {
        for (const char* v : {"IF", "ELSEIF", "CASE", "RETURN", "DO", "WAIT", "REPLACE", "STORE", "?", "??"})
            if (KeyIs(verb, v)) return true;
        return false;
    }

    static std::string FirstWords(const std::string& text) {
        const std::vector<Token> t = Tokens(text.substr(0, text.find('\n')));
        std::string s;
        for (std::size_t i = 0; i < t.size() && i < 2 && t[i].kind == Tok::Ident; ++i)
            s += (s.empty() ? "" : " ") + t[i].text;
        return s.empty() ? "the statement" : s;
    }

    void Say(const std::string& text) { out_.push_back({file_->path, line_, text}); }

    bool ProgramBeside(const std::string& name) const {
        const std::string file = HasExtension(name) ? name : name + ".prg";
        return FileExists(file) || (!IsAbsolute(file) && FileExists(file_->folder + file));
    }

    void DoTarget(const std::vector<Token>& t) {
        const std::string& name = t[1].text;
        if (t.size() > 2 && t[2].IsOp(".")) return;  // DO file.prg: a file name
        if (known_.procedures.count(name) || ProgramBeside(t[1].raw)) return;
        if (t.size() > 3 && t[2].IsWord("IN")) return;  // DO proc IN file: that file's procedure
        std::vector<std::string> procs(known_.procedures.begin(), known_.procedures.end());
        const std::vector<std::string> nearest = NearestNames(name, procs);
        Say("DO " + name + ": no procedure or program of that name (error 1 when it runs)" +
            (nearest.empty() ? std::string(".") : "; did you mean " + nearest[0] + "?"));
    }

    void Call(const std::string& code, const std::vector<Token>& t, std::size_t i) {
        const std::string& name = t[i].text;
        if (known_.arrays.count(name) || known_.declared.count(name)) return;
        const FunctionInfo* f = host_.Find(name);
        if (f && f->count >= 0) {
            Arguments(code, t, i, *f);
            return;
        }
        if (IsBuiltin(name, true) || known_.procedures.count(name) || ProgramBeside(t[i].raw)) return;
        const std::vector<std::string> nearest = NearestNames(name, names_);
        Say(name + " is no function of TARVO.fll, no built-in function of tarvo-run and no procedure of "
                   "these programs (error 1 when it runs)" +
            (nearest.empty() ? std::string(".") : "; did you mean " + Join(nearest) + "?"));
    }

    static std::string Join(const std::vector<std::string>& names) {
        std::string s;
        for (std::size_t i = 0; i < names.size(); ++i)
            s += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
        return s;
    }

    // The call's arguments against the function's type string.
    void Arguments(const std::string& code, const std::vector<Token>& t, std::size_t i, const FunctionInfo& f) {
        int depth = 0;
        std::size_t close = i + 1;
        for (; close < t.size(); ++close) {
            if (t[close].IsOp("(")) ++depth;
            if (t[close].IsOp(")") && --depth == 0) break;
        }
        if (close == t.size()) return;  // the statement's own error says it
        ExprP call;
        try {
            call = ParseExpression(code.substr(t[i].pos, t[close].end - t[i].pos));
        } catch (...) {
            return;
        }
        if (!call || call->kind != EK::Call) return;
        std::size_t required = 0;
        for (const ParamType& p : f.params)
            if (!p.optional) ++required;
        const std::size_t given = call->args.size(), declared = static_cast<std::size_t>(f.count);
        if (given < required || given > declared) {
            Say(f.name + " takes " +
                (required == declared ? std::to_string(declared)
                                      : std::to_string(required) + " to " + std::to_string(declared)) +
                " argument" + (declared == 1 ? "" : "s") + ", here " + std::to_string(given) +
                " (error 11 when it runs).");
            return;
        }
        for (std::size_t a = 0; a < given && a < f.params.size(); ++a) {
            const Expr& arg = *call->args[a];
            const char letter = f.params[a].letter;
            if (letter == 'R' && arg.kind != EK::Ref) {
                Say(f.name + ": argument " + std::to_string(a + 1) +
                    " is to be a variable passed by reference (@name) (error 11 when it runs).");
                continue;
            }
            const Value* v = LiteralOf(arg);
            if (v && !Fits(*v, letter))
                Say(f.name + ": argument " + std::to_string(a + 1) + " is " + Kind(*v) + " where " +
                    Declared(letter) + " is declared (error 11 when it runs).");
        }
    }

    const Host& host_;
    const Known& known_;
    std::vector<Finding>& out_;
    std::vector<std::string> names_;
    const Source* file_ = nullptr;
    int line_ = 0;
};

}  // namespace

std::vector<Finding> CheckPrograms(const std::vector<std::string>& paths, const Host& host) {
    std::vector<Finding> out;
    std::vector<Source> sources;
    Known known;
    for (const std::string& path : paths) {
        std::string text;
        if (!ReadWholeFile(path, &text)) {
            out.push_back({path, 0, "cannot be read"});
            continue;
        }
        Source s;
        s.path = path;
        const std::size_t slash = path.find_last_of("\\/");
        s.folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        CompileResult r;
        s.lines = Preprocess(SplitStatements(text), &r);
        Program whole;
        whole.name = UpperAscii(Stem(path));
        whole.path = path;
        CompileResult blocks = r.ok ? Compile(text, &whole) : r;
        if (!blocks.ok)
            out.push_back({path, blocks.line,
                           "the blocks do not pair up (error " + std::to_string(blocks.error) + ": " +
                               ErrorText(blocks.error) + ")"});
        Collect(s, &known);
        sources.push_back(std::move(s));
    }
    for (const Source& s : sources) {
        Checker c(host, known, &out);
        for (const SourceLine& l : s.lines) c.Statement(s, l);
    }
    std::stable_sort(out.begin(), out.end(), [&](const Finding& a, const Finding& b) {
        if (a.file != b.file) {
            auto at = [&](const std::string& f) { return std::find(paths.begin(), paths.end(), f) - paths.begin(); };
            return at(a.file) < at(b.file);
        }
        return a.line < b.line;
    });
    return out;
}

}  // namespace tarvo::run::lang
