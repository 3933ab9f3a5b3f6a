// Commands: the host's cursors (runner/cursors.h). CREATE CURSOR makes one in
// the current work area, APPEND BLANK adds a record, REPLACE writes fields of
// the current record, GO moves to a record, SELECT chooses the work area,
// USE alone closes the current cursor.
#include "runner/host.h"
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

struct FieldDef {
    std::string name;
    char type = 'C';
    ExprP width, decimals;
};
struct CreateCursor {
    std::string alias;
    std::vector<FieldDef> fields;
};
struct Replacement {
    std::vector<std::pair<ExprP, ExprP>> pairs;  // field WITH value
};
struct GoTo {
    enum class Where { Top, Bottom, Record } where = Where::Record;
    ExprP record;
};

// --- parsers ---------------------------------------------------------------------

// CREATE CURSOR alias (name type [(width [, decimals])] [, ...]), the types
// C, N, I, L and M, written as a letter or a word (Character, Numeric ...).
void ParseCreateCursor(ExprParser& p, Stmt& s) {
    CreateCursor c;
    p.Relex(true);
    c.alias = p.Name();
    p.Expect("(");
    for (;;) {
        FieldDef f;
        f.name = p.Name();
        const std::string type = p.Name();
        static const char* const kTypes[] = {"CHARACTER", "NUMERIC", "INTEGER", "LOGICAL", "MEMO"};
        bool known = false;
        for (const char* t : kTypes)
            if (type == std::string(1, t[0]) || (type.size() >= 4 && std::string(t).rfind(type, 0) == 0)) {
                f.type = t[0];
                known = true;
            }
        if (!known) Raise(kErrNotAvailable);
        if (p.cur().IsOp("(")) {
            p.Next();
            f.width = p.Expression();
            if (p.cur().IsOp(",")) {
                p.Next();
                f.decimals = p.Expression();
            }
            p.Expect(")");
        }
        if ((f.type == 'C' || f.type == 'N') != (f.width != nullptr)) p.Fail();
        c.fields.push_back(std::move(f));
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.Expect(")");
    p.ExpectEnd();
    s.payload = c;
}

void ParseReplace(ExprParser& p, Stmt& s) {
    Replacement r;
    for (;;) {
        p.Relex(true);
        ExprP field = p.Postfix();
        if (!p.Word("WITH")) p.Fail();
        r.pairs.emplace_back(field, p.Expression());
        p.Word("ADDITIVE");
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.ExpectEnd();
    s.payload = r;
}

// GO [RECORD] n, GO TOP, GO BOTTOM (and GOTO).
void ParseGo(ExprParser& p, Stmt& s) {
    GoTo g;
    p.Relex(true);
    if (p.Word("TOP")) g.where = GoTo::Where::Top;
    else if (p.Word("BOTTOM")) g.where = GoTo::Where::Bottom;
    else {
        p.Word("RECORD");
        g.record = p.Expression();
    }
    p.ExpectEnd();
    s.payload = g;
}

// SELECT n, SELECT alias, SELECT 0 (the lowest free work area).
void ParseSelect(ExprParser& p, Stmt& s) {
    p.Relex(true);
    NameArg a = p.NameArgument();
    if (!a.present) p.Fail();
    p.ExpectEnd();
    s.payload = a;
}

// --- executors ---------------------------------------------------------------------

int Whole(Interpreter& in, const ExprP& e) {
    Value v = in.Eval(*e);
    if (!IsNumber(v)) Raise(kErrDataType);
    return static_cast<int>(WholePart(v.asNumber()));
}

Flow ExecCreateCursor(Interpreter& in, const Stmt& s) {
    const CreateCursor& c = s.As<CreateCursor>();
    std::vector<CursorField> fields;
    for (const FieldDef& d : c.fields) {
        CursorField f{d.name, d.type, 0, 0};
        if (d.width) f.width = Whole(in, d.width);
        if (d.decimals) f.decimals = Whole(in, d.decimals);
        const int maxWidth = f.type == 'C' ? 254 : 20;
        if (d.width && (f.width < 1 || f.width > maxWidth || f.decimals < 0 || f.decimals >= f.width))
            Raise(kErrArgument);
        fields.push_back(f);
    }
    Host& host = in.host();
    if (int err = host.cursors.Create(host.channels, c.alias, std::move(fields))) Raise(err);
    return Flow::Next;
}

Flow ExecAppendBlank(Interpreter& in, const Stmt&) {
    if (int err = in.host().cursors.AppendBlank(-1)) Raise(err);
    return Flow::Next;
}

Flow ExecReplace(Interpreter& in, const Stmt& s) {
    Host& host = in.host();
    for (const auto& [field, value] : s.As<Replacement>().pairs) {
        std::string alias;
        if (field->kind == EK::Field) alias = field->alias;
        else if (field->kind == EK::Member && field->args[0]->kind == EK::Name) alias = field->args[0]->name;
        else if (field->kind != EK::Name || !field->alias.empty()) Raise(kErrSyntax);
        const int area = alias.empty() ? -1 : host.cursors.Find(alias);
        if (!area) Raise(kErrNoAlias, "Alias '" + alias + "' is not found.");
        if (int err = host.cursors.Replace(host.channels, area, field->name, in.Eval(*value))) {
            if (err == kErrNoVariable) Raise(err, "Variable '" + field->name + "' is not found.");
            Raise(err);
        }
    }
    return Flow::Next;
}

Flow ExecGo(Interpreter& in, const Stmt& s) {
    const GoTo& g = s.As<GoTo>();
    Cursors& cursors = in.host().cursors;
    Cursor* c = cursors.At(-1);
    if (!c) Raise(52);
    if (g.where != GoTo::Where::Record) {
        c->recno = c->records.empty() ? 0 : g.where == GoTo::Where::Top ? 1 : c->records.size();
        return Flow::Next;
    }
    if (int err = cursors.Go(-1, Whole(in, g.record))) Raise(err);
    return Flow::Next;
}

Flow ExecSelect(Interpreter& in, const Stmt& s) {
    const NameArg& a = s.As<NameArg>();
    Cursors& cursors = in.host().cursors;
    if (!a.expr && !a.literal.empty() && a.literal.find_first_not_of("0123456789") == std::string::npos) {
        cursors.Select(std::stoi(a.literal.substr(0, 5)));
        return Flow::Next;
    }
    const std::string alias = UpperAscii(in.NameText(a));
    const int area = cursors.Find(alias);
    if (!area) Raise(kErrNoAlias, "Alias '" + alias + "' is not found.");
    cursors.Select(area);
    return Flow::Next;
}

Flow ExecUse(Interpreter& in, const Stmt&) {
    Host& host = in.host();
    host.cursors.Close(host.channels, -1);
    return Flow::Next;
}

const Command kCommands[] = {
    {"CREATE", "CURSOR", ParseCreateCursor, ExecCreateCursor, nullptr, 0},
    {"CREATE", nullptr, ParseUnavailable, nullptr, nullptr, 0},
    {"APPEND", "BLANK", ParseEnd, ExecAppendBlank, nullptr, 0},
    {"APPEND", nullptr, ParseUnavailable, nullptr, nullptr, 0},
    {"REPLACE", nullptr, ParseReplace, ExecReplace, nullptr, 0},
    {"GO", nullptr, ParseGo, ExecGo, nullptr, 0},
    {"GOTO", nullptr, ParseGo, ExecGo, nullptr, 0},
    {"SELECT", nullptr, ParseSelect, ExecSelect, nullptr, 0},
    {"USE", nullptr, ParseEnd, ExecUse, nullptr, 0},
};

}  // namespace

std::span<const Command> TableCommands() { return kCommands; }

}  // namespace tarvo::run::lang
