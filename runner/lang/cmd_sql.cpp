// The query form of SELECT, over one table:
//
//   SELECT [DISTINCT] [TOP n] * | column [AS name], ...
//       FROM table [[AS] local-alias]
//       [WHERE condition] [GROUP BY column, ...] [ORDER BY column [ASC | DESC], ...]
//       [INTO CURSOR name | INTO ARRAY name | INTO TABLE file]
//
// A column is an expression over the table's fields, or COUNT(*),
// COUNT(e), SUM(e), AVG(e), MIN(e) or MAX(e). With an aggregate or GROUP
// BY the rows of each group make one row (no rows at all: one row, COUNT
// 0 and the others .NULL.); a plain column there takes its value from the
// group's last record. GROUP BY and ORDER BY name a result column by its
// number or its name, or give an expression over the fields; TOP takes the
// first n rows after ORDER BY. Deleted records are left out under SET
// DELETED ON; the table's filter does not apply.
//
// The result goes into a cursor (QUERY without INTO) in the work area that
// has that alias, else the lowest free one, which becomes the current
// one; a column taken straight from a field keeps the field's definition,
// others get one from their values (texts of over 254 characters a memo).
// INTO ARRAY makes a row per result row (no rows: the array stays as it
// was). Column names are the fields' names, AS names, CNT, SUM_x, AVG_x,
// MAX_x, MIN_x and EXP_n, cut to 10 characters.
#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "runner/host.h"
#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"
#include "runner/lang/parser.h"
#include "runner/lang/table_commands.h"

namespace tarvo::run::lang {
namespace {

enum class Agg { None, Count, Sum, Avg, Min, Max };

struct Column {
    ExprP expr;      // null for * and COUNT(*)
    bool star = false;
    Agg agg = Agg::None;
    std::string name;  // AS name (upper case), else empty
};
struct OrderItem {
    ExprP expr;
    bool descending = false;
};
struct Query {
    bool distinct = false;
    ExprP top;
    std::vector<Column> columns;
    NameArg from;
    std::string localAlias;
    ExprP where;
    std::vector<ExprP> groupBy;
    std::vector<OrderItem> orderBy;
    enum class Into { Cursor, Array, Table } into = Into::Cursor;
    NameArg intoName;
};

bool IsWord(const Token& t, const char* word) { return t.kind == Tok::Ident && KeyIs(t.text, word); }

// COUNT(*) at the parser's position: consumed, true.
bool CountStar(ExprParser& p) {
    if (!IsWord(p.cur(), "COUNT")) return false;
    const std::string& text = p.text();
    std::size_t i = p.cur().pos + 5;
    auto blanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    blanks();
    if (i >= text.size() || text[i] != '(') return false;
    ++i, blanks();
    if (i >= text.size() || text[i] != '*') return false;
    ++i, blanks();
    if (i >= text.size() || text[i] != ')') return false;
    p.Rewind(i + 1);
    return true;
}

Column ParseColumn(ExprParser& p) {
    Column c;
    p.Relex(true);
    if (p.cur().IsOp("*")) {
        p.Next();
        c.star = true;
        return c;
    }
    if (CountStar(p)) {
        c.agg = Agg::Count;
    } else {
        c.expr = p.Expression();
        static const std::pair<const char*, Agg> kAggs[] = {
            {"COUNT", Agg::Count}, {"SUM", Agg::Sum}, {"AVG", Agg::Avg}, {"MIN", Agg::Min}, {"MAX", Agg::Max}};
        if (c.expr->kind == EK::Call && c.expr->args.size() == 1)
            for (const auto& [name, agg] : kAggs)
                if (c.expr->name == name) c.agg = agg, c.expr = c.expr->args[0];
    }
    p.Relex(true);
    if (p.Word("AS")) c.name = UpperAscii(p.Name());
    return c;
}

std::vector<ExprP> ExpressionList(ExprParser& p, std::vector<OrderItem>* order) {
    std::vector<ExprP> list;
    for (;;) {
        p.Relex(true);
        ExprP e = p.Expression();
        p.Relex(true);
        if (order) {
            bool descending = p.Word("DESC");
            if (!descending) p.Word("ASC");
            order->push_back({e, descending});
        } else {
            list.push_back(e);
        }
        if (!p.cur().IsOp(",")) return list;
        p.Next();
    }
}

}  // namespace

bool IsQuery(ExprParser& p) {
    const std::size_t start = p.cur().pos;
    bool query = false;
    int depth = 0;
    for (p.Relex(true); !p.AtEnd(); p.Next()) {
        if (p.cur().IsOp("(")) ++depth;
        else if (p.cur().IsOp(")")) --depth;
        else if (depth == 0 && IsWord(p.cur(), "FROM")) {
            query = true;
            break;
        }
    }
    p.Rewind(start);
    return query;
}

void ParseQuery(ExprParser& p, Stmt& s) {
    Query q;
    p.Relex(true);
    if (p.Word("DISTINCT")) q.distinct = true;
    p.Relex(true);
    if (p.Word("TOP")) q.top = p.Expression();
    for (;;) {
        q.columns.push_back(ParseColumn(p));
        if (!p.cur().IsOp(",")) break;
        p.Next();
    }
    p.Relex(true);
    if (!p.Word("FROM")) p.Fail();
    q.from = TableName(p);
    p.Relex(true);
    static const char* const kClauseWords[] = {"WHERE", "GROUP", "ORDER", "INTO", "HAVING"};
    const bool clause = std::any_of(std::begin(kClauseWords), std::end(kClauseWords),
                                    [&](const char* w) { return IsWord(p.cur(), w); });
    if (!p.AtEnd() && !clause) {
        p.Word("AS");
        p.Relex(true);
        q.localAlias = UpperAscii(p.Name());
    }
    for (;;) {
        p.Relex(true);
        if (p.AtEnd()) break;
        if (!q.where && p.Word("WHERE")) {
            q.where = p.Expression();
        } else if (q.groupBy.empty() && p.Word("GROUP")) {
            p.Relex(true);
            if (!p.Word("BY")) p.Fail();
            q.groupBy = ExpressionList(p, nullptr);
        } else if (q.orderBy.empty() && p.Word("ORDER")) {
            p.Relex(true);
            if (!p.Word("BY")) p.Fail();
            ExpressionList(p, &q.orderBy);
        } else if (!q.intoName.present && p.Word("INTO")) {
            p.Relex(true);
            if (p.Word("CURSOR")) q.into = Query::Into::Cursor;
            else if (p.Word("ARRAY")) q.into = Query::Into::Array;
            else if (p.Word("TABLE") || p.Word("DBF")) q.into = Query::Into::Table;
            else p.Fail();
            p.Relex(true);
            q.intoName = p.NameArgument();
            if (!q.intoName.present) p.Fail();
            p.Relex(true);
            while (p.Word("NOFILTER") || p.Word("READWRITE")) p.Relex(true);
        } else if (IsWord(p.cur(), "HAVING")) {
            Raise(kErrNotAvailable);
        } else {
            p.Fail();
        }
    }
    s.payload = q;
}

namespace {

// One column of the result: its name, its field, its values.
struct Out {
    std::string name;
    dbf::Field field;
    bool fromField = false;  // `field` is the source field's definition
};

using Row = std::vector<Value>;

// Rows compare and group by their values as index keys do.
std::vector<IndexKey> Keys(const Row& row) {
    std::vector<IndexKey> keys;
    for (const Value& v : row) keys.push_back(KeyOf(v));
    return keys;
}
bool SameKeys(const std::vector<IndexKey>& a, const std::vector<IndexKey>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] < b[i] || b[i] < a[i]) return false;
    return true;
}

// A field for values of no field: from the first value's type, wide enough
// for all of them.
dbf::Field FieldFor(const std::string& name, const std::vector<Row>& rows, std::size_t column) {
    dbf::Field f;
    f.name = name;
    char type = 0;
    int decimals = 0;
    std::size_t width = 1;
    for (const Row& r : rows) {
        const Value& v = r[column];
        if (v.type == '0') {
            f.nullable = true;
            continue;
        }
        const char t = v.type == 'M' ? 'C' : v.type;
        if (type && t != type) Raise(kErrDataType);
        type = t;
        if (t == 'C') width = std::max(width, v.text.size());
        if (t == 'N') decimals = std::max(decimals, v.decimals);
        if (t == 'O') Raise(kErrDataType);
    }
    f.type = type ? type : 'C';
    if (f.type == 'C' && width > 254) f.type = 'M';
    else if (f.type == 'C') f.width = static_cast<int>(width);
    if (f.type == 'N') {
        f.decimals = std::min(decimals, 18);
        f.width = 20;
    }
    return f;
}

std::string Cut(std::string name) { return name.size() > 10 ? name.substr(0, 10) : name; }

// The field a column names straight (a field of the source or alias.field), or null.
const dbf::Field* DirectField(Tables& tables, int area, const Table& t, const ExprP& e) {
    std::string alias, name;
    if (e->kind == EK::Name && e->alias.empty()) name = e->name;
    else if (e->kind == EK::Field) alias = e->alias, name = e->name;
    else if (e->kind == EK::Member && e->args[0]->kind == EK::Name) alias = e->args[0]->name, name = e->name;
    else return nullptr;
    if (!alias.empty() && alias != t.alias) return nullptr;
    const int n = tables.FieldNumber(area, name);
    return n ? &t.header.fields[static_cast<std::size_t>(n - 1)] : nullptr;
}

// The result column an ORDER BY or GROUP BY item names: its number (from
// 1) or name; 0 when it is an expression over the fields.
std::size_t ColumnNamed(const ExprP& e, const std::vector<Out>& outs) {
    if (e->kind == EK::Literal && e->value.type == 'N') {
        const double n = e->value.number;
        if (n < 1 || n > static_cast<double>(outs.size())) Raise(kErrArgument);
        return static_cast<std::size_t>(n);
    }
    if (e->kind == EK::Name && e->alias.empty())
        for (std::size_t i = 0; i < outs.size(); ++i)
            if (outs[i].name == Cut(e->name)) return i + 1;
    return 0;
}

struct Group {
    Row last;                      // the plain columns of its last record
    std::vector<Value> acc;        // per column: SUM, MIN, MAX so far
    std::vector<double> count;     // per column: values counted
    std::vector<int> decimals;     // per column: the most decimals met
};

Group NewGroup(std::size_t columns) {
    Group g;
    g.last.assign(columns, Value::Null());
    g.acc.assign(columns, Value::Null());
    g.count.assign(columns, 0);
    g.decimals.assign(columns, 0);
    return g;
}

Value Finish(const Group& g, std::size_t i, Agg agg) {
    switch (agg) {
    case Agg::Count: return Value::Num(g.count[i], 0);
    case Agg::Avg:
        if (g.count[i] == 0) return Value::Null();
        return Value::Num(g.acc[i].asNumber() / g.count[i], std::max(g.decimals[i], 2));
    case Agg::Sum: case Agg::Min: case Agg::Max: return g.count[i] == 0 ? Value::Null() : g.acc[i];
    default: return g.last[i];
    }
}

void Accumulate(Group& g, std::size_t i, Agg agg, const Value& v) {
    if (agg == Agg::None) {
        g.last[i] = v;
        return;
    }
    if (v.type == '0') return;
    if (agg == Agg::Count) {
        ++g.count[i];
        return;
    }
    const bool first = g.count[i] == 0;
    ++g.count[i];
    if (agg == Agg::Sum || agg == Agg::Avg) {
        if (v.type != 'N' && v.type != 'I' && v.type != 'Y' && v.type != 'F' && v.type != 'B') Raise(kErrDataType);
        g.decimals[i] = std::max(g.decimals[i], v.type == 'Y' ? 4 : v.decimals);
        if (first) g.acc[i] = v.type == 'I' ? Value::Num(v.integer, 0) : v;
        else if (v.type == 'Y' && g.acc[i].type == 'Y') g.acc[i].currency += v.currency;
        else g.acc[i] = Value::Num(g.acc[i].asNumber() + v.asNumber(), g.decimals[i]);
        return;
    }
    const IndexKey k = KeyOf(v), have = KeyOf(g.acc[i]);
    if (first || (agg == Agg::Min ? k < have : have < k)) g.acc[i] = v;
}

}  // namespace

namespace {

// The rows of the query and its columns.
void Run(Interpreter& in, const Query& q, std::vector<Out>& outs, std::vector<const Column*>& aggs,
         std::vector<Row>& rows) {
    Tables& tables = in.host().tables;
    const int area = tables.Area(TableArea(in, q.from));
    Table* source = tables.At(area);
    if (!source) Raise(52);

    // The source as the query sees it: under its local alias, unfiltered,
    // its pointer where it was afterwards.
    struct Restore {
        Tables& tables;
        int area, current;
        std::string alias, filterText;
        std::function<bool()> filter;
        std::uint32_t recno;
        bool eof;
        ~Restore() {
            Table* t = tables.At(area);
            if (t) {
                t->alias = alias, t->filter = filter, t->filterText = filterText;
                if (eof) tables.GoBottom(area), tables.Skip(area, 1);
                else tables.Go(area, recno);
            }
            tables.current = current;
        }
    } restore{tables, area, tables.current, source->alias, source->filterText, source->filter,
              source->recno, source->eof};
    if (!q.localAlias.empty()) {
        if (q.localAlias != source->alias && tables.Find(q.localAlias)) Raise(kErrFileInUse);
        source->alias = q.localAlias;
    }
    source->filter = nullptr;

    // The result's columns.
    std::vector<std::pair<const Column*, int>> plan;  // column, source field number for *
    for (const Column& c : q.columns) {
        if (c.star) {
            for (std::size_t i = 0; i < source->header.fields.size(); ++i) {
                outs.push_back({source->header.fields[i].name, source->header.fields[i], true});
                plan.emplace_back(&c, static_cast<int>(i + 1));
            }
            continue;
        }
        Out o;
        const dbf::Field* direct = c.expr ? DirectField(tables, area, *source, c.expr) : nullptr;
        static const char* const kPrefix[] = {"", "CNT", "SUM_", "AVG_", "MIN_", "MAX_"};
        if (!c.name.empty()) o.name = c.name;
        else if (c.agg == Agg::Count) o.name = "CNT";
        else if (c.agg != Agg::None) o.name = kPrefix[static_cast<int>(c.agg)] + (direct ? direct->name : "EXP");
        else if (direct) o.name = direct->name;
        else o.name = "EXP_" + std::to_string(outs.size() + 1);
        o.name = Cut(o.name);
        if (direct && (c.agg == Agg::None || c.agg == Agg::Min || c.agg == Agg::Max)) {
            o.field = *direct;
            o.fromField = true;
        }
        outs.push_back(o);
        plan.emplace_back(&c, 0);
    }
    // Names stay unique: a repeated one ends in a number.
    std::set<std::string> used;
    for (Out& o : outs) {
        std::string name = o.name;
        for (int n = 1; !used.insert(name).second; ++n) {
            const std::string suffix = "_" + std::to_string(n);
            name = o.name.substr(0, 10 - suffix.size()) + suffix;
        }
        o.name = name;
    }
    for (const auto& step : plan) aggs.push_back(step.first);
    std::vector<std::size_t> groupColumns;  // result columns, else expressions
    std::vector<ExprP> groupExprs;
    for (const ExprP& e : q.groupBy) {
        if (std::size_t n = ColumnNamed(e, outs)) groupColumns.push_back(n - 1);
        else groupExprs.push_back(e);
    }
    const bool grouped = !q.groupBy.empty() ||
                         std::any_of(q.columns.begin(), q.columns.end(), [](const Column& c) { return c.agg != Agg::None; });

    // The records.
    std::vector<Group> groups;
    std::map<std::vector<IndexKey>, std::size_t> groupIndex;
    tables.current = area;
    CheckTable(in, tables.GoTop(area));
    while (!tables.At(area)->eof) {
        if (!q.where || Truth(in.Eval(*q.where))) {
            Row row;
            for (const auto& [c, field] : plan) {
                Value v;
                if (field) CheckTable(in, tables.Read(area, field, &v));
                else if (c->expr) v = in.Eval(*c->expr);
                else v = Value::Logical(true);  // COUNT(*) counts every row
                row.push_back(std::move(v));
            }
            if (!grouped) {
                rows.push_back(std::move(row));
            } else {
                std::vector<IndexKey> key;
                for (std::size_t n : groupColumns) key.push_back(KeyOf(row[n]));
                for (const ExprP& e : groupExprs) key.push_back(KeyOf(in.Eval(*e)));
                auto [it, added] = groupIndex.emplace(key, groups.size());
                if (added) groups.push_back(NewGroup(row.size()));
                Group& g = groups[it->second];
                for (std::size_t i = 0; i < row.size(); ++i) Accumulate(g, i, plan[i].first->agg, row[i]);
            }
        }
        tables.current = area;
        CheckTable(in, tables.Skip(area, 1));
    }
    if (grouped) {
        if (groups.empty() && q.groupBy.empty()) groups.push_back(NewGroup(plan.size()));
        for (const Group& g : groups) {
            Row row;
            for (std::size_t i = 0; i < plan.size(); ++i) row.push_back(Finish(g, i, plan[i].first->agg));
            rows.push_back(std::move(row));
        }
    }

    if (q.distinct) {
        std::set<std::vector<IndexKey>> seen;
        std::vector<Row> kept;
        for (Row& r : rows)
            if (seen.insert(Keys(r)).second) kept.push_back(std::move(r));
        rows = std::move(kept);
    }
    if (!q.orderBy.empty()) {
        std::vector<std::pair<std::size_t, bool>> by;
        for (const OrderItem& o : q.orderBy) {
            const std::size_t n = ColumnNamed(o.expr, outs);
            if (!n) Raise(kErrArgument, "ORDER BY names no column of the result.");
            by.emplace_back(n - 1, o.descending);
        }
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            for (const auto& [n, descending] : by) {
                const IndexKey ka = KeyOf(a[n]), kb = KeyOf(b[n]);
                if (ka < kb) return !descending;
                if (kb < ka) return descending;
            }
            return false;
        });
    }
    if (q.top) {
        const int n = Whole(in, q.top);
        if (n < 1) Raise(kErrArgument);
        if (rows.size() > static_cast<std::size_t>(n)) rows.resize(static_cast<std::size_t>(n));
    }
}

}  // namespace

Flow ExecQuery(Interpreter& in, const Stmt& s) {
    const Query& q = s.As<Query>();
    Tables& tables = in.host().tables;
    std::vector<Out> outs;
    std::vector<const Column*> columns;
    std::vector<Row> rows;
    Run(in, q, outs, columns, rows);

    // The result.
    const std::string target = in.NameText(q.intoName);
    if (q.into == Query::Into::Array) {
        if (rows.empty()) return Flow::Next;
        const std::string name = UpperAscii(target);
        VarP a = in.FindVariable(name);
        if (!a) {
            in.AssignName(name, Value::Logical(false));
            a = in.FindVariable(name);
        }
        a->items.clear();
        Shape(*a, static_cast<long>(rows.size()), static_cast<long>(outs.size()));
        for (std::size_t r = 0; r < rows.size(); ++r)
            std::move(rows[r].begin(), rows[r].end(), a->items.begin() + static_cast<long>(r * outs.size()));
        return Flow::Next;
    }
    std::vector<dbf::Field> fields;
    for (std::size_t i = 0; i < outs.size(); ++i) {
        dbf::Field f = outs[i].fromField ? outs[i].field : FieldFor(outs[i].name, rows, i);
        f.name = outs[i].name;
        if (!outs[i].fromField && std::any_of(rows.begin(), rows.end(), [&](const Row& r) { return r[i].type == '0'; }))
            f.nullable = true;
        if (outs[i].fromField && columns[i]->agg != Agg::None) f.nullable = true;
        fields.push_back(f);
    }
    const bool cursor = q.into == Query::Into::Cursor;
    const std::string alias = cursor ? UpperAscii(target.empty() ? "QUERY" : target) : "";
    int out = cursor ? tables.Find(alias) : 0;
    if (!out) out = tables.FreeArea();
    CheckTable(in, tables.Create(out, cursor ? "" : target, alias, std::move(fields), cursor));
    tables.current = out;
    for (Row& r : rows) {
        std::vector<std::pair<int, Value>> values;
        for (std::size_t i = 0; i < r.size(); ++i) values.emplace_back(static_cast<int>(i + 1), std::move(r[i]));
        CheckTable(in, tables.Append(out, values));
    }
    CheckTable(in, tables.GoTop(out));
    return Flow::Next;
}

}  // namespace tarvo::run::lang
