// Building a text piece by piece: `buf = buf + piece [+ piece ...]` appends
// to the variable (or array element) in place, so a loop of n appends costs
// time in proportion to the text it builds, not n times its length.
//
// The statement keeps its meaning exactly: the target is read first, then
// the pieces are evaluated from left to right and added one by one. The
// in-place form is taken only when that order cannot matter: the pieces
// read variables, fields, properties and array elements and call only
// built-in functions that change nothing (no procedure, library function,
// macro or EVALUATE), the target is a text, and every piece is a text.
// Otherwise the statement runs as any assignment.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

// Built-in functions that neither run program code nor change variables
// (in alphabetical order).
bool ChangesNothing(const std::string& name) {
    static const char* const kNames[] = {
        "ABS", "ADDBS", "ALEN", "ALLTRIM", "ASC", "AT", "ATC", "BETWEEN", "BITAND", "BITLSHIFT",
        "BITNOT", "BITOR", "BITRSHIFT", "BITXOR", "CDOW", "CEILING", "CHR", "CHRTRAN", "CMONTH",
        "CTOD", "CURDIR", "DATE", "DATETIME", "DAY", "DOW", "DTOC", "DTOS", "DTOT", "EMPTY", "ERROR",
        "EXP", "FILE", "FLOOR", "GETENV", "GOMONTH", "HOUR", "IIF", "INLIST", "INT", "ISALPHA",
        "ISDIGIT", "ISLOWER", "ISNULL", "ISUPPER", "JUSTEXT", "JUSTFNAME", "JUSTPATH", "JUSTSTEM",
        "LEFT", "LEN", "LINENO", "LOG", "LOWER", "LTRIM", "MAX", "MESSAGE", "MIN", "MINUTE", "MOD",
        "MONTH", "NVL", "OCCURS", "PADC", "PADL", "PADR", "PCOUNT", "PI", "PROGRAM", "PROPER", "RAT",
        "REPLICATE", "RIGHT", "ROUND", "RTRIM", "SEC", "SECONDS", "SIGN", "SPACE", "SQRT", "STR",
        "STRTRAN", "STUFF", "SUBSTR", "TIME", "TRANSFORM", "TRIM", "TTOC", "TTOD", "UPPER", "VAL",
        "VARTYPE", "YEAR",
    };
    return std::binary_search(std::begin(kNames), std::end(kNames), name.c_str(),
                              [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

bool SameValue(const Value& a, const Value& b) {
    return a.type == b.type && a.text == b.text && a.number == b.number && a.decimals == b.decimals &&
           a.integer == b.integer && a.logical == b.logical && a.currency == b.currency;
}

// The same expression, written the same way.
bool SameTree(const Expr& a, const Expr& b) {
    if (a.kind != b.kind || a.op != b.op || a.name != b.name || a.alias != b.alias ||
        a.args.size() != b.args.size())
        return false;
    if (a.kind == EK::Literal && !SameValue(a.value, b.value)) return false;
    for (std::size_t i = 0; i < a.args.size(); ++i)
        if (!SameTree(*a.args[i], *b.args[i])) return false;
    return true;
}

bool MemoryAlias(const std::string& alias) { return alias.empty() || alias == "M"; }

}  // namespace

// True when evaluating `e` runs no program code and changes nothing.
bool Interpreter::Harmless(const Expr& e) {
    switch (e.kind) {
    case EK::Literal:
    case EK::Name:
    case EK::Field:
        return true;
    case EK::Call: {  // such a built-in function, or an array element
        if (ChangesNothing(e.name)) break;
        VarP v = FindVariable(e.name);
        if (!v || !v->isArray) return false;
        break;
    }
    case EK::Index:
    case EK::Member:
    case EK::Unary:
    case EK::Binary:
        break;
    default:  // @name, &macro
        return false;
    }
    for (const ExprP& a : e.args)
        if (!Harmless(*a)) return false;
    return true;
}

std::vector<const Expr*> AppendedPieces(const Expr& target, const Expr& value) {
    // value = ((target + p1) + p2) + ...: the pieces, first one first.
    std::vector<const Expr*> pieces;
    const Expr* left = &value;
    while (left->kind == EK::Binary && left->op == Op::Add) {
        pieces.insert(pieces.begin(), left->args[1].get());
        left = left->args[0].get();
    }
    bool same = left->name == target.name && MemoryAlias(left->alias) && MemoryAlias(target.alias);
    if (target.kind == EK::Name) {
        same = same && left->kind == EK::Name;
    } else if (target.kind == EK::Call || target.kind == EK::Index) {
        same = same && (left->kind == EK::Call || left->kind == EK::Index) &&
               left->args.size() == target.args.size();
        for (std::size_t i = 0; same && i < target.args.size(); ++i)
            same = SameTree(*left->args[i], *target.args[i]);
    } else {
        same = false;
    }
    if (!same) pieces.clear();
    return pieces;
}

bool Interpreter::AppendInPlace(const Expr& target, const std::vector<const Expr*>& pieces) {
    if (pieces.empty()) return false;
    Value* slot = nullptr;
    if (target.kind == EK::Name) {
        Value field;
        if (ReadField("", target.name, &field)) return false;  // a field is read, a variable written
        VarP v = FindVariable(target.name);
        if (!v || v->isArray) return false;
        slot = &v->value;
    } else {  // an array element, its subscripts written alike on both sides
        VarP v = FindVariable(target.name);
        if (!v || !v->isArray) return false;
        for (const ExprP& sub : target.args)
            if (!Harmless(*sub)) return false;
        slot = &Element(*v, target.args);
    }
    if (!IsText(*slot)) return false;
    for (const Expr* p : pieces)
        if (!Harmless(*p)) return false;

    std::vector<Value> values;
    values.reserve(pieces.size());
    std::size_t total = slot->text.size();
    for (const Expr* p : pieces) {
        values.push_back(Eval(*p));
        if (!IsText(values.back())) return false;  // the assignment raises the error, as it would
        total += values.back().text.size();
        if (total > kMaxTextLength) Raise(kErrStringTooLong);
    }
    slot->type = 'C';
    for (const Value& v : values) slot->text += v.text;
    return true;
}

}  // namespace tarvo::run::lang
