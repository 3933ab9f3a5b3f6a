// Built-in functions: the tables (runner/tables.h). EOF, BOF, RECNO,
// RECCOUNT, FOUND, DELETED, ALIAS, SELECT, USED, DBF, FILTER, FIELD,
// FCOUNT, RLOCK (and LOCK), FLOCK, ISRLOCKED, ISFLOCKED, ISEXCLUSIVE,
// ISREADONLY.
//
// The work area argument is a number or an alias; without it the current
// work area is meant. An alias no table has is error 13; a work area
// without a table answers .F., 0 or "".
#include "runner/host.h"
#include "runner/lang/builtins.h"
#include "runner/lang/support.h"
#include "runner/lang/table_commands.h"

namespace tarvo::run::lang {
namespace {

std::string Trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

int AreaArg(Args& a, std::size_t i) {
    const int current = a.in.host().tables.current;
    return a.Has(i) ? AreaOfValue(a.in, a[i], current) : current;
}

Table* TableArg(Args& a, std::size_t i) { return a.in.host().tables.At(AreaArg(a, i)); }

// A logical of the table in the area of argument i (.F. without a table).
template <bool (*Get)(Tables&, int, Table&)>
Value Flag(Args& a) {
    const int area = AreaArg(a, 0);
    Table* t = a.in.host().tables.At(area);
    return L(t && Get(a.in.host().tables, area, *t));
}
bool AtEof(Tables&, int, Table& t) { return t.eof; }
bool AtBof(Tables&, int, Table& t) { return t.bof; }
bool Found(Tables&, int, Table& t) { return t.found; }
bool Deleted(Tables& ts, int area, Table&) { return ts.Deleted(area); }
bool TableLocked(Tables&, int, Table& t) { return t.tableLocked; }
bool Exclusive(Tables&, int, Table& t) { return t.exclusive; }
bool ReadOnly(Tables&, int, Table& t) { return t.readOnly; }
bool LockTable(Tables& ts, int area, Table&) { return ts.LockTable(area); }

// RLOCK([area]) locks the current record; RLOCK(list, area) each record of
// a list of numbers separated by commas, all or none.
Value Rlock(Args& a) {
    Tables& tables = a.in.host().tables;
    if (a.size() < 2) {
        const int area = AreaArg(a, 0);
        Table* t = tables.At(area);
        return L(t && !t->eof && tables.LockRecord(area, t->recno));
    }
    const int area = AreaArg(a, 1);
    if (!tables.At(area)) return L(false);
    const std::string list = a.Text(0);
    std::vector<std::uint32_t> records;
    for (std::size_t at = 0; at <= list.size();) {
        std::size_t comma = list.find(',', at);
        if (comma == std::string::npos) comma = list.size();
        const std::string item = Trim(list.substr(at, comma - at));
        if (!item.empty()) records.push_back(static_cast<std::uint32_t>(std::strtoul(item.c_str(), nullptr, 10)));
        at = comma + 1;
    }
    if (records.size() > 1) return L(false);  // one record locked at a time per work area
    return L(records.empty() || tables.LockRecord(area, records[0]));
}

const Builtin kTable[] = {
    {"EOF", 0, 1, Flag<AtEof>},
    {"BOF", 0, 1, Flag<AtBof>},
    {"FOUND", 0, 1, Flag<Found>},
    {"DELETED", 0, 1, Flag<Deleted>},
    {"ISFLOCKED", 0, 1, Flag<TableLocked>},
    {"ISEXCLUSIVE", 0, 2, Flag<Exclusive>},
    {"ISREADONLY", 0, 1, Flag<ReadOnly>},
    {"FLOCK", 0, 1, Flag<LockTable>},
    {"RLOCK", 0, 2, Rlock},
    {"LOCK", 0, 2, Rlock},
    {"RECNO", 0, 1, [](Args& a) {
         Table* t = TableArg(a, 0);
         return N(t ? t->recno : 0);
     }},
    {"RECCOUNT", 0, 1, [](Args& a) {
         const int area = AreaArg(a, 0);
         return N(a.in.host().tables.RecCount(area));
     }},
    {"ALIAS", 0, 1, [](Args& a) {
         Table* t = TableArg(a, 0);
         return C(t ? t->alias : "");
     }},
    {"FILTER", 0, 1, [](Args& a) {
         Table* t = TableArg(a, 0);
         return C(t ? t->filterText : "");
     }},
    {"DBF", 0, 1, [](Args& a) {
         Table* t = TableArg(a, 0);
         return C(t ? UpperAscii(t->path) : "");
     }},
    {"USED", 0, 1, [](Args& a) {
         Tables& tables = a.in.host().tables;
         if (a.Has(0) && IsText(a[0])) return L(tables.Find(UpperAscii(Trim(a[0].text))) != 0);
         return L(tables.At(AreaArg(a, 0)) != nullptr);
     }},
    {"SELECT", 0, 1, [](Args& a) {
         Tables& tables = a.in.host().tables;
         if (!a.Has(0)) return N(tables.current);
         if (IsText(a[0])) return N(tables.Find(UpperAscii(Trim(a[0].text))));
         const long which = a.Int(0);
         if (which == 0) return N(tables.current);
         int highest = 32767;
         while (highest > 1 && tables.open.count(highest)) --highest;
         return N(highest);
     }},
    {"FCOUNT", 0, 1, [](Args& a) {
         Table* t = TableArg(a, 0);
         return N(t ? static_cast<double>(t->header.fields.size()) : 0);
     }},
    {"FIELD", 1, 3, [](Args& a) {
         const long n = a.Int(0);
         Table* t = TableArg(a, 1);
         if (!t || n < 1 || static_cast<std::size_t>(n) > t->header.fields.size()) return C("");
         return C(t->header.fields[static_cast<std::size_t>(n - 1)].name);
     }},
    {"ISRLOCKED", 0, 2, [](Args& a) {
         const int area = AreaArg(a, 1);
         Tables& tables = a.in.host().tables;
         Table* t = tables.At(area);
         if (!t) return L(false);
         const long record = a.Has(0) ? a.Int(0) : static_cast<long>(t->recno);
         return L(record > 0 && tables.RecordLocked(area, static_cast<std::uint32_t>(record)));
     }},
};

}  // namespace

std::span<const Builtin> TableBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
