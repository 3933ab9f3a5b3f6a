// Function-table rows, declared once.
//
// A family lists its rows in a `*_rows.h` file that opens with its FAMILY
// line (id, title, introduction for the reference) and is named once in
// host/families.inc:
//
//     ROW("STR_LEFT", "C,I", DOC(...), Fn<StrLeft>)
//     ALIAS("STR_REVERS", "STR_MIRROR")
//
// `Fn<F>` is a handler made from the function F: it reads each parameter by
// F's C++ parameter type, calls F and returns its result by F's result type
// (the kinds are listed in host/args.h and host/params.h). The row's type
// string is checked against F's signature when the table is compiled, and
// the parameter count is the number of entries in the type string. A
// function returning a double names its decimals: `Fn<F, 4>`. Names that
// differ only by a constant are one template and one short row each
// (`Fn<TestAttribute<4>>`), their documentation one shared macro. A Windows
// function whose parameters and result are integers is a row as it is
// (`Fn<&GetSysColor>`); system/calls_win.h has templates for the other
// shapes of one Windows call.
//
// An alias row names its main row, from which it takes the handler and
// the type string; ALIAS_TYPED writes a type string of its own, which the
// main row's signature must accept.
//
// `Raw(H)` declares a handler that takes the whole parameter block (`void
// H(ParamBlock*)`), unchecked. It is right only where the handler's control
// flow is its own: a result sent before a parameter is read (MSG_POSTOFFICE),
// a handler that reads any parameters or none (the do-nothing names), the
// hooks, a handler that runs a message loop.
//
// Rows that must never be called with random arguments (they end or block
// the host, change the machine, reach hardware, write outside the caller's
// files ...) are written ROW_NOFUZZ(name, types, "why", doc, handler).
//
// The `*_handlers.cpp` file of the family includes this header, then its
// rows inside a RowSpec array; host/catalogue.cpp reads the same rows with
// the documentation and fuzz marks instead of the handlers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>

#include "host/args.h"
#include "host/params.h"
#include "host/services.h"
#include "host/table.h"

namespace tarvo {

// --- reading parameters -------------------------------------------------------
// In<T> reads one parameter of type T: `letter` (and `optional`) give its
// entry in the type string, Read() takes it from the block, get() hands it
// to the function.

template <typename T>
struct In;

template <>
struct In<std::string_view> {
    static constexpr char letter = 'C';
    std::optional<TextArg> arg;
    void Read(ParamBlock* p, int n) { arg.emplace(p, n); }
    std::string_view get() const { return arg->view(); }
    const TextArg* text() const { return &*arg; }
};

template <>
struct In<const char*> : In<std::string_view> {
    const char* get() const { return arg->data; }
};

template <>
struct In<char> : In<std::string_view> {
    char get() const { return arg->first(); }
};

template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
struct In<T> {
    static constexpr char letter = 'I';
    std::int32_t value = 0;
    void Read(ParamBlock* p, int n) { value = IntParam(p, n); }
    T get() const { return static_cast<T>(value); }
};

template <>
struct In<double> {
    static constexpr char letter = 'N';
    double value = 0;
    void Read(ParamBlock* p, int n) { value = NumParam(p, n); }
    double get() const { return value; }
};

template <>
struct In<NumInt> {
    static constexpr char letter = 'N';
    NumInt value;
    void Read(ParamBlock* p, int n) { value.value = IntParam(p, n); }
    NumInt get() const { return value; }
};

template <>
struct In<bool> {
    static constexpr char letter = 'L';
    bool value = false;
    void Read(ParamBlock* p, int n) { value = LogicalParam(p, n); }
    bool get() const { return value; }
};

template <>
struct In<Day> {
    static constexpr char letter = 'D';
    Day value;
    void Read(ParamBlock* p, int n) { value.number = NumParam(p, n); }
    Day get() const { return value; }
};

template <>
struct In<Ref> {
    static constexpr char letter = 'R';
    Ref value;
    void Read(ParamBlock* p, int n) { value.locator = &LocatorParam(p, n); }
    Ref get() const { return value; }
};

// Any type: the record's own letter decides; a character value is made
// zero-terminated like any text parameter.
template <>
struct In<AnyValue> {
    static constexpr char letter = '?';
    AnyValue value;
    std::optional<TextArg> arg;
    void Read(ParamBlock* p, int n) {
        const ValueRecord& r = Param(p, n);
        value.type = r.type;
        value.integer = r.integer;
        value.number = r.number;
        value.decimals = r.length;
        value.logical = r.length != 0;
        value.currency = r.currency;
        if (r.type == 'C') {
            arg.emplace(p, n);
            value.text = arg->view();
        }
    }
    AnyValue get() const { return value; }
    const TextArg* text() const { return arg ? &*arg : nullptr; }
};

template <char Letter>
struct In<HostRecord<Letter>> {
    static constexpr char letter = Letter;
    HostRecord<Letter> value;
    void Read(ParamBlock* p, int n) { value.value = &Param(p, n); }
    HostRecord<Letter> get() const { return value; }
};

template <>
struct In<Window> {
    static constexpr char letter = 'I';
    Window value;
    void Read(ParamBlock* p, int n) { value.hwnd = static_cast<std::uint32_t>(IntParam(p, n)); }
    bool usable() const { return IsWindowHandle(value.hwnd); }
    Window get() const { return value; }
};

template <>
struct In<FormWindow> {
    static constexpr char letter = 'C';
    FormWindow value;
    void Read(ParamBlock* p, int n) {
        TextArg name(p, n);
        value.hwnd = HostFormWindow(name.data);
    }
    bool usable() const { return IsWindowHandle(value.hwnd); }
    FormWindow get() const { return value; }
};

template <char Letter>
struct In<Unread<Letter>> {
    static constexpr char letter = Letter;
    void Read(ParamBlock*, int) {}
    Unread<Letter> get() const { return {}; }
};

template <typename T>
struct In<Opt<T>> {
    static constexpr char letter = In<T>::letter;
    static constexpr bool optional = true;
    In<T> inner;
    bool present = false;
    void Read(ParamBlock* p, int n) {
        present = HasParam(p, n);
        if (present) inner.Read(p, n);
    }
    Opt<T> get() const { return present ? Opt<T>{true, inner.get()} : Opt<T>{}; }
    const TextArg* text() const {
        if constexpr (requires { inner.text(); }) return present ? inner.text() : nullptr;
        else return nullptr;
    }
};

template <typename T>
struct In<OptTyped<T>> : In<Opt<T>> {
    void Read(ParamBlock* p, int n) {
        this->present = HasParam(p, n) && Param(p, n).type == In<T>::letter;
        if (this->present) this->inner.Read(p, n);
    }
    OptTyped<T> get() const { return this->present ? OptTyped<T>{{true, this->inner.get()}} : OptTyped<T>{}; }
};

template <typename T>
constexpr bool IsOptional() {
    if constexpr (requires { In<T>::optional; }) return In<T>::optional;
    else return false;
}

// --- returning results ----------------------------------------------------------

// The text parameter whose block holds `at`, if any.
template <typename Holders>
const TextArg* TextHolding(const Holders& holders, const char* at) {
    const TextArg* found = nullptr;
    std::apply(
        [&](const auto&... h) {
            auto check = [&](const auto& one) {
                if constexpr (requires { one.text(); }) {
                    const TextArg* t = one.text();
                    if (!found && t && at >= t->data && at <= t->data + t->length) found = t;
                }
            };
            (check(h), ...);
        },
        holders);
    return found;
}

template <typename T>
struct IsParamBack : std::false_type {};
template <int N>
struct IsParamBack<ParamBack<N>> : std::true_type {};
template <typename T>
struct IsVariant : std::false_type {};
template <typename... T>
struct IsVariant<std::variant<T...>> : std::true_type {};

template <int Decimals, typename R, typename Holders>
void Return(R&& result, const Holders& holders, ParamBlock* p) {
    using T = std::remove_cvref_t<R>;
    if constexpr (std::is_same_v<T, Day>) {
        // A date: parameter 1's own record (a date too) with the new day number.
        ValueRecord& record = Param(p, 1);
        record.number = result.number;
        ReturnValue(&record);
    } else if constexpr (std::is_same_v<T, bool>) {
        ReturnLogical(result);
    } else if constexpr (std::is_integral_v<T>) {
        ReturnInteger(static_cast<std::int32_t>(result));
    } else if constexpr (std::is_same_v<T, double>) {
        static_assert(Decimals >= 0, "a function returning a number names its decimals: Fn<F, 4>");
        ReturnNumber(result, 20, Decimals);
    } else if constexpr (std::is_same_v<T, std::string>) {
        ReturnString(result.c_str());
    } else if constexpr (std::is_same_v<T, const char*>) {
        ReturnString(result);
    } else if constexpr (std::is_same_v<T, Bytes>) {
        ReturnBytes(result.data.data(), result.data.size());
    } else if constexpr (std::is_same_v<T, HandleText>) {
        result.Return();
    } else if constexpr (std::is_same_v<T, WorkBuffer>) {
        ReturnString(result.data);
    } else if constexpr (IsParamBack<T>::value) {
        ReturnValue(&Param(p, T::index));
    } else if constexpr (IsVariant<T>::value) {
        std::visit([&](auto&& one) { Return<Decimals>(std::move(one), holders, p); }, result);
    } else if constexpr (std::is_same_v<T, std::string_view>) {
        if (const TextArg* t = result.data() ? TextHolding(holders, result.data()) : nullptr)
            const_cast<TextArg*>(t)->ReturnSlice(static_cast<std::size_t>(result.data() - t->data),
                                                 result.size());
        else
            ReturnString(std::string(result).c_str());
    } else if constexpr (requires { result.has_value(); }) {
        if (result) Return<Decimals>(*result, holders, p);
    } else {
        static_assert(sizeof(T) == 0, "no way to return this type to the host");
    }
}

// --- the adapter ------------------------------------------------------------------

template <typename F>
struct Signature;

template <typename R, typename... A>
struct Signature<R (*)(A...)> {
    using Result = R;
    using Holders = std::tuple<In<std::remove_cvref_t<A>>...>;
    static constexpr std::size_t count = sizeof...(A);

    // The type string the parameters imply, e.g. "C,I,.C".
    static constexpr std::array<char, 3 * sizeof...(A) + 1> types = [] {
        std::array<char, 3 * sizeof...(A) + 1> s{};
        std::size_t i = 0;
        auto add = [&](char letter, bool optional) {
            if (i > 0) s[i++] = ',';
            if (optional) s[i++] = '.';
            s[i++] = letter;
        };
        (add(In<std::remove_cvref_t<A>>::letter, IsOptional<std::remove_cvref_t<A>>()), ...);
        (void)add;  // no parameters
        return s;
    }();
};

#if defined(_WIN32) && !defined(_WIN64)
template <typename R, typename... A>
struct Signature<R(__stdcall*)(A...)> : Signature<R (*)(A...)> {};
#endif

// Whether a parameter can be handed to the function (a window parameter
// must name a window).
template <typename H>
bool Usable(const H& holder) {
    if constexpr (requires { holder.usable(); }) return holder.usable();
    else return true;
}

template <typename H>
concept Checked = requires(const H& h) { h.usable(); };
template <typename Holders>
struct HasChecked;
template <typename... H>
struct HasChecked<std::tuple<H...>> {
    static constexpr bool value = (Checked<H> || ... || false);
};

// The integer a row answers when one of its parameters cannot be used: 0,
// or the failedInteger its checked parameter names (-1 for a free slot).
template <typename Holders>
struct FailedInteger;
template <typename... H>
struct FailedInteger<std::tuple<H...>> {
    template <typename One>
    static constexpr std::int32_t Of() {
        if constexpr (requires { One::failedInteger; }) return One::failedInteger;
        else return 0;
    }
    static constexpr std::int32_t value = (Of<H>() + ... + 0);
};

template <auto F, int Decimals>
void Adapt(ParamBlock* p) {
    using S = Signature<decltype(F)>;
    if constexpr (std::is_same_v<typename S::Result, Day>)
        static_assert(std::is_same_v<std::tuple_element_t<0, typename S::Holders>, In<Day>>,
                      "a date result goes back in parameter 1's record, which must be a date");
    typename S::Holders holders;
    std::apply(
        [&](auto&... h) {
            int n = 0;
            (h.Read(p, ++n), ...);  // left to right
        },
        holders);
    // A parameter that cannot be used (a window that is gone, a free slot):
    // the row's failure answer, F not called.
    if constexpr (HasChecked<typename S::Holders>::value) {
        if (!std::apply([](const auto&... h) { return (Usable(h) && ...); }, holders)) {
            using R = typename S::Result;
            if constexpr (std::is_integral_v<R> && !std::is_same_v<R, bool>)
                Return<Decimals>(static_cast<R>(FailedInteger<typename S::Holders>::value), holders, p);
            else if constexpr (!std::is_void_v<R>)
                Return<Decimals>(R{}, holders, p);
            return;
        }
    }
    if constexpr (std::is_void_v<typename S::Result>) {
        std::apply([](auto&... h) { F(h.get()...); }, holders);
    } else {
        Return<Decimals>(std::apply([](auto&... h) { return F(h.get()...); }, holders), holders, p);
    }
}

// --- rows -------------------------------------------------------------------------

// A handler together with the type string its signature implies (none for
// a raw handler).
struct Decl {
    Handler handler;
    const char* types;
};

template <auto F, int Decimals = -1>
inline constexpr Decl Fn{&Adapt<F, Decimals>, Signature<decltype(F)>::types.data()};

constexpr Decl Raw(Handler handler) { return {handler, nullptr}; }

// A row that answers first and acts after: Get's value goes back to the
// host, then the parameters are read for Set, which takes them and returns
// nothing. A parameter that fails on its way in (a text that cannot be made
// zero-terminated: error 182) then ends the call after the answer, and Set
// does not run. Written AnswerThen<Get, Set>.
template <auto Get, auto Set, int Decimals>
void AdaptAnswerThen(ParamBlock* p) {
    static_assert(Signature<decltype(Get)>::count == 0, "Get takes no parameters");
    static_assert(std::is_void_v<typename Signature<decltype(Set)>::Result>, "Set answers nothing");
    Return<Decimals>(Get(), std::tuple<>{}, p);
    Adapt<Set, Decimals>(p);
}
template <auto Get, auto Set, int Decimals = -1>
inline constexpr Decl AnswerThen{&AdaptAnswerThen<Get, Set, Decimals>,
                                 Signature<decltype(Set)>::types.data()};

// A plain function whose first parameter is a context the host call does not
// pass (the companion's calendar, the system's time zone): the handler gets it
// from `Context()`. Written Fn<WithContext<F, Context>>.
template <auto F, auto Context>
struct Bound;
template <typename R, typename C, typename... A, R (*F)(const C&, A...), auto Context>
struct Bound<F, Context> {
    static R Call(A... a) { return F(Context(), a...); }
};
template <auto F, auto Context>
inline constexpr auto WithContext = &Bound<F, Context>::Call;

// Fn<F>, answering nothing at all unless the first parameter is a character
// value.
template <Handler H>
void WhenText(ParamBlock* p) {
    if (Param(p, 1).type == 'C') H(p);
}
template <auto F, int Decimals = -1>
inline constexpr Decl OnlyWithText{&WhenText<&Adapt<F, Decimals>>,
                                   Signature<decltype(F)>::types.data()};

constexpr bool SameText(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

// A row as a rows file writes it: a callable row, an alias naming its main
// row, or a hook. ResolveRows turns a family's rows into its table records.
struct RowSpec {
    const char* name;
    const char* types;    // null for an alias that takes its main row's
    Decl decl;            // none for an alias: it takes its main row's handler
    const char* aliasOf;  // the main name, for an alias
    std::int16_t hook;    // -2 the load hook, -3 the unload hook, else 0
};

// A callable row. A type string that does not match the handler's
// signature stops the compilation here.
consteval RowSpec Row(const char* name, const char* types, Decl decl) {
    if (decl.types && !SameText(types, decl.types))
        throw "the row's type string does not match its function's parameters";
    return {name, types, decl, nullptr, 0};
}

// An alias: another name of a main row of the same family, with the main
// row's handler and, unless it writes its own, its type string.
consteval RowSpec Alias(const char* name, const char* main, const char* types = nullptr) {
    return {name, types, {}, main, 0};
}

// The load hook (count -2) and the unload hook (count -3).
consteval RowSpec Hook(const char* name, std::int16_t count, Decl decl) {
    return {name, "", decl, nullptr, count};
}

// The table records of a family's rows, in their order. An alias whose main
// row is missing, or whose own type string does not match the main row's
// signature (only the untyped do-nothing handler takes any), stops the
// compilation.
template <std::size_t N>
consteval std::array<FunctionDef, N> ResolveRows(const RowSpec (&rows)[N]) {
    std::array<FunctionDef, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const RowSpec& row = rows[i];
        if (row.hook) {
            out[i] = {row.name, row.decl.handler, row.hook, ""};
            continue;
        }
        const RowSpec* main = &row;
        if (row.aliasOf) {
            main = nullptr;
            for (const RowSpec& other : rows)
                if (!other.aliasOf && !other.hook && SameText(other.name, row.aliasOf)) main = &other;
            if (!main) throw "an alias names a main row that is not in its family";
        }
        const char* types = row.types ? row.types : main->types;
        if (main->decl.types && !SameText(types, main->decl.types))
            throw "the alias's type string does not match its main row's function";
        out[i] = {row.name, main->decl.handler, EntryCount(types), types};
    }
    return out;
}

}  // namespace tarvo

// What a rows file expands to inside a family's RowSpec array:
//
//     namespace { constexpr RowSpec kRows[] = {
//     #include "strings/lzh_rows.h"
//     }; }
//     Family LzhFunctions() { return FamilyRows<kRows>(); }
#define FAMILY(id, title, about)
#define ROW(name, types, doc, ...) ::tarvo::Row(name, types, __VA_ARGS__),
#define ROW_NOFUZZ(name, types, why, doc, ...) ::tarvo::Row(name, types, __VA_ARGS__),
#define ALIAS(name, main) ::tarvo::Alias(name, main),
#define ALIAS_TYPED(name, types, main) ::tarvo::Alias(name, main, types),
#define HOOK(name, count, doc, ...) ::tarvo::Hook(name, count, __VA_ARGS__),

namespace tarvo {
// The table records of a RowSpec array.
template <const auto& Rows>
Family FamilyRows() {
    static constexpr auto records = ResolveRows(Rows);
    return records;
}
}  // namespace tarvo
