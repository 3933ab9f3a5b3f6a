// Built-in functions: numbers, logic and types.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "runner/lang/builtins.h"
#include "runner/lang/parser.h"

namespace tarvo::run::lang {
namespace {

std::uint32_t Bits(Args& a, std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(a.Num(i))));
}
Value BitsValue(std::uint32_t b) { return N(static_cast<double>(static_cast<std::int32_t>(b))); }

const Builtin kTable[] = {
    {"INT", 1, 1, [](Args& a) { return N(std::trunc(a.Num(0))); }},
    {"ROUND", 2, 2, [](Args& a) {
         double x = a.Num(0);
         long d = std::clamp(a.Int(1), -18L, 18L);
         if (a[0].type == 'Y') {  // currency keeps its four decimals
             if (d >= 4) return a[0];
             std::int64_t c = a[0].currency;
             std::uint64_t unit = 1, m = c < 0 ? 0 - static_cast<std::uint64_t>(c) : static_cast<std::uint64_t>(c);
             for (long i = d; i < 4 && unit < 10000000000000000000ull / 10; ++i) unit *= 10;
             std::uint64_t r = (m / unit + (m % unit >= unit / 2 ? 1 : 0)) * unit;
             return Value::Currency(c < 0 ? -static_cast<std::int64_t>(r) : static_cast<std::int64_t>(r));
         }
         return N(RoundHalfAway(x, static_cast<int>(d)), static_cast<int>(std::max(d, 0L)));
     }},
    {"ABS", 1, 1, [](Args& a) {
         Value v = a[0];
         if (!IsNumber(v)) Raise(kErrArgument);
         if (v.asNumber() < 0) v = Negate(v);
         if (v.type == 'I') v = N(v.integer);
         return v;
     }},
    {"MOD", 2, 2, [](Args& a) {
         if (!IsNumber(a[0]) || !IsNumber(a[1])) Raise(kErrArgument);
         return Arithmetic(Op::Mod, a[0], a[1], a.in.settings());
     }},
    {"SQRT", 1, 1, [](Args& a) {
         double x = a.Num(0);
         if (x < 0) Raise(kErrArgument);
         return N(std::sqrt(x), std::max(a.in.settings().decimals, DecimalsOf(a[0])));
     }},
    {"CEILING", 1, 1, [](Args& a) { return N(std::ceil(a.Num(0))); }},
    {"FLOOR", 1, 1, [](Args& a) { return N(std::floor(a.Num(0))); }},
    {"SIGN", 1, 1, [](Args& a) { double x = a.Num(0); return N(x > 0 ? 1 : x < 0 ? -1 : 0); }},
    {"EXP", 1, 1, [](Args& a) { return N(std::exp(a.Num(0)), std::max(a.in.settings().decimals, DecimalsOf(a[0]))); }},
    {"LOG", 1, 1, [](Args& a) {
         double x = a.Num(0);
         if (x <= 0) Raise(kErrArgument);
         return N(std::log(x), std::max(a.in.settings().decimals, DecimalsOf(a[0])));
     }},
    {"PI", 0, 0, [](Args& a) { return N(3.14159265358979323846, std::max(a.in.settings().decimals, 2)); }},
    {"MIN", 2, 255, [](Args& a) {
         Value best = a[0];
         for (std::size_t i = 1; i < a.size(); ++i)
             if (Order(a[i], best, a.in.settings()) < 0) best = a[i];
         return best;
     }},
    {"MAX", 2, 255, [](Args& a) {
         Value best = a[0];
         for (std::size_t i = 1; i < a.size(); ++i)
             if (Order(a[i], best, a.in.settings()) > 0) best = a[i];
         return best;
     }},
    {"BITAND", 2, 2, [](Args& a) { return BitsValue(Bits(a, 0) & Bits(a, 1)); }},
    {"BITOR", 2, 2, [](Args& a) { return BitsValue(Bits(a, 0) | Bits(a, 1)); }},
    {"BITXOR", 2, 2, [](Args& a) { return BitsValue(Bits(a, 0) ^ Bits(a, 1)); }},
    {"BITNOT", 1, 1, [](Args& a) { return BitsValue(~Bits(a, 0)); }},
    {"BITLSHIFT", 2, 2, [](Args& a) { long n = a.Int(1); return BitsValue(n < 0 || n > 31 ? 0 : Bits(a, 0) << n); }},
    {"BITRSHIFT", 2, 2, [](Args& a) { long n = a.Int(1); return BitsValue(n < 0 || n > 31 ? 0 : Bits(a, 0) >> n); }},
    {"IIF", 3, 3, [](Args& a) {
         const Value& c = a[0];
         if (c.type != 'L' && c.type != '0') Raise(kErrArgument);
         return a[c.type == 'L' && c.logical ? 1 : 2];
     }},
    {"EMPTY", 1, 1, [](Args& a) {
         const Value& v = a[0];
         switch (v.type) {
         case 'C': case 'M': return L(v.text.find_first_not_of(" \t\r\n") == std::string::npos);
         case 'N': return L(v.number == 0);
         case 'I': return L(v.integer == 0);
         case 'Y': return L(v.currency == 0);
         case 'D': case 'T': return L(v.number == 0);
         case 'L': return L(!v.logical);
         default: return L(false);
         }
     }},
    {"ISNULL", 1, 1, [](Args& a) { return L(a[0].type == '0'); }},
    {"NVL", 2, 2, [](Args& a) { return a[0].type == '0' ? a[1] : a[0]; }},
    {"VARTYPE", 1, 2, [](Args& a) {
         const Value& v = a[0];
         if (v.type == '0' && a.Has(1) && a.Logic(1)) return C("L");
         return C(std::string(1, TypeLetter(v)));
     }},
    {"TYPE", 1, 2, [](Args& a) {
         std::string text = a.Text(0);
         if (a.Has(1) && a.Int(1) != 1) Raise(kErrArgument);
         if (a.Has(1)) {
             ExprP e;
             try {
                 e = ParseExpression(text);
             } catch (const ScriptError&) {
                 return C("U");
             }
             if (e->kind == EK::Name) {
                 VarP v = a.in.FindVariable(e->name);
                 if (v && v->isArray) return C("A");
             }
             return C("U");
         }
         try {
             Interpreter::Trying t(a.in);
             Value v = a.in.EvaluateText(text);
             return C(v.type == '0' ? "L" : std::string(1, TypeLetter(v)));
         } catch (const ScriptError&) {
             return C("U");
         }
     }},
    {"BETWEEN", 3, 3, [](Args& a) {
         if (a[0].type == '0' || a[1].type == '0' || a[2].type == '0') return Value::Null();
         const Settings& s = a.in.settings();
         return L(Order(a[0], a[1], s) >= 0 && Order(a[0], a[2], s) <= 0);
     }},
    {"INLIST", 2, 255, [](Args& a) {
         if (a[0].type == '0') return Value::Null();
         for (std::size_t i = 1; i < a.size(); ++i)
             if (a[i].type != '0' && Equal(a[0], a[i], a.in.settings())) return L(true);
         return L(false);
     }},
};

}  // namespace

std::span<const Builtin> ValueBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
