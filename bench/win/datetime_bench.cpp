// The date and time handlers' own cost per call, measured the way
// dispatch_bench does: DispatchAPI called with request blocks built once,
// through a host callback that does the least a host can (keeps the returned
// record, hands out numeric variables, frees returned texts).
//
//   datetime_bench [seconds per measurement, default 0.05]
//
// Each handler's time per call is shown beside the baseline of its kind in
// the same run: TST_TEST for a number, a date or a logical (request frame,
// one integer parameter, the return service), STR_FSTDIG for a text
// parameter (the same, the parameter made zero-terminated and no result),
// STR_NULL for a text result (a new handle for the result, and freeing it).
// "own" is the difference: what the handler adds. Every figure is the best
// of 9 measurements, so that other work on the machine counts as little as
// it can.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/protocol.h"

namespace {

using namespace tarvo;
using Clock = std::chrono::steady_clock;

double g_seconds = 0.05;

#ifdef _WIN64
constexpr const char* kExport = "DispatchAPI";
#else
constexpr const char* kExport = "@DispatchAPI@4";
#endif

using Dispatch = int(__fastcall*)(RequestBlock*);
Dispatch g_dispatch = nullptr;
ValueRecord g_lastReturn;

void __fastcall MinimalCallback(ServiceBlock* b) {
    switch (b->code) {
    case kSvcReturnValue:
        std::memcpy(&g_lastReturn, FromAddr<ValueRecord>(b->arg1), sizeof g_lastReturn);
        break;
    case kSvcLoadVariable: {  // every variable holds the number 5
        ValueRecord* r = FromAddr<ValueRecord>(b->arg2);
        std::memset(r, 0, sizeof *r);
        r->type = 'N';
        r->width = 20;
        r->number = 5;
        r->integer = 5;
        break;
    }
    default:
        break;
    }
    b->arg1 = 0;
}

double NsPerCall(const std::function<void()>& call) {
    double best = 1e30;
    for (int round = 0; round < 9; ++round) {
        long n = 0;
        const auto start = Clock::now();
        const auto until = start + std::chrono::duration<double>(g_seconds);
        while (Clock::now() < until) {
            for (int i = 0; i < 200; ++i) call();
            n += 200;
        }
        const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / n;
        if (ns < best) best = ns;
    }
    return best;
}

struct Table {
    const FunctionRecord* records = nullptr;
    int count = 0;
    Addr Handler(const char* name) const {
        for (int i = 0; i < count; ++i)
            if (std::strcmp(FromAddr<const char>(records[i].name), name) == 0) return records[i].handler;
        std::fprintf(stderr, "no %s\n", name);
        std::exit(1);
    }
};

// A request block for one handler with its parameters, built once.
struct CallBlock {
    std::vector<std::uint8_t> bytes;
    RequestBlock* block() { return reinterpret_cast<RequestBlock*>(bytes.data()); }
    ParamRecord& param(int i) {
        return reinterpret_cast<ParamBlock*>(bytes.data() + kParamBlockOffset)->params[i];
    }
};

CallBlock Build(const Table& t, const char* name, const std::vector<ValueRecord>& params) {
    CallBlock r;
    r.bytes.assign(kParamBlockOffset + 2 + sizeof(ParamRecord) * (params.empty() ? 1 : params.size()), 0);
    r.block()->code = kReqCall;
    r.block()->function = t.Handler(name);
    reinterpret_cast<ParamBlock*>(r.bytes.data() + kParamBlockOffset)->count =
        static_cast<std::int16_t>(params.size());
    for (std::size_t i = 0; i < params.size(); ++i) r.param(static_cast<int>(i)).value = params[i];
    return r;
}

ValueRecord Date(double day) {
    ValueRecord v{};
    v.type = 'D';
    v.number = day;
    return v;
}
ValueRecord Int(std::int32_t n) {
    ValueRecord v{};
    v.type = 'I';
    v.integer = n;
    v.number = n;
    return v;
}
ValueRecord Num(double n) {
    ValueRecord v{};
    v.type = 'N';
    v.number = n;
    v.integer = static_cast<std::int32_t>(n);
    return v;
}
ValueRecord Ref() {
    ValueRecord v{};
    v.type = 'R';
    reinterpret_cast<VariableLocator&>(v).workArea = -1;
    return v;
}

std::uint32_t HostHandle(const char* text) {
    RequestBlock alloc{};
    alloc.code = kReqAllocHandle;
    alloc.word0 = static_cast<Addr>(std::strlen(text));
    alloc.word1 = 1;
    g_dispatch(&alloc);
    RequestBlock address{};
    address.code = kReqHandleAddress;
    address.word0 = alloc.word0;
    g_dispatch(&address);
    std::memcpy(FromAddr<char>(address.word0), text, std::strlen(text));
    return alloc.word0;
}

ValueRecord Text(const char* text) {
    ValueRecord v{};
    v.type = 'C';
    v.length = static_cast<std::int32_t>(std::strlen(text));
    v.handle = HostHandle(text);
    return v;
}

void FreeReturned() {
    if (g_lastReturn.type != 'H' && g_lastReturn.type != 'C') return;
    RequestBlock f{};
    f.code = kReqFreeHandle;
    f.word0 = g_lastReturn.handle;
    g_dispatch(&f);
    g_lastReturn.type = 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_seconds = std::atof(argv[1]);
    char self[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dir(self, n);
    dir = dir.substr(0, dir.find_last_of("\\/") + 1);

    HMODULE module = LoadLibraryA((dir + "TARVO.fll").c_str());
    g_dispatch = reinterpret_cast<Dispatch>(reinterpret_cast<void*>(GetProcAddress(module, kExport)));
    if (!g_dispatch) {
        std::fprintf(stderr, "cannot load TARVO.fll\n");
        return 1;
    }
    std::vector<std::uint8_t> handles(kHandleSlotsOffset + 4 * 64, 0), values(kValueSlotsOffset + 4 * 16, 0);
    HandleTableHeader h{1, 64};
    std::memcpy(handles.data(), &h, sizeof h);
    ValueTableHeader v{1, 0, 16};
    std::memcpy(values.data(), &v, sizeof v);
    RequestBlock load{};
    load.code = kReqLoad;
    load.function = static_cast<Addr>(reinterpret_cast<std::uintptr_t>(&MinimalCallback));
    load.word0 = static_cast<Addr>(reinterpret_cast<std::uintptr_t>(handles.data()));
    load.word1 = static_cast<Addr>(reinterpret_cast<std::uintptr_t>(values.data()));
    g_dispatch(&load);
    Table t;
    const auto* header = FromAddr<const LibraryHeader>(load.word0);
    t.records = FromAddr<const FunctionRecord>(header->records);
    t.count = header->count;
    CallBlock in = Build(t, "TARVOIN", {});  // binds the companion's calendar
    g_dispatch(in.block());

    const double day = 2451605;  // 1 March 2000
    CallBlock setFormat = Build(t, "TIM_SETFORMAT", {Text("%Y-%m-%d %H:%M:%S")});
    g_dispatch(setFormat.block());
    struct Case {
        const char* name;
        std::vector<ValueRecord> params;
    };
    const Case cases[] = {
        {"DAT_YEAR", {Date(day)}},
        {"DAT_MONTH", {Date(day)}},
        {"DAT_DAY", {Date(day)}},
        {"DAT_NUM", {Date(day)}},
        {"DAT_BOY", {Date(day)}},
        {"DAT_EOY", {Date(day)}},
        {"DAT_BOM", {Date(day)}},
        {"DAT_EOM", {Date(day)}},
        {"DAT_ISLEAP", {Date(day)}},
        {"DAT_EASTER", {Date(day)}},
        {"DAT_BOOMERANG", {Date(day)}},
        {"DAT_NUMBEROFDAYS", {Int(2)}},
        {"DAT_YMD", {Date(day), Ref(), Ref(), Ref()}},
        {"DAT_TEST", {Ref(), Ref(), Ref()}},
        {"DAT_DATETIME", {}},
        {"TIM_GETNUMBEROFDAYS", {Date(day + 9), Date(day)}},
        {"TIM_MAKETIME", {Date(day), Int(60)}},
        {"TIM_NEXTDAY", {Date(day), Int(3)}},
        {"TIM_MAKESECONDS", {Text("01:02:03")}},
        {"TIM_TIME", {}},
        {"TIM_TICKS", {}},
        {"TIM_GMT", {Int(951868800)}},
        {"TIM_LOCALT", {Int(951868800)}},
        {"TIM_CTIME", {Int(951868800)}},
        {"TIM_USERTIME", {Int(951868800)}},
        {"TIM_SPLIT", {Num(3723004), Ref(), Ref(), Ref(), Ref()}},
        {"TIM_FORMAT", {Num(3723004)}},
        {"STR_MAKETIME", {Int(3723), Int(4)}},
    };

    CallBlock test = Build(t, "TST_TEST", {Int(3)});
    CallBlock null = Build(t, "STR_NULL", {});
    CallBlock digit = Build(t, "STR_FSTDIG", {Text("01:02:03")});
    const double numberBase = NsPerCall([&] { g_dispatch(test.block()); });
    const double textBase = NsPerCall([&] {
        g_dispatch(null.block());
        FreeReturned();
    });
    const double textParamBase = NsPerCall([&] { g_dispatch(digit.block()); });
    std::printf("baselines: TST_TEST %.0f ns, STR_FSTDIG %.0f ns, STR_NULL %.0f ns per call\n",
                numberBase, textParamBase, textBase);
    std::printf("%-22s %10s %10s %10s\n", "handler", "ns/call", "baseline", "own ns");
    for (const Case& c : cases) {
        CallBlock r = Build(t, c.name, c.params);
        g_dispatch(r.block());
        const bool text = g_lastReturn.type == 'H' || g_lastReturn.type == 'C';
        FreeReturned();
        const double ns = NsPerCall([&] {
            g_dispatch(r.block());
            FreeReturned();
        });
        const bool textParam = !c.params.empty() && c.params[0].type == 'C';
        const double base = text ? textBase : textParam ? textParamBase : numberBase;
        std::printf("%-22s %10.0f %10.0f %10.0f\n", c.name, ns, base, ns - base);
    }
    FreeLibrary(module);
    return 0;
}
