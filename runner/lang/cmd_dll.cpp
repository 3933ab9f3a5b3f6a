// Functions of Windows DLLs: DECLARE [type] name IN library [AS alias]
// [type [@] [name], ...] makes a function of a DLL callable by its name (or
// alias) like any function; CLEAR DLLS forgets them.
//
// Types: SHORT (16 bits), INTEGER and LONG (32 bits), SINGLE, DOUBLE,
// STRING (a pointer to the text, zero-terminated); @ passes a pointer to the
// value, and the variable gets what the function left there (a STRING @
// keeps its length: the function writes into its bytes). A result of type
// STRING is the text the returned pointer points to. The library WIN32API
// stands for KERNEL32, GDI32, USER32, MPR and ADVAPI32; a name not exported
// as written is looked for with "A" after it (the ANSI form). OBJECT is not
// served (error 11).
//
// Functions are called the way Windows calls its own. In the 32-bit build
// that is stdcall: every argument in 4-byte stack slots, a DOUBLE in two of
// them (low half first), a SINGLE's bits in one. In the 64-bit test flavour it
// is the x64 convention: the first four arguments by position in RCX, RDX, R8
// and R9, or XMM0 to XMM3 for a SINGLE or DOUBLE; the others in 8-byte stack
// slots, a DOUBLE in one, a SINGLE in the low 32 bits of one. A call goes
// through a thunk chosen by the number of slots and, in 64-bit code, by which
// of the first four arguments travel in XMM registers.
#include <windows.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <utility>

#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"

namespace tarvo::run::lang {

Session::~Session() {
    if (alternate) std::fclose(alternate);
    for (auto& [name, module] : modules) FreeLibrary(static_cast<HMODULE>(module));
}

namespace {

constexpr int kErrLoadDll = 1753;      // Cannot load 32-bit DLL ...
constexpr int kErrEntryPoint = 1754;   // Cannot find entry point ... in the DLL.

struct DllDeclare {
    DllFunction f;
    std::string alias;
};
struct ClearDlls {
    std::vector<std::string> names;
};

bool TypeWord(const std::string& word, DllType* t) {
    static const struct {
        const char* word;
        char letter;
    } kTypes[] = {{"SHORT", 'S'}, {"INTEGER", 'I'}, {"LONG", 'I'}, {"SINGLE", 'F'},
                  {"DOUBLE", 'N'}, {"STRING", 'C'}, {"OBJECT", 'O'}};
    for (const auto& k : kTypes)
        if (KeyIs(word, k.word)) {
            t->letter = k.letter;
            return true;
        }
    return false;
}

void CheckServed(const DllType& t) {
    if (t.letter == 'O') Raise(kErrArgument);
}

// DECLARE [type] name IN ...: the DLL form when IN follows the name.
bool IsDllForm(ExprParser& p) {
    const Token& a = p.cur();
    if (a.kind != Tok::Ident) return false;
    Token b = ReadToken(p.text(), a.end, false);
    if (b.IsWord("IN")) return true;
    DllType t;
    if (b.kind != Tok::Ident || !TypeWord(a.text, &t)) return false;
    return ReadToken(p.text(), b.end, false).IsWord("IN");
}

}  // namespace

void ParseDeclare(ExprParser& p, Stmt& s) {
    p.Relex(true);
    if (!IsDllForm(p)) return ParseArrayDeclaration(p, s);
    DllDeclare d;
    d.f.result.letter = 'V';
    if (!ReadToken(p.text(), p.cur().end, false).IsWord("IN")) {
        TypeWord(p.cur().text, &d.f.result);
        p.Next();
    }
    d.f.name = p.cur().raw;
    p.Next();
    p.Word("IN");
    NameArg lib = p.NameArgument(true);
    if (!lib.present || lib.expr) p.Fail();
    d.f.library = lib.literal;
    p.Relex(true);
    d.alias = UpperAscii(d.f.name);
    if (p.Word("AS")) d.alias = p.Name();
    while (!p.AtEnd()) {
        DllType t;
        if (p.cur().kind != Tok::Ident || !TypeWord(p.cur().text, &t)) p.Fail();
        p.Next();
        if (p.cur().IsOp("@")) {
            t.byRef = true;
            p.Next();
        }
        if (p.cur().kind == Tok::Ident) p.Next();  // the parameter's name, for the reader only
        d.f.params.push_back(t);
        if (p.AtEnd()) break;
        p.Expect(",");
    }
    p.ExpectEnd();
    s.payload = d;
}

namespace {

void* LoadFrom(Session& ss, const std::string& library, const std::string& name) {
    std::vector<std::string> libs = {library};
    if (UpperAscii(library) == "WIN32API") libs = {"kernel32.dll", "gdi32.dll", "user32.dll", "mpr.dll", "advapi32.dll"};
    bool loaded = false;
    for (const std::string& lib : libs) {
        void*& module = ss.modules[UpperAscii(lib)];
        if (!module) module = LoadLibraryA(lib.c_str());
        if (!module) {
            ss.modules.erase(UpperAscii(lib));
            continue;
        }
        loaded = true;
        HMODULE h = static_cast<HMODULE>(module);
        if (FARPROC f = GetProcAddress(h, name.c_str())) return reinterpret_cast<void*>(f);
        if (FARPROC f = GetProcAddress(h, (name + "A").c_str())) return reinterpret_cast<void*>(f);
    }
    if (!loaded) Raise(kErrLoadDll, "Cannot load 32-bit DLL " + library + ".");
    Raise(kErrEntryPoint, "Cannot find entry point " + name + " in the DLL.");
}

}  // namespace

Flow ExecDeclare(Interpreter& in, const Stmt& s) {
    const DllDeclare* d = s.Get<DllDeclare>();
    if (!d) return ExecArrayDeclaration(in, s);
    CheckServed(d->f.result);
    for (const DllType& t : d->f.params) CheckServed(t);
    DllFunction f = d->f;
    f.address = LoadFrom(in.session(), f.library, f.name);
    in.session().dlls[d->alias] = f;
    return Flow::Next;
}

namespace {

// --- the call ------------------------------------------------------------------------

// One stack slot of the convention: 4 bytes in 32-bit code, 8 in 64-bit code.
using Slot = std::uintptr_t;
constexpr std::size_t kMaxSlots = 24;
constexpr bool kX64 = sizeof(Slot) == 8;
// x64: the first four arguments travel in registers; a mask's bit i set means
// argument i is a SINGLE or DOUBLE (an XMM register). 32-bit code has no mask.
constexpr std::size_t kRegisterArgs = 4;
constexpr unsigned kMasks = kX64 ? 1u << kRegisterArgs : 1;

// The C++ type that puts argument I where the callee looks for it: a double
// for an XMM register (a SINGLE's bits in its low 32 bits), else a slot.
template <unsigned Mask, std::size_t I>
using ParamType = std::conditional_t<(I < kRegisterArgs && ((Mask >> I) & 1) != 0), double, Slot>;

template <unsigned Mask, std::size_t I>
ParamType<Mask, I> Pass(Slot s) {
    if constexpr (std::is_same_v<ParamType<Mask, I>, double>)
        return std::bit_cast<ParamType<Mask, I>>(s);
    else
        return s;
}

template <typename R, unsigned Mask, std::size_t... I>
R InvokeWith(void* f, const Slot* a, std::index_sequence<I...>) {
    using Fn = R(WINAPI*)(ParamType<Mask, I>...);
    return reinterpret_cast<Fn>(f)(Pass<Mask, I>(a[I])...);
}
template <typename R, unsigned Mask, std::size_t N>
R Thunk(void* f, const Slot* a) {
    return InvokeWith<R, Mask>(f, a, std::make_index_sequence<N>{});
}
template <typename R>
using ThunkFn = R (*)(void*, const Slot*);
template <typename R, unsigned Mask, std::size_t... N>
constexpr std::array<ThunkFn<R>, kMaxSlots + 1> ThunksOfMask(std::index_sequence<N...>) {
    return {&Thunk<R, Mask, N>...};
}
template <typename R, unsigned... Mask>
R Invoke(void* f, const std::vector<Slot>& a, unsigned mask, std::integer_sequence<unsigned, Mask...>) {
    static constexpr std::array<std::array<ThunkFn<R>, kMaxSlots + 1>, kMasks> kThunks = {
        ThunksOfMask<R, Mask>(std::make_index_sequence<kMaxSlots + 1>{})...};
    return kThunks[mask][a.size()](f, a.data());
}
template <typename R>
R Invoke(void* f, const std::vector<Slot>& a, unsigned mask) {
    return Invoke<R>(f, a, mask, std::make_integer_sequence<unsigned, kMasks>{});
}

// What a by-reference argument points to while the function runs.
struct Cell {
    VarP var;
    std::int32_t i = 0;
    std::int16_t s = 0;
    float f = 0;
    double d = 0;
    std::string text;  // STRING: the bytes and a zero after them
    std::size_t length = 0;
};

double NumberArg(const Value& v) {
    if (!IsNumber(v)) Raise(kErrArgument);
    return std::trunc(v.asNumber());
}
std::uint32_t Bits32(const Value& v) {
    double d = NumberArg(v);
    if (d < -2147483648.0 || d > 4294967295.0) Raise(kErrArgument);
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(d));
}
double Floating(const Value& v) {
    if (!IsNumber(v)) Raise(kErrArgument);
    return v.asNumber();
}
const std::string& Bytes(const Value& v) {
    if (!IsText(v)) Raise(kErrArgument);
    return v.text;
}

// The call's arguments as the convention lays them out.
struct Slots {
    std::vector<Slot> slots;
    unsigned mask = 0;  // x64: which of the first four go in XMM registers
    void Floating(std::size_t arg, Slot bits) {
        if (kX64 && arg < kRegisterArgs) mask |= 1u << arg;
        slots.push_back(bits);
    }
};

// One row per DECLARE type: how an argument goes by value and by reference
// (the cell it points to, read back into the variable after the call), and
// how the function's result comes back.
struct DllKind {
    char letter;
    void (*byValue)(const Value& v, std::size_t arg, std::string& text, Slots& out);
    Slot (*byRef)(const Value& v, Cell& c);
    Value (*back)(const Cell& c, int decimals);
    Value (*result)(void* f, const Slots& a, int decimals);
};

const DllKind kKinds[] = {
    {'I', [](const Value& v, std::size_t, std::string&, Slots& out) { out.slots.push_back(Bits32(v)); },
     [](const Value& v, Cell& c) { c.i = static_cast<std::int32_t>(Bits32(v)); return reinterpret_cast<Slot>(&c.i); },
     [](const Cell& c, int) { return N(c.i); },
     [](void* f, const Slots& a, int) { return N(static_cast<std::int32_t>(Invoke<Slot>(f, a.slots, a.mask))); }},
    {'S', [](const Value& v, std::size_t, std::string&, Slots& out) {
         out.slots.push_back(static_cast<std::uint16_t>(Bits32(v)));
     },
     [](const Value& v, Cell& c) { c.s = static_cast<std::int16_t>(Bits32(v)); return reinterpret_cast<Slot>(&c.s); },
     [](const Cell& c, int) { return N(c.s); },
     [](void* f, const Slots& a, int) { return N(static_cast<std::int16_t>(Invoke<Slot>(f, a.slots, a.mask))); }},
    {'F', [](const Value& v, std::size_t arg, std::string&, Slots& out) {
         out.Floating(arg, std::bit_cast<std::uint32_t>(static_cast<float>(Floating(v))));
     },
     [](const Value& v, Cell& c) { c.f = static_cast<float>(Floating(v)); return reinterpret_cast<Slot>(&c.f); },
     [](const Cell& c, int decimals) { return N(c.f, decimals); },
     [](void* f, const Slots& a, int decimals) { return N(Invoke<float>(f, a.slots, a.mask), decimals); }},
    {'N', [](const Value& v, std::size_t arg, std::string&, Slots& out) {
         const double x = Floating(v);
         if constexpr (kX64) {
             out.Floating(arg, std::bit_cast<std::uint64_t>(x));
         } else {  // two 4-byte slots
             std::uint32_t halves[2];
             std::memcpy(halves, &x, 8);
             out.slots.push_back(halves[0]);
             out.slots.push_back(halves[1]);
         }
     },
     [](const Value& v, Cell& c) { c.d = Floating(v); return reinterpret_cast<Slot>(&c.d); },
     [](const Cell& c, int decimals) { return N(c.d, decimals); },
     [](void* f, const Slots& a, int decimals) { return N(Invoke<double>(f, a.slots, a.mask), decimals); }},
    {'C', [](const Value& v, std::size_t, std::string& text, Slots& out) {
         if (v.type == '0') return out.slots.push_back(0);  // .NULL. passes a null pointer
         text = Bytes(v) + '\0';
         out.slots.push_back(reinterpret_cast<Slot>(text.data()));
     },
     [](const Value& v, Cell& c) {
         c.text = Bytes(v) + '\0';
         c.length = v.text.size();
         return reinterpret_cast<Slot>(c.text.data());
     },
     [](const Cell& c, int) { return C(c.text.substr(0, c.length)); },
     [](void* f, const Slots& a, int) {
         const char* p = reinterpret_cast<const char*>(Invoke<Slot>(f, a.slots, a.mask));
         return C(p ? p : "");
     }},
};

const DllKind* KindOf(char letter) {
    for (const DllKind& k : kKinds)
        if (k.letter == letter) return &k;
    return nullptr;  // no result (V)
}

}  // namespace

bool CallDeclared(Interpreter& in, const Expr& call, Value* out) {
    auto& dlls = in.session().dlls;
    auto it = dlls.find(call.name);
    if (it == dlls.end()) return false;
    const DllFunction f = it->second;
    if (call.args.size() < f.params.size()) Raise(kErrTooFew);
    if (call.args.size() > f.params.size()) Raise(kErrTooMany);
    Slots slots;
    std::vector<Cell> cells(f.params.size());
    std::vector<std::string> texts(f.params.size());
    for (std::size_t i = 0; i < f.params.size(); ++i) {
        const DllType& t = f.params[i];
        const DllKind& kind = *KindOf(t.letter);
        const Expr& e = *call.args[i];
        if (t.byRef != (e.kind == EK::Ref)) Raise(kErrArgument);
        if (t.byRef) {
            Cell& c = cells[i];
            c.var = in.VariableFor(e);
            if (c.var->isArray) Raise(kErrArgument);
            slots.slots.push_back(kind.byRef(c.var->value, c));
        } else {
            kind.byValue(in.Eval(e), i, texts[i], slots);
        }
    }
    if (slots.slots.size() > kMaxSlots) Raise(kErrTooMany);
    const int decimals = in.settings().decimals;
    if (const DllKind* result = KindOf(f.result.letter)) {
        *out = result->result(f.address, slots, decimals);
    } else {
        Invoke<Slot>(f.address, slots.slots, slots.mask);
        *out = L(true);
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].var) cells[i].var->value = KindOf(f.params[i].letter)->back(cells[i], decimals);
    return true;
}

namespace {

void ParseClearDlls(ExprParser& p, Stmt& s) {
    ClearDlls c;
    p.Relex(true);
    while (!p.AtEnd()) {
        c.names.push_back(p.Name());
        if (p.AtEnd()) break;
        p.Expect(",");
    }
    p.ExpectEnd();
    s.payload = c;
}

Flow ExecClearDlls(Interpreter& in, const Stmt& s) {
    auto& dlls = in.session().dlls;
    const ClearDlls& c = s.As<ClearDlls>();
    if (c.names.empty()) dlls.clear();
    for (const std::string& n : c.names) dlls.erase(n);
    return Flow::Next;
}

const Command kCommands[] = {
    {"CLEAR", "DLLS", ParseClearDlls, ExecClearDlls, nullptr, 0},
};

}  // namespace

std::span<const Command> DllCommands() { return kCommands; }

}  // namespace tarvo::run::lang
