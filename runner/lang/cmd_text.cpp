// Commands: TEXT ... ENDTEXT and WITH ... ENDWITH.
#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

// TEXT [TO name [ADDITIVE]] [TEXTMERGE] [NOSHOW]: the statement carries its
// lines (the statement splitter joins them to it, one per line end).
struct TextBlock {
    std::string to;
    bool additive = false;
    bool merge = false;
    bool noShow = false;
    std::vector<std::string> lines;
};

struct WithBlock {
    ExprP object;
};

void ParseText(ExprParser& p, Stmt& s) {
    const std::string& all = p.text();
    std::size_t nl = all.find('\n');
    TextBlock t;
    for (std::size_t i = nl; i != std::string::npos && i + 1 < all.size();) {
        std::size_t e = all.find('\n', i + 1);
        t.lines.push_back(all.substr(i + 1, e - i - 1));
        i = e;
    }
    ExprParser q(all.substr(0, nl));
    q.Next();  // TEXT
    for (;;) {
        q.Relex(true);
        if (q.AtEnd()) break;
        if (q.Word("TO")) {
            if (!t.to.empty()) q.Fail();
            t.to = q.Name();
        } else if (q.Word("ADDITIVE")) {
            t.additive = true;
        } else if (q.Word("TEXTMERGE")) {
            t.merge = true;
        } else if (q.Word("NOSHOW")) {
            t.noShow = true;
        } else if (q.cur().IsWord("FLAGS") || q.cur().IsWord("PRETEXT")) {
            Raise(kErrNotAvailable);
        } else {
            q.ExpectEnd();
        }
    }
    if (t.additive && t.to.empty()) Raise(kErrPhrase);
    s.payload = t;
}

// The lines are shown, each as a line of output, unless NOSHOW; TO stores
// them in a variable, joined by CR LF (ADDITIVE: after its text and a CR LF).
// TEXTMERGE replaces each <<expression>> by its value.
Flow ExecText(Interpreter& in, const Stmt& s) {
    const TextBlock& t = s.As<TextBlock>();
    std::string joined;
    std::vector<std::string> lines;
    for (const std::string& l : t.lines) lines.push_back(t.merge ? MergeText(in, l) : l);
    if (!t.noShow) {
        for (const std::string& l : lines) {
            in.NewLine();
            in.Write(l);
        }
    }
    if (t.to.empty()) return Flow::Next;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) joined += "\r\n";
        joined += lines[i];
    }
    if (t.additive) {
        VarP v = in.FindVariable(t.to);
        if (v && IsText(v->scalar()) && !v->scalar().text.empty()) joined = v->scalar().text + "\r\n" + joined;
    }
    in.AssignName(t.to, C(joined));
    return Flow::Next;
}

void ParseWith(ExprParser& p, Stmt& s) {
    p.Relex(true);
    WithBlock w{p.Expression()};
    p.SkipAsClause();
    p.ExpectEnd();
    s.payload = w;
}

// WITH object: inside the block, .name is the object's property. The object
// is held in a hidden local variable of the running procedure, so that the
// procedures the block calls do not see it.
Flow ExecWith(Interpreter& in, const Stmt& s) {
    const Expr& e = *s.As<WithBlock>().object;
    Value object = in.Eval(e);
    if (!in.GetObject(object)) Raise(kErrNotObject, UpperAscii(e.written) + " is not an object.");
    auto& locals = in.frame().locals;
    struct Restore {
        VarMap& locals;
        VarP saved;
        ~Restore() {
            if (saved) locals[kWithObject] = saved;
            else locals.erase(kWithObject);
        }
    } restore{locals, locals.count(kWithObject) ? locals[kWithObject] : nullptr};
    auto holder = std::make_shared<Var>();
    holder->value = object;
    locals[kWithObject] = holder;
    static const Block kEmpty;
    return in.Exec(s.sections.empty() ? kEmpty : s.sections[0].body);
}

const Command kCommands[] = {
    {"TEXT", nullptr, ParseText, ExecText, "TEXT", kOpens},
    {"ENDTEXT", nullptr, nullptr, nullptr, "TEXT", kCloses},
    {"WITH", nullptr, ParseWith, ExecWith, "WITH", kOpens},
    {"ENDWITH", nullptr, nullptr, nullptr, "WITH", kCloses},
};

}  // namespace

std::span<const Command> TextCommands() { return kCommands; }

}  // namespace tarvo::run::lang
