// The built-in functions' shared parts: the argument reader and the tables.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runner/lang/interp.h"
#include "runner/lang/lexer.h"

namespace tarvo::run::lang {


// The arguments of one call, evaluated on first use (IIF evaluates only the
// branch it takes).
class Args {
public:
    Args(Interpreter& in, const Expr& call) : in(in), call_(call), cache_(call.args.size()) {}
    Interpreter& in;

    std::size_t size() const { return call_.args.size(); }
    bool Has(std::size_t i) const { return i < size(); }
    const Expr& Node(std::size_t i) const { return *call_.args[i]; }
    const Value& operator[](std::size_t i) {
        if (!cache_[i]) {
            const Expr& e = *call_.args[i];
            // @name passes the variable; a built-in reads its value.
            if (e.kind == EK::Ref) {
                Expr name = e;
                name.kind = EK::Name;
                cache_[i] = in.Eval(name);
            } else {
                cache_[i] = in.Eval(e);
            }
        }
        return *cache_[i];
    }
    std::string Text(std::size_t i) {
        const Value& v = (*this)[i];
        if (!IsText(v)) Raise(kErrArgument);
        return v.text;
    }
    double Num(std::size_t i) {
        const Value& v = (*this)[i];
        if (!IsNumber(v)) Raise(kErrArgument);
        return v.asNumber();
    }
    long Int(std::size_t i) {
        double d = std::trunc(Num(i));
        if (d > 2147483647.0 || d < -2147483648.0) Raise(kErrArgument);
        return static_cast<long>(d);
    }
    bool Logic(std::size_t i) {
        const Value& v = (*this)[i];
        if (v.type == 'L') return v.logical;
        if (IsNumber(v)) return v.asNumber() != 0;
        Raise(kErrArgument);
    }
    // A date or datetime argument.
    double When(std::size_t i, char* type = nullptr) {
        const Value& v = (*this)[i];
        if (v.type != 'D' && v.type != 'T') Raise(kErrArgument);
        if (type) *type = v.type;
        return v.number;
    }

private:
    const Expr& call_;
    std::vector<std::optional<Value>> cache_;
};


using BuiltinFn = Value (*)(Args&);
struct Builtin {
    const char* name;
    int min;  // argument counts accepted
    int max;
    BuiltinFn fn;
};

inline Value N(double n, int decimals = 0) { return Number(n, decimals); }
inline Value C(std::string s) {
    if (s.size() > kMaxTextLength) Raise(kErrStringTooLong);
    return Value::Char(std::move(s));
}
inline Value L(bool b) { return Value::Logical(b); }

// The families.
std::span<const Builtin> TextBuiltins();     // characters, STR, VAL, TRANSFORM
std::span<const Builtin> ValueBuiltins();    // numbers, logic, types
std::span<const Builtin> DateBuiltins();     // dates and times
std::span<const Builtin> SystemBuiltins();   // files, the program, objects
std::span<const Builtin> ArrayBuiltins();    // ASCAN, ASORT, ALINES ...
std::span<const Builtin> WordBuiltins();     // words, lines, extraction, conversions
std::span<const Builtin> MoreBuiltins();     // more numbers, dates, SYS, the system, dialogs
std::span<const Builtin> FileBuiltins();     // low-level files, folders
std::span<const Builtin> TableBuiltins();    // EOF, RECNO, ALIAS, RLOCK ...
std::span<const Builtin> ObjectBuiltins();   // CREATEOBJECT, members, DODEFAULT

// Every built-in function's name, in order.
std::vector<std::string> BuiltinNames();
// SET(name [, 1]) for POINT, SEPARATOR, MARK, PATH, ALTERNATE, MEMOWIDTH,
// ASSERTS, COMPATIBLE and PROCEDURE (cmd_settings.cpp); false for other names.
bool SessionSetting(Args& a, const std::string& name, Value* out);
// The numbers SYS() serves, with what each answers.
std::vector<std::pair<int, std::string>> SysNumbers();

// Arrays for the functions that fill them (builtins_arrays.cpp): the array
// argument `i` names, made when missing; and its new shape (cols 0: one
// dimension), elements kept in their order.
VarP ArrayToFill(Args& a, std::size_t i);
// The text with each <<expression>> replaced by its value (TEXTMERGE).
std::string MergeText(Interpreter& in, const std::string& text);
// A value formatted as TRANSFORM(value, format) formats it.
std::string Transformed(const Value& v, const std::string& format, const Settings& s);
void Shape(Var& v, long rows, long cols);

}  // namespace tarvo::run::lang
