#include "runner/fuzz/fuzz.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <limits>

namespace tarvo::run {
namespace {

std::string g_current;
std::atomic<unsigned> g_serial{0};

// splitmix64: small, fast and the same everywhere.
struct Gen {
    std::uint64_t state;
    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T, std::size_t N>
    T Pick(const T (&items)[N]) {
        return items[Below(static_cast<int>(N))];
    }
};

std::uint64_t NameSeed(std::uint64_t seed, const std::string& name) {
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (char c : name) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h ^ (seed * 0x9E3779B97F4A7C15ull);
}

std::int32_t EdgeInt(Gen& g) {
    static const std::int32_t kEdges[] = {
        0, 1, -1, 2, 3, 5, 10, 100, 1000, 127, 128, -128, -129, 255, 256, 257, 32767, 32768,
        -32768, -32769, 65535, 65536, 2147483647, -2147483647 - 1, 2147483646, -2147483647};
    switch (g.Below(4)) {
    case 0: return g.Pick(kEdges);
    case 1: {  // a power of two and its neighbours
        const std::int64_t p = std::int64_t{1} << g.Below(31);
        return static_cast<std::int32_t>(p + g.Below(3) - 1);
    }
    case 2: return g.Below(310) - 10;
    default: return static_cast<std::int32_t>(g.Next());
    }
}

double EdgeNumber(Gen& g) {
    static const double kEdges[] = {
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), 0.0, -0.0, 1e300, -1e300, 1e-300, -1e-300,
        0.5, 2.5, -7.25, 2147483647.5, 2147483648.0, -2147483649.0, 9007199254740993.0, 1e15,
        0.1, 1.0 / 3.0};
    switch (g.Below(3)) {
    case 0: return g.Pick(kEdges);
    case 1: return EdgeInt(g);
    default: return (static_cast<double>(g.Next() % 2000001) - 1000000.0) / 1000.0;
    }
}

double EdgeDay(Gen& g) {
    static const double kDays[] = {0, 2440588, 2451545, 2415021, 2299160, 1721426, 5373484, 1e9};
    return g.Pick(kDays) + (g.Chance(50) ? g.Below(5) - 2 : 0);
}

// Random bytes never hold '/', '\' or ':', so a text taken for a file name
// stays inside the current (scratch) folder; paths are made on purpose.
char TextByte(Gen& g) {
    static const char kSpecial[] = {',', ';', '.', ' ', '\t', '\r', '\n', '|', '^', '\'', '"',
                                    '[', ']', '(', ')', '*', '?', '0', '9', 'a', 'Z', '\0'};
    char c;
    switch (g.Below(4)) {
    case 0: c = g.Pick(kSpecial); break;
    case 1: c = static_cast<char>(128 + g.Below(128)); break;
    default: c = static_cast<char>('a' + g.Below(26)); break;
    }
    return c == '/' || c == '\\' || c == ':' ? '_' : c;
}

std::string EdgeText(Gen& g, const std::string& scratch) {
    static const int kLengths[] = {0, 1, 2, 3, 8, 255, 256, 257, 2047, 2048, 2049, 65535, 65536};
    static const char* const kShapes[] = {
        "", "-123.45", "1e10", "0x1F", "2024-02-29", "31/12/1999", "12:34:56", "f(a, 'b,c', (d))",
        "\"quoted\"", "'", "*.*", "a?c*", "file.txt", "sub", "HKEY_CURRENT_USER", "TARVO",
        "\xE9t\xE9", "a\0b"};
    switch (g.Below(6)) {
    case 0: return kShapes[g.Below(static_cast<int>(std::size(kShapes)) - 1)];
    case 1: return std::string(300, static_cast<char>('a' + g.Below(26)));  // a long name
    case 2: return scratch + "\\" + (g.Chance(50) ? "file.txt" : "sub\\" + EdgeText(g, scratch));
    default: {
        std::string s(static_cast<std::size_t>(g.Chance(70) ? g.Below(40) : g.Pick(kLengths)),
                      ' ');
        const bool plain = g.Chance(40);
        for (char& c : s) c = plain ? static_cast<char>('a' + g.Below(26)) : TextByte(g);
        return s;
    }
    }
}

Value RandomValue(Gen& g, const std::string& scratch) {
    switch (g.Below(11)) {
    case 0: return Value::Char(EdgeText(g, scratch));
    case 1: return Value::Num(EdgeNumber(g), g.Below(9));
    case 2: return Value::Int(EdgeInt(g));
    case 3: return Value::Date(EdgeDay(g));
    case 4: return Value::Logical(g.Chance(50));
    case 5: return Value::DateTime(EdgeDay(g) + g.Below(86400) / 86400.0);
    case 6: return Value::Currency(static_cast<std::int64_t>(g.Next()) >> g.Below(64));
    case 7: {
        Value v = Value::Char(EdgeText(g, scratch));
        v.type = 'M';
        return v;
    }
    case 8: {
        Value v;
        v.type = 'G';
        return v;
    }
    case 9: return Value::Null();
    default: {
        Value v;
        v.type = 'O';
        v.integer = EdgeInt(g);
        return v;
    }
    }
}

Arg ByReference(Host& host, Gen& g, const std::string& scratch) {
    if (g.Chance(15)) return ByRef(0x7FFFFF00u + static_cast<std::uint32_t>(g.Below(255)));  // undefined
    Value v = RandomValue(g, scratch);
    if (v.type == 'M' || v.type == 'G' || v.type == 'O') v = Value::Char(v.text);
    return ByRef(host.NewVariable(v), g.Chance(10) ? 1 : -1);  // now and then a field
}

Arg ArgFor(Host& host, Gen& g, char letter, const std::string& scratch) {
    switch (letter) {
    case 'C': return ByValue(Value::Char(EdgeText(g, scratch)));
    case 'N': return ByValue(Value::Num(EdgeNumber(g), g.Below(9)));
    case 'I': return ByValue(g.Chance(20) ? Value::Num(EdgeNumber(g), 2) : Value::Int(EdgeInt(g)));
    case 'D': return ByValue(Value::Date(EdgeDay(g)));
    case 'L': return ByValue(Value::Logical(g.Chance(50)));
    case 'R': return ByReference(host, g, scratch);
    case 'O': {
        Value v;
        v.type = 'O';
        v.integer = EdgeInt(g);
        return ByValue(v);
    }
    default:  // '?'
        return g.Chance(15) ? ByReference(host, g, scratch) : ByValue(RandomValue(g, scratch));
    }
}

// Handles in use and handles locked, in the host's table.
struct Audit {
    int inUse = 0;
    int locked = 0;
};

Audit TakeAudit(Host& host) {
    Audit a;
    const std::uint8_t* table = host.handleTable();
    const auto* header = reinterpret_cast<const HandleTableHeader*>(table);
    for (std::uint32_t i = 1; i < header->capacity; ++i) {
        std::uint32_t block;
        std::memcpy(&block, table + kHandleSlotsOffset + 4u * i, 4);
        if (!block) continue;
        ++a.inUse;
        const auto h = reinterpret_cast<HGLOBAL>(static_cast<std::uintptr_t>(block));
        if ((GlobalFlags(h) & GMEM_LOCKCOUNT) != 0) ++a.locked;
    }
    return a;
}

}  // namespace

const std::string& CurrentFuzzCall() { return g_current; }
unsigned FuzzCallSerial() { return g_serial.load(); }

std::string DescribeArgs(const Host& host, const std::vector<Arg>& args) {
    std::string out;
    char buffer[64];
    for (const Arg& a : args) {
        if (!out.empty()) out += ", ";
        if (a.byRef) {
            std::snprintf(buffer, sizeof buffer, "@var%u%s", static_cast<unsigned>(a.varId),
                          a.workArea != -1 ? " (a field)" : "");
            out += buffer;
            continue;
        }
        const Value& v = a.value;
        switch (v.type) {
        case 'C':
        case 'M': {
            std::string shown;
            for (char c : v.text.substr(0, 24)) {
                const auto u = static_cast<unsigned char>(c);
                if (u >= 32 && u < 127 && c != '"') {
                    shown += c;
                } else {
                    std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
                    shown += buffer;
                }
            }
            std::snprintf(buffer, sizeof buffer, "%c:\"", v.type);
            out += buffer + shown + (v.text.size() > 24 ? "...\"" : "\"");
            std::snprintf(buffer, sizeof buffer, "(%zu bytes)", v.text.size());
            out += buffer;
            break;
        }
        case 'N': std::snprintf(buffer, sizeof buffer, "N:%.17g/%d", v.number, v.decimals); out += buffer; break;
        case 'I': std::snprintf(buffer, sizeof buffer, "I:%d", static_cast<int>(v.integer)); out += buffer; break;
        case 'D':
        case 'T': std::snprintf(buffer, sizeof buffer, "%c:%.6f", v.type, v.number); out += buffer; break;
        case 'L': out += v.logical ? "L:.T." : "L:.F."; break;
        case 'Y': std::snprintf(buffer, sizeof buffer, "Y:%lld", static_cast<long long>(v.currency)); out += buffer; break;
        default: std::snprintf(buffer, sizeof buffer, "%c:%d", v.type, static_cast<int>(v.integer)); out += buffer; break;
        }
    }
    (void)host;
    return out;
}

FuzzReport FuzzNames(Host& host, const FuzzOptions& options,
                     const std::function<bool(const std::string& name)>& skip) {
    FuzzReport report;
    std::vector<const FunctionInfo*> names;
    for (const FunctionInfo& f : host.functions()) {
        if (f.count < 0 || skip(f.name)) continue;
        if (!options.only.empty() &&
            ("," + options.only + ",").find("," + f.name + ",") == std::string::npos)
            continue;
        bool seen = false;  // a name standing twice is fuzzed once
        for (const FunctionInfo* n : names) seen = seen || n->name == f.name;
        if (!seen) names.push_back(&f);
    }
    host.hostile = options.hostile;
    for (const FunctionInfo* f : names) {
        ++report.names;
        Gen g{NameSeed(options.seed, f->name)};
        std::size_t required = 0;
        for (const ParamType& p : f->params) required += p.optional ? 0 : 1;
        Audit baseline{};
        for (int k = 1; k <= options.callsPerName; ++k) {
            std::size_t n = f->params.size();
            if (n > required && g.Chance(25)) n = required + static_cast<std::size_t>(g.Below(static_cast<int>(n - required)));
            std::vector<Arg> args;
            for (std::size_t i = 0; i < n; ++i) args.push_back(ArgFor(host, g, f->params[i].letter, options.scratch));
            if (options.hostile) {
                host.allocCount = host.resizeCount = 0;
                host.faults.failAllocAt = g.Chance(20) ? 1 + g.Below(4) : 0;
                host.faults.failResizeAt = g.Chance(10) ? 1 + g.Below(3) : 0;
            }
            g_current = f->name + "(" + DescribeArgs(host, args) + ")";
            ++g_serial;
            const Audit before = TakeAudit(host);
            Outcome o = host.Call(f->name, args);
            const Audit after = TakeAudit(host);
            host.faults.failAllocAt = host.faults.failResizeAt = 0;
            ++report.calls;
            if (o.error != 0) ++report.errors;
            auto fail = [&](const std::string& what) {
                report.failures.push_back({f->name, k, what, g_current});
            };
            // A name may keep one working copy from call to call (one locked
            // handle, made by whichever call first succeeds).
            if (k == 1) baseline = before;
            if (after.inUse > baseline.inUse + 1) fail("handles left behind");
            if (o.error == 0 && after.locked > std::max(before.locked, baseline.locked + 1))
                fail("a handle left locked by a call that did not fail");
            if (o.error == 11) fail("arguments made from the type string were refused");
            if (!o.protocol.empty()) fail(o.protocol);
        }
        Outcome check = host.Call("TST_TEST", {Value::Int(3)});
        if (check.error != 0 || check.value().integer != 27)
            report.failures.push_back({f->name, options.callsPerName,
                                       "TST_TEST(3) no longer answers 27 afterwards", g_current});
    }
    host.hostile = false;
    g_current.clear();
    return report;
}

}  // namespace tarvo::run
