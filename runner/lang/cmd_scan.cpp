// Commands: walking and finding records. SCAN ... ENDSCAN, LOCATE and
// CONTINUE, COUNT and SUM, INDEX ON ... TAG, SET ORDER TO, SEEK, SET
// FILTER TO.
#include <algorithm>

#include "runner/host.h"
#include "runner/lang/interp.h"
#include "runner/lang/parser.h"
#include "runner/lang/table_commands.h"

namespace tarvo::run::lang {
namespace {

struct IndexOn {
    ExprP key;
    std::string text;  // the key expression as written
    NameArg tag, in;
};
struct SetOrder {
    NameArg tag;  // absent or 0: record order
    NameArg in;
};
struct SeekKey {
    ExprP key;
    NameArg in;
};
struct Filter {
    ExprP condition;  // null: no filter
    std::string text;
    NameArg in;
};
// COUNT and SUM: the expressions summed (none for COUNT), the records they
// walk, the variables that take the results.
struct Totals {
    std::vector<ExprP> terms;
    Clauses clauses;
    std::vector<std::string> to;
};

const Block kEmpty;

void ParseScan(ExprParser& p, Stmt& s) {
    s.payload = ParseClauses(p, kClauseScope | kClauseFor | kClauseWhile);
    p.Relex(true);
    p.Word("NOOPTIMIZE");
    p.ExpectEnd();
}

// INDEX ON expression TAG name [ADDITIVE] [IN alias]
void ParseIndex(ExprParser& p, Stmt& s) {
    IndexOn x;
    p.Relex(true);
    if (!p.Word("ON")) p.Fail();
    p.Relex(true);
    const std::size_t start = p.cur().pos;
    x.key = p.Expression();
    x.text = p.text().substr(start, p.cur().pos - start);
    p.Relex(true);
    if (!p.Word("TAG")) Raise(kErrNotAvailable);  // index files of their own are not written
    x.tag = p.NameArgument();
    if (!x.tag.present) p.Fail();
    for (;;) {
        p.Relex(true);
        if (p.Word("ADDITIVE")) continue;
        if (p.Word("IN")) {
            x.in = p.NameArgument();
            continue;
        }
        break;
    }
    p.ExpectEnd();
    s.payload = x;
}

// SET ORDER TO [[TAG] name | 0] [IN alias]
void ParseSetOrder(ExprParser& p, Stmt& s) {
    SetOrder o;
    p.Relex(true);
    if (!p.Word("TO")) p.Fail();
    p.Relex(true);
    p.Word("TAG");
    if (!p.AtEnd() && !(p.cur().kind == Tok::Ident && KeyIs(p.cur().text, "IN"))) o.tag = p.NameArgument();
    o.in = ParseClauses(p, kClauseIn).in;
    p.ExpectEnd();
    s.payload = o;
}

// SET FILTER TO [condition] [IN alias]
void ParseSetFilter(ExprParser& p, Stmt& s) {
    Filter f;
    p.Relex(true);
    if (!p.Word("TO")) p.Fail();
    p.Relex(true);
    if (!p.AtEnd() && !(p.cur().kind == Tok::Ident && KeyIs(p.cur().text, "IN"))) {
        const std::size_t from = p.cur().pos;
        f.condition = p.Expression();
        f.text = p.text().substr(from, p.cur().pos - from);
        f.text.erase(f.text.find_last_not_of(" \t") + 1);
    }
    f.in = ParseClauses(p, kClauseIn).in;
    p.ExpectEnd();
    s.payload = f;
}

void ParseSeek(ExprParser& p, Stmt& s) {
    SeekKey k;
    p.Relex(true);
    k.key = p.Expression();
    k.in = ParseClauses(p, kClauseIn).in;
    p.ExpectEnd();
    s.payload = k;
}

// COUNT [scope] [FOR] [WHILE] [TO name] and SUM expression [, ...] [scope]
// [FOR] [WHILE] [TO name [, ...]]: the clauses before or after TO.
void ParseTotals(ExprParser& p, Stmt& s, bool sum) {
    Totals t;
    p.Relex(true);
    if (sum) {
        for (;;) {
            t.terms.push_back(p.Expression());
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
    }
    const unsigned kinds = kClauseScope | kClauseFor | kClauseWhile;
    t.clauses = ParseClauses(p, kinds);
    p.Relex(true);
    if (p.Word("TO")) {
        for (;;) {
            p.Relex(true);
            t.to.push_back(p.Name());
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
        Clauses after = ParseClauses(p, kinds);
        if (after.scope != Clauses::Scope::None) {
            if (t.clauses.Has(kClauseScope)) Raise(kErrSyntax);
            t.clauses.scope = after.scope;
            t.clauses.count = after.count;
        }
        if (after.forCond && t.clauses.forCond) Raise(kErrSyntax);
        if (after.whileCond && t.clauses.whileCond) Raise(kErrSyntax);
        if (after.forCond) t.clauses.forCond = after.forCond;
        if (after.whileCond) t.clauses.whileCond = after.whileCond;
    }
    if (t.to.size() > std::max<std::size_t>(t.terms.size(), 1)) Raise(kErrSyntax);
    p.Relex(true);
    p.Word("NOOPTIMIZE");
    p.ExpectEnd();
    s.payload = t;
}
void ParseCount(ExprParser& p, Stmt& s) { ParseTotals(p, s, false); }
void ParseSum(ExprParser& p, Stmt& s) { ParseTotals(p, s, true); }

void ParseLocate(ExprParser& p, Stmt& s) {
    s.payload = ParseClauses(p, kClauseScope | kClauseFor | kClauseWhile);
    p.ExpectEnd();
}

// --- executors ---------------------------------------------------------------------

// The body runs for each record; after it the pointer moves on in the
// scan's own work area, whatever the body selected.
Flow ExecScan(Interpreter& in, const Stmt& s) {
    const Block& body = s.sections.empty() ? kEmpty : s.sections[0].body;
    const int area = in.host().tables.current;
    return TableLoop(in, area, s.As<Clauses>(), Clauses::Scope::All, [&]() {
        Flow f = in.Exec(body);
        in.frame().line = s.line;
        in.frame().stmt = &s;
        in.CheckInterrupt();
        return f == Flow::Loop ? Flow::Next : f;
    });
}

// LOCATE stops on the first record that passes FOR (FOUND() .T.), or at the
// end of its scope (FOUND() .F.). CONTINUE goes on from the next record.
bool Locate(Interpreter& in, int area, const Clauses& c) {
    bool found = false;
    TableLoop(in, area, c, Clauses::Scope::All, [&]() {
        found = true;
        return Flow::Exit;
    });
    Tables& tables = in.host().tables;
    if (Table* t = tables.At(area)) {
        t->found = found;
        if (!found && !t->eof) CheckTable(in, tables.Skip(area, 1));  // NEXT n ended before the end
    }
    return found;
}

Flow ExecLocate(Interpreter& in, const Stmt& s) {
    Tables& tables = in.host().tables;
    const int area = tables.current;
    Table* t = tables.At(area);
    if (!t) Raise(52);
    const Clauses& c = s.As<Clauses>();
    Locate(in, area, c);
    if (Table* now = tables.At(area)) {
        now->locateFor = [&in, area, cond = c.forCond, wh = c.whileCond]() {
            Clauses rest;
            rest.scope = Clauses::Scope::Rest;
            rest.forCond = cond;
            rest.whileCond = wh;
            return Locate(in, area, rest);
        };
    }
    return Flow::Next;
}

Flow ExecContinue(Interpreter& in, const Stmt&) {
    Tables& tables = in.host().tables;
    Table* t = tables.At(-1);
    if (!t) Raise(52);
    if (!t->locateFor) Raise(42, "CONTINUE without LOCATE.");
    if (t->eof) {
        t->found = false;
        return Flow::Next;
    }
    CheckTable(in, tables.Skip(-1, 1));
    auto again = t->locateFor;
    again();
    return Flow::Next;
}

// The records the clauses choose in the current work area (ALL without a
// scope), counted or their expressions added up; the results go to the TO
// variables (SUM: each term's total with the largest number of decimals it
// met). Without TO the results are not kept.
Flow ExecTotals(Interpreter& in, const Stmt& s) {
    const Totals& t = s.As<Totals>();
    std::vector<double> totals(t.terms.size(), 0);
    std::vector<int> decimals(t.terms.size(), 0);
    double count = 0;
    TableLoop(in, in.host().tables.current, t.clauses, Clauses::Scope::All, [&]() {
        ++count;
        for (std::size_t i = 0; i < t.terms.size(); ++i) {
            const Value v = in.Eval(*t.terms[i]);
            if (!IsNumber(v)) Raise(kErrOperand);
            totals[i] += v.asNumber();
            if (v.type == 'N') decimals[i] = std::max(decimals[i], v.decimals);
            if (v.type == 'Y') decimals[i] = std::max(decimals[i], 4);
        }
        return Flow::Next;
    });
    for (std::size_t i = 0; i < t.to.size(); ++i)
        in.AssignName(t.to[i], t.terms.empty() ? Number(count, 0) : Number(totals[i], decimals[i]));
    return Flow::Next;
}

// A tag's key function: the expression evaluated for the current record; a
// record where it fails gets the empty key.
std::function<bool(IndexKey*)> KeyFunction(Interpreter& in, ExprP key) {
    return [&in, key](IndexKey* out) {
        *out = KeyOf(in.Eval(*key));
        return true;
    };
}

Flow ExecIndex(Interpreter& in, const Stmt& s) {
    const IndexOn& x = s.As<IndexOn>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, x.in);
    if (!tables.At(area)) Raise(52);
    if (!tables.keyCompiler)
        tables.keyCompiler = [&in](const std::string& text) -> std::function<bool(IndexKey*)> {
            try {
                return KeyFunction(in, ParseExpression(text));
            } catch (...) {
                return nullptr;
            }
        };
    const int saved = tables.current;
    tables.current = area;
    if (!tables.At(area)->eof) in.Eval(*x.key);  // an error in the key stops here
    tables.current = saved;
    CheckTable(in, tables.IndexOn(area, UpperAscii(in.NameText(x.tag)), x.text, KeyFunction(in, x.key)));
    return Flow::Next;
}

Flow ExecSetOrder(Interpreter& in, const Stmt& s) {
    const SetOrder& o = s.As<SetOrder>();
    std::string tag = UpperAscii(in.NameText(o.tag));
    if (tag == "0") tag.clear();
    CheckTable(in, in.host().tables.SetOrder(AreaOf(in, o.in), tag));
    return Flow::Next;
}

// The condition is tried once on the current record (blank fields at the
// end of the table), so that a condition that cannot run or is no logical
// value fails here and not at every move.
Flow ExecSetFilter(Interpreter& in, const Stmt& s) {
    const Filter& f = s.As<Filter>();
    Tables& tables = in.host().tables;
    const int area = tables.Area(AreaOf(in, f.in));
    Table* t = tables.At(area);
    if (!t) Raise(52);
    if (f.condition) {
        const int saved = tables.current;
        tables.current = area;
        const Value v = in.Eval(*f.condition);
        tables.current = saved;
        if (v.type != 'L') Raise(kErrDataType);
    }
    t->filterText = f.text;
    t->filter = nullptr;
    if (f.condition) t->filter = [&in, cond = f.condition]() { return Truth(in.Eval(*cond)); };
    return Flow::Next;
}

Flow ExecSeek(Interpreter& in, const Stmt& s) {
    const SeekKey& k = s.As<SeekKey>();
    bool found = false;
    CheckTable(in, in.host().tables.Seek(AreaOf(in, k.in), in.Eval(*k.key), &found));
    return Flow::Next;
}

const Command kCommands[] = {
    {"SCAN", nullptr, ParseScan, ExecScan, "SCAN", kOpens | kLoop},
    {"ENDSCAN", nullptr, nullptr, nullptr, "SCAN", kCloses},
    {"LOCATE", nullptr, ParseLocate, ExecLocate, nullptr, 0},
    {"COUNT", nullptr, ParseCount, ExecTotals, nullptr, 0},
    {"SUM", nullptr, ParseSum, ExecTotals, nullptr, 0},
    {"CONTINUE", nullptr, ParseEnd, ExecContinue, nullptr, 0},
    {"INDEX", nullptr, ParseIndex, ExecIndex, nullptr, 0},
    {"SET", "ORDER", ParseSetOrder, ExecSetOrder, nullptr, 0},
    {"SEEK", nullptr, ParseSeek, ExecSeek, nullptr, 0},
    {"SET", "FILTER", ParseSetFilter, ExecSetFilter, nullptr, 0},
};

}  // namespace

std::span<const Command> ScanCommands() { return kCommands; }

}  // namespace tarvo::run::lang
