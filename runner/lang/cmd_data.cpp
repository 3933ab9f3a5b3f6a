// Commands: assignments, declarations and releases of variables.
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

struct Assignment {
    ExprP target, value;
    std::vector<const Expr*> appended;  // target = target + pieces (append.cpp)
};
struct Store {
    ExprP value;
    std::vector<ExprP> targets;
};
struct Declaration {
    DeclKind kind;
    std::vector<Decl> decls;
};
struct Release {
    std::vector<std::string> names;
};

}  // namespace

bool AssignmentParts(const Stmt& s, ExprP* target, ExprP* value) {
    const Assignment* a = s.Get<Assignment>();
    if (!a) return false;
    *target = a->target;
    *value = a->value;
    return true;
}

namespace {

// --- parsers ---------------------------------------------------------------------

void ParseAssignment(ExprParser& p, Stmt& s) {
    Assignment a;
    a.target = p.Postfix();
    p.Expect("=");
    a.value = p.Expression();
    p.ExpectEnd();
    a.appended = AppendedPieces(*a.target, *a.value);
    s.payload = a;
}

void ParseStore(ExprParser& p, Stmt& s) {
    Store st;
    p.Relex(true);
    st.value = p.Expression();
    if (!p.Word("TO")) p.Fail();
    for (;;) {
        st.targets.push_back(p.Postfix());
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.ExpectEnd();
    s.payload = st;
}

// Name [(dims)] [AS type], ... ; LOCAL ARRAY and PUBLIC ARRAY take arrays,
// DIMENSION only arrays.
void ParseDeclarations(ExprParser& p, Stmt& s, DeclKind kind) {
    if (kind == DeclKind::Private && p.cur().IsWord("ALL")) Raise(kErrNotAvailable);
    p.Relex(true);
    if (kind != DeclKind::Dimension && p.cur().kind == Tok::Ident && KeyIs(p.cur().text, "ARRAY")) p.Next();
    Declaration d{kind, {}};
    for (;;) {
        d.decls.push_back(p.Declaration(kind == DeclKind::Dimension));
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.ExpectEnd();
    s.payload = d;
}
void ParseLocal(ExprParser& p, Stmt& s) { ParseDeclarations(p, s, DeclKind::Local); }
void ParsePrivate(ExprParser& p, Stmt& s) { ParseDeclarations(p, s, DeclKind::Private); }
void ParsePublic(ExprParser& p, Stmt& s) { ParseDeclarations(p, s, DeclKind::Public); }
void ParseDimension(ExprParser& p, Stmt& s) { ParseDeclarations(p, s, DeclKind::Dimension); }

void ParseParameters(ExprParser& p, Stmt& s, bool local) {
    ParamList list{p.NameList(), local};
    p.ExpectEnd();
    s.payload = list;
}
void ParsePrivateParameters(ExprParser& p, Stmt& s) { ParseParameters(p, s, false); }
void ParseLocalParameters(ExprParser& p, Stmt& s) { ParseParameters(p, s, true); }

void ParseRelease(ExprParser& p, Stmt& s) {
    Release r;
    p.Relex(true);
    for (;;) {
        r.names.push_back(p.Name());
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.ExpectEnd();
    s.payload = r;
}

void ParseReleaseAll(ExprParser& p, Stmt&) {
    p.Word("EXTENDED");
    p.ExpectEnd();
}

// --- executors ---------------------------------------------------------------------

Flow ExecAssignment(Interpreter& in, const Stmt& s) {
    const Assignment& a = s.As<Assignment>();
    if (!in.AppendInPlace(*a.target, a.appended)) in.Assign(*a.target, in.Eval(*a.value));
    return Flow::Next;
}

Flow ExecStore(Interpreter& in, const Stmt& s) {
    const Store& st = s.As<Store>();
    Value v = in.Eval(*st.value);
    for (const ExprP& t : st.targets) in.Assign(*t, v);
    return Flow::Next;
}

Flow ExecDeclaration(Interpreter& in, const Stmt& s) {
    const Declaration& d = s.As<Declaration>();
    in.Declare(d.kind, d.decls);
    return Flow::Next;
}

Flow ExecParameters(Interpreter& in, const Stmt& s) {
    const ParamList& list = s.As<ParamList>();
    in.Bind(list.names, list.local);
    return Flow::Next;
}

Flow ExecRelease(Interpreter& in, const Stmt& s) {
    for (const std::string& n : s.As<Release>().names) in.Release(n);
    return Flow::Next;
}

Flow ExecReleaseAll(Interpreter& in, const Stmt&) {
    in.ReleaseAll();
    return Flow::Next;
}

const Command kCommands[] = {
    {"<assignment>", nullptr, ParseAssignment, ExecAssignment, nullptr, 0},
    {"STORE", nullptr, ParseStore, ExecStore, nullptr, 0},
    {"LOCAL", nullptr, ParseLocal, ExecDeclaration, nullptr, 0},
    {"PRIVATE", nullptr, ParsePrivate, ExecDeclaration, nullptr, 0},
    {"PUBLIC", nullptr, ParsePublic, ExecDeclaration, nullptr, 0},
    {"DIMENSION", nullptr, ParseDimension, ExecDeclaration, nullptr, 0},
    {"DECLARE", nullptr, ParseDeclare, ExecDeclare, nullptr, 0},
    {"PARAMETERS", nullptr, ParsePrivateParameters, ExecParameters, nullptr, 0},
    {"LPARAMETERS", nullptr, ParseLocalParameters, ExecParameters, nullptr, 0},
    {"RELEASE", "ALL", ParseReleaseAll, ExecReleaseAll, nullptr, 0},
    {"RELEASE", nullptr, ParseRelease, ExecRelease, nullptr, 0},
};

}  // namespace

void ParseArrayDeclaration(ExprParser& p, Stmt& s) { ParseDimension(p, s); }
Flow ExecArrayDeclaration(Interpreter& in, const Stmt& s) { return ExecDeclaration(in, s); }

std::span<const Command> DataCommands() { return kCommands; }

}  // namespace tarvo::run::lang
