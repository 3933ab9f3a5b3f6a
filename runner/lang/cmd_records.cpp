// Commands: whole records to and from memory. INSERT INTO, SCATTER,
// GATHER, COPY TO ARRAY and APPEND FROM ARRAY.
//
//   INSERT INTO table [(field, ...)] VALUES (expression, ...)
//   INSERT INTO table FROM MEMVAR | FROM ARRAY array
//   SCATTER [FIELDS field, ...] [MEMO] [BLANK] MEMVAR | TO array
//   GATHER MEMVAR | FROM array [FIELDS field, ...] [MEMO]
//   COPY TO ARRAY array [FIELDS field, ...] [scope] [FOR] [WHILE]
//   APPEND FROM ARRAY array [FIELDS field, ...]
//
// INSERT adds a record to the table open under that alias, or opens the
// table file in the lowest free work area first (the current work area
// stays). Its values are checked against their fields before the record is
// added: one that does not fit adds nothing. VALUES without a field list
// fill the fields in their order, the rest stay blank; with a list, the
// counts must agree (1229 too few values, 1230 too many). FROM MEMVAR takes
// each field from the memory variable of its name (blank when there is
// none); FROM ARRAY takes the elements in field order.
//
// SCATTER and GATHER leave memo fields out unless MEMO is given; array
// elements pair with the fields they take in order, so SCATTER TO a and
// GATHER FROM a round-trip. SCATTER makes missing variables private and an
// array with fewer elements than fields longer; at the end of the table (or
// with BLANK) the values are the fields' blanks. GATHER MEMVAR takes the
// fields that have a variable of their name, GATHER FROM the elements there
// are; at the end of the table it changes nothing.
//
// COPY TO ARRAY and APPEND FROM ARRAY leave memo fields out. COPY makes the
// array one row per record (every record without scope or FOR) and one
// column per field, whatever it was before; with no record chosen the
// array is left as it is. APPEND adds a record for each row of a
// two-dimensional array, one for a one-dimensional array, the elements
// pairing with the fields in order; a row with a value that does not fit
// its field stops the command there (the rows before it stay added).
#include "runner/host.h"
#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"
#include "runner/lang/parser.h"
#include "runner/lang/support.h"
#include "runner/lang/table_commands.h"

namespace tarvo::run::lang {
namespace {

enum class Source { Values, Memvar, Array };

struct Insert {
    NameArg table;
    std::vector<std::string> fields;  // as written; empty: the table's order
    Source from = Source::Values;
    std::vector<ExprP> values;
    std::string array;
};
struct Transfer {  // SCATTER and GATHER
    std::vector<std::string> fields;  // empty: every field
    bool memo = false, blank = false;
    Source to = Source::Memvar;
    std::string array;
};

// field [, field ...] in parentheses (INSERT) or after FIELDS.
std::vector<std::string> FieldNames(ExprParser& p) {
    std::vector<std::string> names;
    for (;;) {
        p.Relex(true);
        names.push_back(UpperAscii(p.Name()));
        if (!p.cur().IsOp(",")) return names;
        p.Next();
    }
}

// MEMVAR, or ARRAY name after FROM (`arrayWord`) or TO.
Source Target(ExprParser& p, bool arrayWord, std::string* array) {
    p.Relex(true);
    if (p.Word("MEMVAR")) return Source::Memvar;
    if (arrayWord && !p.Word("ARRAY")) p.Fail();
    p.Relex(true);
    *array = UpperAscii(p.Name());
    return Source::Array;
}

void ParseInsert(ExprParser& p, Stmt& s) {
    Insert ins;
    p.Relex(true);
    if (!p.Word("INTO")) p.Fail();
    ins.table = TableName(p);
    if (p.cur().IsOp("(")) {
        p.Next();
        ins.fields = FieldNames(p);
        p.Expect(")");
    }
    p.Relex(true);
    if (p.Word("VALUES")) {
        p.Expect("(");
        for (;;) {
            ins.values.push_back(p.Expression());
            if (!p.cur().IsOp(",")) break;
            p.Next();
        }
        p.Expect(")");
    } else if (p.Word("FROM") && ins.fields.empty()) {
        ins.from = Target(p, true, &ins.array);
    } else {
        p.Fail();
    }
    p.ExpectEnd();
    s.payload = ins;
}

void ParseTransfer(ExprParser& p, Stmt& s, bool scatter) {
    Transfer t;
    bool target = false;
    for (;;) {
        p.Relex(true);
        if (p.AtEnd()) break;
        if (p.Word("FIELDS") && t.fields.empty()) t.fields = FieldNames(p);
        else if (p.Word("MEMO")) t.memo = true;
        else if (scatter && p.Word("BLANK")) t.blank = true;
        else if (!target && p.Word("MEMVAR")) t.to = Source::Memvar, target = true;
        else if (!target && p.Word(scatter ? "TO" : "FROM")) t.to = Target(p, false, &t.array), target = true;
        else p.Fail();
    }
    if (!target) p.Fail();
    s.payload = t;
}
// COPY TO ARRAY and APPEND FROM ARRAY; other forms of COPY TO and APPEND
// FROM are not available.
struct ArrayCopy {
    std::string array;
    std::vector<std::string> fields;
    Clauses clauses;
};
void ParseArrayCopy(ExprParser& p, Stmt& s, bool copy) {
    ArrayCopy c;
    p.Relex(true);
    if (!p.Word("ARRAY")) ParseUnavailable(p, s);
    p.Relex(true);
    c.array = UpperAscii(p.Name());
    // FIELDS before or after the clauses, which come together.
    const unsigned allowed = copy ? kClauseScope | kClauseFor | kClauseWhile : 0;
    auto any = [](const Clauses& k) { return k.Has(kClauseScope) || k.Has(kClauseFor) || k.Has(kClauseWhile); };
    c.clauses = ParseClauses(p, allowed);
    p.Relex(true);
    if (p.Word("FIELDS")) {
        c.fields = FieldNames(p);
        Clauses after = ParseClauses(p, allowed);
        if (any(after)) {
            if (any(c.clauses)) p.Fail();
            c.clauses = after;
        }
    }
    p.ExpectEnd();
    s.payload = c;
}
void ParseCopyTo(ExprParser& p, Stmt& s) { ParseArrayCopy(p, s, true); }
void ParseAppendFrom(ExprParser& p, Stmt& s) { ParseArrayCopy(p, s, false); }

void ParseScatter(ExprParser& p, Stmt& s) { ParseTransfer(p, s, true); }
void ParseGather(ExprParser& p, Stmt& s) { ParseTransfer(p, s, false); }

// The numbers of the fields `names` (every field when empty, memo fields
// only with `memo`), in their order.
std::vector<int> Chosen(Interpreter& in, int area, const std::vector<std::string>& names, bool memo) {
    Tables& tables = in.host().tables;
    std::vector<int> numbers;
    if (!names.empty()) {
        for (const std::string& name : names) {
            const int n = tables.FieldNumber(area, name);
            if (!n) Raise(kErrNoVariable, "Variable '" + name + "' is not found.");
            numbers.push_back(n);
        }
        return numbers;
    }
    const std::vector<dbf::Field>& fields = tables.At(area)->header.fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (memo || (fields[i].type != 'M' && fields[i].type != 'G')) numbers.push_back(static_cast<int>(i + 1));
    return numbers;
}

const std::string& FieldName(Tables& tables, int area, int number) {
    return tables.At(area)->header.fields[static_cast<std::size_t>(number - 1)].name;
}

// The array variable `name` (raises 232 when it is a plain variable).
VarP ArrayNamed(Interpreter& in, const std::string& name) {
    VarP v = in.FindVariable(name);
    if (!v) Raise(kErrNoVariable, "Variable '" + name + "' is not found.");
    if (!v->isArray) Raise(kErrNotArray, "'" + name + "' is not an array.");
    return v;
}

}  // namespace

NameArg TableName(ExprParser& p) {
    p.Relex(true);
    if (p.cur().kind != Tok::Ident) return p.NameArgument();
    // A table name written out ends at a blank or at a parenthesis.
    const std::string& text = p.text();
    std::size_t i = p.cur().pos;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '(') ++i;
    NameArg name;
    name.present = true;
    name.literal = text.substr(p.cur().pos, i - p.cur().pos);
    p.Rewind(i);
    return name;
}

int TableArea(Interpreter& in, const NameArg& table) {
    Tables& tables = in.host().tables;
    const std::string name = in.NameText(table);
    if (int area = tables.Find(UpperAscii(name))) return area;
    if (int area = tables.Find(UpperAscii(Stem(name)))) return area;
    const int area = tables.FreeArea();
    const int current = tables.current;
    CheckTable(in, tables.Use(area, name, "", false, 0, false));
    tables.current = current;
    return area;
}

namespace {

Flow ExecInsert(Interpreter& in, const Stmt& s) {
    const Insert& ins = s.As<Insert>();
    Tables& tables = in.host().tables;
    const int area = TableArea(in, ins.table);
    const int count = static_cast<int>(tables.At(area)->header.fields.size());
    std::vector<std::pair<int, Value>> values;
    if (ins.from == Source::Values) {
        std::vector<int> numbers = Chosen(in, area, ins.fields, true);
        if (ins.fields.empty()) {
            if (static_cast<int>(ins.values.size()) > count) Raise(kErrTooMany);
            numbers.resize(ins.values.size());
        } else if (ins.values.size() != numbers.size()) {
            Raise(ins.values.size() < numbers.size() ? kErrTooFew : kErrTooMany);
        }
        for (std::size_t i = 0; i < numbers.size(); ++i) values.emplace_back(numbers[i], in.Eval(*ins.values[i]));
    } else if (ins.from == Source::Memvar) {
        for (int n = 1; n <= count; ++n)
            if (VarP v = in.FindVariable(FieldName(tables, area, n)); v && !v->isArray)
                values.emplace_back(n, v->value);
    } else {
        const VarP a = ArrayNamed(in, ins.array);
        for (int n = 1; n <= count && static_cast<std::size_t>(n) <= a->items.size(); ++n)
            values.emplace_back(n, a->items[static_cast<std::size_t>(n - 1)]);
    }
    CheckTable(in, tables.Append(area, values));
    return Flow::Next;
}

Flow ExecScatter(Interpreter& in, const Stmt& s) {
    const Transfer& t = s.As<Transfer>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, NameArg{});
    if (!tables.At(area)) Raise(52);
    const std::vector<int> numbers = Chosen(in, area, t.fields, t.memo);
    std::vector<Value> values;
    for (int n : numbers) {
        Value v;
        CheckTable(in, tables.Read(area, n, &v, t.blank));
        values.push_back(std::move(v));
    }
    if (t.to == Source::Memvar) {
        for (std::size_t i = 0; i < numbers.size(); ++i) in.AssignName(FieldName(tables, area, numbers[i]), values[i]);
        return Flow::Next;
    }
    VarP a = in.FindVariable(t.array);
    if (!a) {
        in.AssignName(t.array, Value::Logical(false));
        a = in.FindVariable(t.array);
    }
    if (!a->isArray) {
        a->items.clear();
        Shape(*a, static_cast<long>(values.size()), 0);
    } else if (a->items.size() < values.size()) {
        Shape(*a, static_cast<long>(values.size()), 0);
    }
    std::copy(values.begin(), values.end(), a->items.begin());
    return Flow::Next;
}

Flow ExecGather(Interpreter& in, const Stmt& s) {
    const Transfer& t = s.As<Transfer>();
    Tables& tables = in.host().tables;
    const int area = AreaOf(in, NameArg{});
    if (!tables.At(area)) Raise(52);
    const std::vector<int> numbers = Chosen(in, area, t.fields, t.memo);
    std::vector<std::pair<int, Value>> values;
    if (t.to == Source::Memvar) {
        for (int n : numbers)
            if (VarP v = in.FindVariable(FieldName(tables, area, n)); v && !v->isArray) values.emplace_back(n, v->value);
    } else {
        const VarP a = ArrayNamed(in, t.array);
        for (std::size_t i = 0; i < numbers.size() && i < a->items.size(); ++i)
            values.emplace_back(numbers[i], a->items[i]);
    }
    CheckTable(in, tables.Replace(area, values));
    return Flow::Next;
}

Flow ExecCopyTo(Interpreter& in, const Stmt& s) {
    const ArrayCopy& c = s.As<ArrayCopy>();
    Tables& tables = in.host().tables;
    const int area = tables.Area(AreaOf(in, NameArg{}));
    if (!tables.At(area)) Raise(52);
    const std::vector<int> numbers = Chosen(in, area, c.fields, false);
    std::vector<Value> values;
    long rows = 0;
    TableLoop(in, area, c.clauses, Clauses::Scope::All, [&]() {
        for (int n : numbers) {
            Value v;
            CheckTable(in, tables.Read(area, n, &v));
            values.push_back(std::move(v));
        }
        ++rows;
        return Flow::Next;
    });
    if (rows == 0 || numbers.empty()) return Flow::Next;
    VarP a = in.FindVariable(c.array);
    if (!a) {
        in.AssignName(c.array, Value::Logical(false));
        a = in.FindVariable(c.array);
    }
    a->items.clear();
    Shape(*a, rows, static_cast<long>(numbers.size()));
    std::move(values.begin(), values.end(), a->items.begin());
    return Flow::Next;
}

Flow ExecAppendFrom(Interpreter& in, const Stmt& s) {
    const ArrayCopy& c = s.As<ArrayCopy>();
    Tables& tables = in.host().tables;
    const int area = tables.Area(AreaOf(in, NameArg{}));
    if (!tables.At(area)) Raise(52);
    const std::vector<int> numbers = Chosen(in, area, c.fields, false);
    const VarP a = ArrayNamed(in, c.array);
    const std::size_t width = a->cols ? static_cast<std::size_t>(a->cols) : a->items.size();
    for (std::size_t row = 0; row * width < a->items.size(); ++row) {
        std::vector<std::pair<int, Value>> values;
        for (std::size_t i = 0; i < numbers.size() && i < width; ++i)
            values.emplace_back(numbers[i], a->items[row * width + i]);
        CheckTable(in, tables.Append(area, values));
    }
    return Flow::Next;
}

const Command kCommands[] = {
    {"INSERT", nullptr, ParseInsert, ExecInsert, nullptr, 0},
    {"SCATTER", nullptr, ParseScatter, ExecScatter, nullptr, 0},
    {"GATHER", nullptr, ParseGather, ExecGather, nullptr, 0},
    {"COPY", "TO", ParseCopyTo, ExecCopyTo, nullptr, 0},
    {"APPEND", "FROM", ParseAppendFrom, ExecAppendFrom, nullptr, 0},
};

}  // namespace

std::span<const Command> RecordCommands() { return kCommands; }

}  // namespace tarvo::run::lang
