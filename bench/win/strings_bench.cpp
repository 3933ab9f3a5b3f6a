// String handler speed through the replacement host, beside plain C++ doing
// the same work in the same run.
//
//   strings_bench [seconds per measurement, default 0.5]
//
// Every library figure is a host.Call as the host makes it: the host copies
// the argument text into a handle of its own, the handler makes it
// zero-terminated and does its work, the result comes back in a new handle
// and the host reads it out and frees both. The row "pass-in" (STR_FSTDIG,
// which only makes its parameter zero-terminated) is that host round trip
// alone, so the cost of a handler's own work is roughly its row less that
// one. The baseline column is the same work done in plain C++ on a
// std::string: std::count, a find loop, std::string(rbegin, rend),
// string_view::find, and for the packing the library's own pure functions
// called directly.
//
// Texts (built here, no randomness from outside): "tokens" are letters in
// tokens of 60 to 140 characters separated by commas, ending with a needle
// "#needle#" that occurs nowhere else; "runs" are runs of 1 to 12 equal
// letters (for the run-length packing). Sizes 1 KB and 16 MB. MB is 10^6
// bytes of input text; calls/s counts host calls (or baseline operations).
// The 16 MB token walk times STR_TOKINI on its own and then a capped number
// of STR_TOKNEX calls.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runner/host.h"
#include "strings/transforms.h"

namespace {

using tarvo::run::Arg;
using tarvo::run::ByValue;
using tarvo::run::Host;
using tarvo::run::Outcome;
using tarvo::run::Value;
using Clock = std::chrono::steady_clock;

double g_seconds = 0.5;
volatile std::size_t g_sink = 0;  // keeps baseline results alive

struct Rng {  // xorshift64*
    std::uint64_t s;
    std::uint64_t Next() {
        s ^= s >> 12;
        s ^= s << 25;
        s ^= s >> 27;
        return s * 0x2545F4914F6CDD1Dull;
    }
    unsigned Below(unsigned n) { return static_cast<unsigned>((Next() >> 33) % n); }
};

std::string TokenText(std::size_t size, std::uint64_t seed) {
    const std::string needle = "#needle#";
    Rng rng{seed};
    std::string s;
    s.reserve(size);
    while (s.size() + needle.size() < size) {
        std::size_t len = 60 + rng.Below(81);
        for (std::size_t i = 0; i < len && s.size() + needle.size() < size; ++i)
            s.push_back(static_cast<char>('a' + rng.Below(26)));
        if (s.size() + needle.size() < size) s.push_back(',');
    }
    return s + needle;
}

std::string RunText(std::size_t size, std::uint64_t seed) {
    Rng rng{seed};
    std::string s;
    s.reserve(size);
    while (s.size() < size) {
        std::size_t len = std::min<std::size_t>(1 + rng.Below(12), size - s.size());
        s.append(len, static_cast<char>('a' + rng.Below(26)));
    }
    return s;
}

struct Rate {
    double seconds = 0;
    long calls = 0;
    double perSecond() const { return seconds > 0 ? calls / seconds : 0; }
};

// Runs `op` until both a minimum time and a minimum number of calls passed.
Rate Measure(const std::function<void()>& op, long minCalls = 3) {
    Rate r;
    const auto start = Clock::now();
    do {
        op();
        ++r.calls;
        r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (r.seconds < g_seconds || r.calls < minCalls);
    return r;
}

struct Row {
    std::string what;
    std::size_t bytes;  // input bytes per call
    Rate library;
    Rate baseline;
    bool hasBaseline = true;
};

std::vector<Row> g_rows;

std::string SizeName(std::size_t bytes) {
    if (bytes >= (1u << 20)) return std::to_string(bytes >> 20) + " MB";
    if (bytes >= (1u << 10)) return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + " B";
}

void Print(const Row& r, std::FILE* out) {
    const double mb = r.bytes / 1e6;
    std::fprintf(out, "%-46s %6s  %10.1f MB/s %12.0f calls/s", r.what.c_str(), SizeName(r.bytes).c_str(),
                 r.library.perSecond() * mb, r.library.perSecond());
    if (r.hasBaseline) {
        std::fprintf(out, "   | %10.1f MB/s %12.0f ops/s", r.baseline.perSecond() * mb, r.baseline.perSecond());
    }
    std::fprintf(out, "\n");
}

void Report(Row r) {
    Print(r, stdout);
    std::fflush(stdout);
    g_rows.push_back(std::move(r));
}

// A call that must succeed with one value.
Value CallOk(Host& host, const char* name, const std::vector<Arg>& args) {
    Outcome o = host.Call(name, args);
    if (o.error != 0 || o.returns.size() > 1) {
        std::fprintf(stderr, "%s failed: %d %s\n", name, o.error, o.message.c_str());
        std::exit(1);
    }
    return o.value();
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "mismatch between library and baseline: %s\n", what);
        std::exit(1);
    }
}

void BenchSize(Host& host, std::size_t size) {
    const std::string tokens = TokenText(size, 0x5EED + size);
    const std::string runs = RunText(size, 0xBEEF + size);
    const std::vector<Arg> tokenArg{ByValue(Value::Char(tokens))};
    const std::vector<Arg> runArg{ByValue(Value::Char(runs))};

    // The host round trip of the text alone.
    {
        Row r{"pass-in (STR_FSTDIG)", size};
        r.library = Measure([&] { CallOk(host, "STR_FSTDIG", tokenArg); });
        r.hasBaseline = false;
        Report(r);
    }
    // STR_NUMTOK against std::count.
    {
        Row r{"STR_NUMTOK", size};
        const std::int32_t expected = 1 + static_cast<std::int32_t>(std::count(tokens.begin(), tokens.end(), ','));
        Check(CallOk(host, "STR_NUMTOK", tokenArg).integer == expected, "STR_NUMTOK");
        r.library = Measure([&] { CallOk(host, "STR_NUMTOK", tokenArg); });
        r.baseline = Measure([&] { g_sink = g_sink + std::count(tokens.begin(), tokens.end(), ','); });
        Report(r);
    }
    // STR_NTOKEN of the middle token against a find loop and a copy.
    {
        const std::int32_t count = 1 + static_cast<std::int32_t>(std::count(tokens.begin(), tokens.end(), ','));
        const std::int32_t n = (count + 1) / 2;
        auto baseline = [&] {
            std::size_t pos = 0;
            for (std::int32_t k = 1; k < n; ++k) pos = tokens.find(',', pos) + 1;
            std::size_t end = std::min(tokens.find(',', pos), tokens.size());
            return tokens.substr(pos, end - pos);
        };
        const std::vector<Arg> args{ByValue(Value::Int(n)), ByValue(Value::Char(tokens))};
        Check(CallOk(host, "STR_NTOKEN", args).text == baseline(), "STR_NTOKEN");
        Row r{"STR_NTOKEN (middle token)", size};
        r.library = Measure([&] { CallOk(host, "STR_NTOKEN", args); });
        r.baseline = Measure([&] { g_sink = g_sink + baseline().size(); });
        Report(r);
    }
    // The walk: STR_TOKINI, then STR_TOKNEX (capped for the large text).
    {
        const long cap = size > (1u << 20) ? 50000 : 1000000;
        auto walkBaseline = [&](long limit, std::string* copy) {
            *copy = tokens;
            std::size_t pos = 0;
            long n = 0;
            for (; n < limit && pos <= copy->size(); ++n) {
                std::size_t end = std::min(copy->find(',', pos), copy->size());
                std::string token = copy->substr(pos, end - pos);
                g_sink = g_sink + token.size();
                pos = end + 1;
            }
            return n;
        };
        if (size > (1u << 20)) {
            Row init{"STR_TOKINI", size};
            init.library = Measure([&] { CallOk(host, "STR_TOKINI", tokenArg); });
            init.baseline = Measure([&] { std::string copy = tokens; g_sink = g_sink + copy.size(); });
            Report(init);
            // Token after token from one STR_TOKINI.
            CallOk(host, "STR_TOKINI", tokenArg);
            const std::vector<Arg> none;
            std::size_t walked = 0;
            Rate lib;
            const auto start = Clock::now();
            for (long i = 0; i < cap; ++i) walked += CallOk(host, "STR_TOKNEX", none).text.size() + 1;
            lib.calls = cap;
            lib.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            // The baseline walks its own copy, made before the clock starts
            // (the library's copy was made by the STR_TOKINI above).
            std::string copy = tokens;
            Rate base;
            const auto bstart = Clock::now();
            std::size_t pos = 0;
            for (long i = 0; i < cap; ++i) {
                std::size_t end = std::min(copy.find(',', pos), copy.size());
                std::string token = copy.substr(pos, end - pos);
                g_sink = g_sink + token.size();
                pos = end + 1;
            }
            base.calls = cap;
            base.seconds = std::chrono::duration<double>(Clock::now() - bstart).count();
            Row next{"STR_TOKNEX x" + std::to_string(cap) + " (per call)", walked / static_cast<std::size_t>(cap)};
            next.library = lib;
            next.baseline = base;
            Report(next);
        } else {
            const std::vector<Arg> none;
            Row r{"STR_TOKINI + full STR_TOKNEX walk", size};
            long tokensPerWalk = 0;
            r.library = Measure([&] {
                CallOk(host, "STR_TOKINI", tokenArg);
                long n = 0;
                do {
                    CallOk(host, "STR_TOKNEX", none);
                    ++n;
                } while (!CallOk(host, "STR_TOKFIN", none).logical);
                tokensPerWalk = n;
            });
            std::string copy;
            Check(walkBaseline(cap, &copy) == tokensPerWalk, "token walk");
            r.baseline = Measure([&] { walkBaseline(cap, &copy); });
            r.what += " (" + std::to_string(tokensPerWalk) + " tokens)";
            Report(r);
        }
    }
    // STR_RELIN / STR_RELOUT against the pure functions called directly.
    {
        const std::string packed = tarvo::StrRelIn(runs);
        Check(CallOk(host, "STR_RELIN", runArg).text == packed, "STR_RELIN");
        Row r{"STR_RELIN", size};
        r.library = Measure([&] { CallOk(host, "STR_RELIN", runArg); });
        r.baseline = Measure([&] { g_sink = g_sink + tarvo::StrRelIn(runs).size(); });
        Report(r);
        const std::vector<Arg> packedArg{ByValue(Value::Char(packed))};
        Check(CallOk(host, "STR_RELOUT", packedArg).text == runs, "STR_RELOUT");
        Row o{"STR_RELOUT (packed input)", packed.size()};
        o.library = Measure([&] { CallOk(host, "STR_RELOUT", packedArg); });
        o.baseline = Measure([&] { g_sink = g_sink + tarvo::StrRelOut(packed).size(); });
        Report(o);
    }
    // STR_REVERS against std::string(rbegin, rend).
    {
        Check(CallOk(host, "STR_REVERS", tokenArg).text == std::string(tokens.rbegin(), tokens.rend()),
              "STR_REVERS");
        Row r{"STR_REVERS", size};
        r.library = Measure([&] { CallOk(host, "STR_REVERS", tokenArg); });
        r.baseline = Measure([&] { g_sink = g_sink + std::string(tokens.rbegin(), tokens.rend()).size(); });
        Report(r);
    }
    // STR_NAIVESEARCH of the needle at the very end against string_view::find.
    {
        const std::vector<Arg> args{ByValue(Value::Char("#needle#")), ByValue(Value::Char(tokens))};
        const std::int32_t expected = static_cast<std::int32_t>(tokens.size() - 8 + 1);
        Check(CallOk(host, "STR_NAIVESEARCH", args).integer == expected, "STR_NAIVESEARCH");
        Row r{"STR_NAIVESEARCH (needle at the end)", size};
        r.library = Measure([&] { CallOk(host, "STR_NAIVESEARCH", args); });
        r.baseline = Measure([&] { g_sink = g_sink + std::string_view(tokens).find("#needle#"); });
        Report(r);
    }
}

std::string BesideExe(const char* file) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1) + file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_seconds = std::atof(argv[1]);
    if (g_seconds <= 0) g_seconds = 0.5;
    Host host;
    host.traceOn = false;
    std::string why;
    if (!host.Load(BesideExe("TARVO.fll"), &why)) {
        std::fprintf(stderr, "cannot load TARVO.fll: %s\n", why.c_str());
        return 1;
    }
    CallOk(host, "STR_SETSEP", {ByValue(Value::Char(","))});
    std::printf("%-46s %6s  %29s   | %s\n", "handler", "text", "through host.Call",
                "plain C++ baseline");
    for (std::size_t size : {std::size_t{1} << 10, std::size_t{16} << 20}) BenchSize(host, size);
    host.Unload();
    return 0;
}
