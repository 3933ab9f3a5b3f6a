// Commands: the tables (runner/tables.h). CREATE TABLE and CREATE CURSOR,
// USE, SELECT, CLOSE TABLES, APPEND BLANK, REPLACE, GO, SKIP, DELETE,
// RECALL, PACK, ZAP, UNLOCK, FLUSH (SET DELETED and SET EXCLUSIVE are with
// the other settings, cmd_system.cpp). The
// commands that walk a scope of records (REPLACE, DELETE, RECALL, and SCAN
// and LOCATE in cmd_scan.cpp) share TableLoop.
#include <set>

#include "runner/host.h"
#include "runner/lang/interp.h"
#include "runner/lang/table_commands.h"

namespace tarvo::run::lang {

void CheckTable(Interpreter& in, int error) {
    if (error) Raise(error, in.host().tables.message);
}

int AreaOfValue(Interpreter& in, const Value& v, int zero) {
    Tables& tables = in.host().tables;
    if (IsNumber(v)) {
        const double n = v.asNumber();
        if (n < 0 || n > 32767) Raise(17, "Table number is invalid.");
        return n < 1 ? zero : static_cast<int>(n);
    }
    if (!IsText(v)) Raise(kErrDataType);
    std::string alias = UpperAscii(v.text);
    alias.erase(alias.find_last_not_of(' ') + 1);
    alias.erase(0, alias.find_first_not_of(' '));
    const int area = tables.Find(alias);
    if (!area) Raise(kErrNoAlias, "Alias '" + alias + "' is not found.");
    return area;
}

int AreaOf(Interpreter& in, const NameArg& a) {
    Tables& tables = in.host().tables;
    if (!a.present) return tables.current;
    if (a.expr) return AreaOfValue(in, in.Eval(*a.expr), tables.FreeArea());
    if (!a.literal.empty() && a.literal.find_first_not_of("0123456789") == std::string::npos)
        return AreaOfValue(in, Value::Num(a.literal.size() > 5 ? 99999 : std::stoi(a.literal)), tables.FreeArea());
    return AreaOfValue(in, Value::Char(a.literal), 0);
}

int Whole(Interpreter& in, const ExprP& e) {
    Value v = in.Eval(*e);
    if (!IsNumber(v)) Raise(kErrDataType);
    return static_cast<int>(WholePart(v.asNumber()));
}

Flow TableLoop(Interpreter& in, int area, const Clauses& c, Clauses::Scope defaultScope,
               const std::function<Flow()>& act) {
    Tables& tables = in.host().tables;
    if (!tables.At(area)) Raise(52);
    using S = Clauses::Scope;
    const S scope = c.scope != S::None ? c.scope : c.forCond ? S::All : defaultScope;
    long count = (scope == S::Next || scope == S::Record) && c.count ? Whole(in, c.count) : scope == S::Next ? 1 : -1;
    if (count == 0) return Flow::Next;
    tables.current = area;
    if (scope == S::All) CheckTable(in, tables.GoTop(area));
    if (scope == S::Record) {
        CheckTable(in, tables.Go(area, count));
        count = 1;
    }
    for (; count != 0; count > 0 ? --count : 0) {
        tables.current = area;
        Table* t = tables.At(area);
        if (!t || t->eof) break;
        if (c.whileCond && !Truth(in.Eval(*c.whileCond))) break;
        if (!c.forCond || Truth(in.Eval(*c.forCond))) {
            Flow f = act();
            if (f == Flow::Exit) return Flow::Next;
            if (f == Flow::Return) return f;
        }
        tables.current = area;
        if (!tables.At(area)) break;
        if (count == 1) break;
        CheckTable(in, tables.Skip(area, 1));
    }
    return Flow::Next;
}

namespace {

struct FieldDef {
    std::string name;
    char type = 'C';
    ExprP width, decimals;
    bool nullable = false, binary = false;
};
struct CreateTable {
    bool cursor = false;
    NameArg name;  // the alias of a cursor, the file of a table
    std::vector<FieldDef> fields;
};
struct UseTable {
    NameArg file;  // absent: close the table
    NameArg in, alias;
    bool again = false, noUpdate = false;
    int share = 0;  // 1 SHARED, 2 EXCLUSIVE
    NameArg order;
};
struct Replacement {
    std::vector<std::pair<ExprP, ExprP>> pairs;  // field WITH value
    Clauses clauses;
};
struct GoTo {
    enum class Where { Top, Bottom, Record } where = Where::Record;
    ExprP record;
    NameArg in;
};
struct SkipBy {
    ExprP count;
    NameArg in;
};

// --- parsers ---------------------------------------------------------------------

// CREATE CURSOR alias (name type [(width [, decimals])] [NULL | NOT NULL]
// [NOCPTRANS], ...) and CREATE TABLE file [FREE] (...). The types are
// written as their letter or a word (Character, Numeric, Float, Integer,
// Currency, Date, DateTime, Logical, Memo, Double, General).
void ParseCreate(ExprParser& p, Stmt& s, bool cursor) {
    CreateTable c;
    c.cursor = cursor;
    p.Relex(true);
    c.name = p.NameArgument();
    if (!c.name.present) p.Fail();
    p.Relex(true);
    if (!cursor) p.Word("FREE");
    p.Expect("(");
    static const struct {
        const char* word;
        char type;
    } kTypes[] = {{"CHARACTER", 'C'}, {"NUMERIC", 'N'}, {"FLOAT", 'F'},   {"INTEGER", 'I'},
                  {"CURRENCY", 'Y'},  {"DATE", 'D'},    {"DATETIME", 'T'}, {"LOGICAL", 'L'},
                  {"MEMO", 'M'},      {"DOUBLE", 'B'},  {"GENERAL", 'G'}};
    for (;;) {
        FieldDef f;
        f.name = p.Name();
        const std::string type = p.Name();
        bool known = false;
        for (const auto& t : kTypes)
            if (type == std::string(1, t.type) || type == t.word ||
                (type.size() >= 4 && std::string(t.word).rfind(type, 0) == 0 && type != "DATE")) {
                f.type = t.type;
                known = true;
                break;
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
        for (;;) {
            p.Relex(true);
            if (p.Word("NULL")) f.nullable = true;
            else if (p.Word("NOT")) {
                if (!p.Word("NULL")) p.Fail();
                f.nullable = false;
            } else if (p.Word("NOCPTRANS")) f.binary = true;
            else break;
        }
        if ((f.type == 'C' || f.type == 'N' || f.type == 'F') && !f.width) p.Fail();
        c.fields.push_back(std::move(f));
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.Expect(")");
    p.ExpectEnd();
    s.payload = c;
}
void ParseCreateCursor(ExprParser& p, Stmt& s) { ParseCreate(p, s, true); }
void ParseCreateTable(ExprParser& p, Stmt& s) { ParseCreate(p, s, false); }

// USE [file | (expression)] [IN area] [AGAIN] [ALIAS alias] [SHARED |
// EXCLUSIVE] [NOUPDATE] [ORDER [TAG] tag], the clauses in any order.
void ParseUse(ExprParser& p, Stmt& s) {
    UseTable u;
    auto clause = [&]() {
        p.Relex(true);
        if (p.Word("IN")) {
            u.in = p.NameArgument();
            if (!u.in.present) p.Fail();
        } else if (p.Word("AGAIN")) {
            u.again = true;
        } else if (p.Word("ALIAS")) {
            u.alias = p.NameArgument();
            if (!u.alias.present) p.Fail();
        } else if (p.Word("SHARED")) {
            u.share = 1;
        } else if (p.Word("EXCLUSIVE")) {
            u.share = 2;
        } else if (p.Word("NOUPDATE")) {
            u.noUpdate = true;
        } else if (p.Word("ORDER")) {
            p.Relex(true);
            p.Word("TAG");
            u.order = p.NameArgument();
        } else {
            return false;
        }
        return true;
    };
    if (!clause() && !p.AtEnd()) u.file = p.NameArgument();
    while (clause()) {
    }
    p.ExpectEnd();
    s.payload = u;
}

void ParseReplace(ExprParser& p, Stmt& s) {
    Replacement r;
    for (;;) {
        p.Relex(true);
        ExprP field = p.Postfix();
        if (!p.Word("WITH")) p.Fail();
        r.pairs.emplace_back(field, p.Expression());
        p.Relex(true);
        p.Word("ADDITIVE");
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    r.clauses = ParseClauses(p, kClauseScope | kClauseFor | kClauseWhile | kClauseIn);
    p.ExpectEnd();
    s.payload = r;
}

// GO [RECORD] n, GO TOP, GO BOTTOM (and GOTO), with IN.
void ParseGo(ExprParser& p, Stmt& s) {
    GoTo g;
    p.Relex(true);
    if (p.Word("TOP")) g.where = GoTo::Where::Top;
    else if (p.Word("BOTTOM")) g.where = GoTo::Where::Bottom;
    else {
        p.Word("RECORD");
        g.record = p.Expression();
    }
    g.in = ParseClauses(p, kClauseIn).in;
    p.ExpectEnd();
    s.payload = g;
}

void ParseSkip(ExprParser& p, Stmt& s) {
    SkipBy k;
    p.Relex(true);
    if (!p.AtEnd() && !(p.cur().kind == Tok::Ident && KeyIs(p.cur().text, "IN"))) k.count = p.Expression();
    k.in = ParseClauses(p, kClauseIn).in;
    p.ExpectEnd();
    s.payload = k;
}

// SELECT n, SELECT alias, SELECT 0 (the lowest free work area); SELECT ...
// FROM is a query.
void ParseSelect(ExprParser& p, Stmt& s) {
    if (IsQuery(p)) return ParseQuery(p, s);
    p.Relex(true);
    NameArg a = p.NameArgument();
    if (!a.present) p.Fail();
    p.ExpectEnd();
    s.payload = a;
}

// Commands that take a scope, FOR, WHILE and IN (DELETE, RECALL), or IN
// alone (APPEND BLANK, PACK, ZAP, UNLOCK [ALL], FLUSH).
void ParseScoped(ExprParser& p, Stmt& s) {
    s.payload = ParseClauses(p, kClauseScope | kClauseFor | kClauseWhile | kClauseIn);
    p.ExpectEnd();
}
void ParseIn(ExprParser& p, Stmt& s) {
    p.Relex(true);
    p.Word("ALL");
    s.payload = ParseClauses(p, kClauseIn);
    p.ExpectEnd();
}

// --- executors ---------------------------------------------------------------------

Flow ExecCreate(Interpreter& in, const Stmt& s) {
    const CreateTable& c = s.As<CreateTable>();
    std::vector<dbf::Field> fields;
    for (const FieldDef& d : c.fields) {
        dbf::Field f;
        f.name = UpperAscii(d.name);
        f.type = d.type;
        if (d.width) f.width = Whole(in, d.width);
        if (d.decimals) f.decimals = Whole(in, d.decimals);
        if (d.type == 'B' && d.width && !d.decimals) f.decimals = f.width, f.width = 8;  // B(d): decimals only
        f.nullable = d.nullable;
        f.binary = d.binary;
        fields.push_back(f);
    }
    Tables& tables = in.host().tables;
    const std::string name = in.NameText(c.name);
    CheckTable(in, tables.Create(-1, c.cursor ? "" : name, c.cursor ? name : "", std::move(fields), c.cursor));
    return Flow::Next;
}

Flow ExecUse(Interpreter& in, const Stmt& s) {
    const UseTable& u = s.As<UseTable>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, u.in);
    if (!u.file.present) {
        tables.Close(area);
        return Flow::Next;
    }
    const std::string file = in.NameText(u.file);
    const std::string alias = UpperAscii(in.NameText(u.alias));
    CheckTable(in, tables.Use(area, file, alias, u.again, u.share, u.noUpdate));
    if (u.order.present) CheckTable(in, tables.SetOrder(area, UpperAscii(in.NameText(u.order))));
    if (!u.in.present) tables.current = area;
    return Flow::Next;
}

Flow ExecSelect(Interpreter& in, const Stmt& s) {
    if (!s.Get<NameArg>()) return ExecQuery(in, s);
    in.host().tables.current = AreaOf(in, s.As<NameArg>());
    return Flow::Next;
}

Flow ExecCloseTables(Interpreter& in, const Stmt&) {
    in.host().tables.CloseAll();
    return Flow::Next;
}

Flow ExecAppendBlank(Interpreter& in, const Stmt& s) {
    CheckTable(in, in.host().tables.AppendBlank(AreaOf(in, s.As<Clauses>().in)));
    return Flow::Next;
}

Flow ExecReplace(Interpreter& in, const Stmt& s) {
    const Replacement& r = s.As<Replacement>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, r.clauses.in);
    const int saved = tables.current;
    // The fields change in the record and each record is written once, at
    // the end of its pairs (also when one of them fails).
    std::set<int> touched;
    struct Written {
        Tables& tables;
        std::set<int>& areas;
        ~Written() {
            for (int a : areas) tables.Commit(a);
        }
    } written{tables, touched};
    Flow f = TableLoop(in, area, r.clauses, Clauses::Scope::Next, [&]() {
        for (const auto& [field, value] : r.pairs) {
            std::string alias;
            if (field->kind == EK::Field) alias = field->alias;
            else if (field->kind == EK::Member && field->args[0]->kind == EK::Name) alias = field->args[0]->name;
            else if (field->kind != EK::Name || !field->alias.empty()) Raise(kErrSyntax);
            const int target = alias.empty() ? area : tables.Find(alias);
            if (!target) Raise(kErrNoAlias, "Alias '" + alias + "' is not found.");
            const int number = tables.FieldNumber(target, field->name);
            if (!number) Raise(kErrNoVariable, "Variable '" + field->name + "' is not found.");
            const Value v = in.Eval(*value);
            touched.insert(tables.Area(target));
            CheckTable(in, tables.Replace(target, {{number, v}}, false));
        }
        for (int a : touched) CheckTable(in, tables.Commit(a));
        touched.clear();
        return Flow::Next;
    });
    if (r.clauses.in.present) tables.current = saved;
    return f;
}

Flow ExecGo(Interpreter& in, const Stmt& s) {
    const GoTo& g = s.As<GoTo>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, g.in);
    if (g.where == GoTo::Where::Top) CheckTable(in, tables.GoTop(area));
    else if (g.where == GoTo::Where::Bottom) CheckTable(in, tables.GoBottom(area));
    else CheckTable(in, tables.Go(area, Whole(in, g.record)));
    return Flow::Next;
}

Flow ExecSkip(Interpreter& in, const Stmt& s) {
    const SkipBy& k = s.As<SkipBy>();
    CheckTable(in, in.host().tables.Skip(AreaOf(in, k.in), k.count ? Whole(in, k.count) : 1));
    return Flow::Next;
}

Flow MarkDeleted(Interpreter& in, const Stmt& s, bool deleted) {
    const Clauses& c = s.As<Clauses>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, c.in);
    const int saved = tables.current;
    Flow f = TableLoop(in, area, c, Clauses::Scope::Next, [&]() {
        CheckTable(in, tables.Delete(area, deleted));
        return Flow::Next;
    });
    if (c.in.present) tables.current = saved;
    return f;
}
Flow ExecDelete(Interpreter& in, const Stmt& s) { return MarkDeleted(in, s, true); }
Flow ExecRecall(Interpreter& in, const Stmt& s) { return MarkDeleted(in, s, false); }

Flow ExecPack(Interpreter& in, const Stmt& s) {
    CheckTable(in, in.host().tables.Pack(AreaOf(in, s.As<Clauses>().in)));
    return Flow::Next;
}
Flow ExecZap(Interpreter& in, const Stmt& s) {
    CheckTable(in, in.host().tables.Zap(AreaOf(in, s.As<Clauses>().in)));
    return Flow::Next;
}
Flow ExecUnlock(Interpreter& in, const Stmt& s) {
    in.host().tables.Unlock(AreaOf(in, s.As<Clauses>().in));
    return Flow::Next;
}
// Records are on the disk as soon as they change; FLUSH asks the system to
// write its buffers of every open table.
Flow ExecFlush(Interpreter& in, const Stmt&) {
    for (auto& [area, t] : in.host().tables.open)
        if (!t.readOnly) FlushFileBuffers(t.file);
    return Flow::Next;
}


const Command kCommands[] = {
    {"CREATE", "CURSOR", ParseCreateCursor, ExecCreate, nullptr, 0},
    {"CREATE", "TABLE", ParseCreateTable, ExecCreate, nullptr, 0},
    {"CREATE", nullptr, ParseUnavailable, nullptr, nullptr, 0},
    {"APPEND", "BLANK", ParseIn, ExecAppendBlank, nullptr, 0},
    {"APPEND", nullptr, ParseUnavailable, nullptr, nullptr, 0},
    {"REPLACE", nullptr, ParseReplace, ExecReplace, nullptr, 0},
    {"GO", nullptr, ParseGo, ExecGo, nullptr, 0},
    {"GOTO", nullptr, ParseGo, ExecGo, nullptr, 0},
    {"SKIP", nullptr, ParseSkip, ExecSkip, nullptr, 0},
    {"SELECT", nullptr, ParseSelect, ExecSelect, nullptr, 0},
    {"USE", nullptr, ParseUse, ExecUse, nullptr, 0},
    {"CLOSE", "TABLES", ParseIn, ExecCloseTables, nullptr, 0},
    {"CLOSE", "DATABASES", ParseIn, ExecCloseTables, nullptr, 0},
    {"DELETE", nullptr, ParseScoped, ExecDelete, nullptr, 0},
    {"RECALL", nullptr, ParseScoped, ExecRecall, nullptr, 0},
    {"PACK", nullptr, ParseIn, ExecPack, nullptr, 0},
    {"ZAP", nullptr, ParseIn, ExecZap, nullptr, 0},
    {"UNLOCK", nullptr, ParseIn, ExecUnlock, nullptr, 0},
    {"FLUSH", nullptr, ParseIn, ExecFlush, nullptr, 0},
};

}  // namespace

std::span<const Command> TableCommands() { return kCommands; }

}  // namespace tarvo::run::lang
