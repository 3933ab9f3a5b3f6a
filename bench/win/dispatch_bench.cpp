// The cost of one call into the library, with and without the replacement
// host around it, in one run.
//
//   dispatch_bench [seconds per measurement, default 0.5]
//
// "bare" calls DispatchAPI with a request block built once, through a host
// callback that only keeps the returned record: what the library itself
// costs per call (the request frame, reading the parameters, the handler,
// the return service). "runner" is host.Call as tarvo-run makes it: the
// name looked up, the arguments checked against the type string and copied
// into fresh records and handles, every service traced, the result decoded
// and the handles freed. TST_TEST returns an integer; STR_FSTDIG makes its
// text parameter zero-terminated (one resize and lock of its handle) and
// returns nothing.
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
#include "runner/host.h"

namespace {

using namespace tarvo;
using Clock = std::chrono::steady_clock;

double g_seconds = 0.5;

#ifdef _WIN64
constexpr const char* kExport = "DispatchAPI";
#else
constexpr const char* kExport = "@DispatchAPI@4";
#endif

using Dispatch = int(__fastcall*)(RequestBlock*);

ValueRecord g_lastReturn;

// The least a host can do: keep a returned record, answer 0 to the rest.
void __fastcall MinimalCallback(ServiceBlock* b) {
    if (b->code == kSvcReturnValue)
        std::memcpy(&g_lastReturn, FromAddr<ValueRecord>(b->arg1), sizeof g_lastReturn);
    b->arg1 = 0;
}

// Calls per second of `call`, repeated for about g_seconds.
double Rate(const std::function<void()>& call) {
    long n = 0;
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration<double>(g_seconds);
    while (Clock::now() < until) {
        for (int i = 0; i < 1000; ++i) call();
        n += 1000;
    }
    return n / std::chrono::duration<double>(Clock::now() - start).count();
}

std::uint32_t Handler(HMODULE module, Dispatch dispatch, const char* name) {
    (void)module;
    RequestBlock r{};
    r.code = kReqDescribe;
    dispatch(&r);
    const auto* header = FromAddr<const LibraryHeader>(r.word0);
    const auto* records = FromAddr<const FunctionRecord>(header->records);
    for (int i = 0; i < header->count; ++i)
        if (std::strcmp(FromAddr<const char>(records[i].name), name) == 0) return records[i].handler;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) g_seconds = std::atof(argv[1]);
    char self[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dir(self, n);
    dir = dir.substr(0, dir.find_last_of("\\/") + 1);

    // The bare library: its own handle and value tables, request 0, TARVOIN.
    HMODULE module = LoadLibraryA((dir + "TARVO.fll").c_str());
    auto dispatch = reinterpret_cast<Dispatch>(reinterpret_cast<void*>(GetProcAddress(module, kExport)));
    if (!dispatch) {
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
    dispatch(&load);

    // Prebuilt blocks: TST_TEST(3) and STR_FSTDIG(text in handle 1).
    std::vector<std::uint8_t> testBlock(kParamBlockOffset + 2 + sizeof(ParamRecord), 0);
    auto* test = reinterpret_cast<RequestBlock*>(testBlock.data());
    test->code = kReqCall;
    test->function = Handler(module, dispatch, "TST_TEST");
    auto* testParams = reinterpret_cast<ParamBlock*>(testBlock.data() + kParamBlockOffset);
    testParams->count = 1;
    testParams->params[0].value.type = 'I';
    testParams->params[0].value.integer = 3;

    RequestBlock alloc{};
    alloc.code = kReqAllocHandle;
    alloc.word0 = 10;
    alloc.word1 = 1;
    dispatch(&alloc);
    RequestBlock address{};
    address.code = kReqHandleAddress;
    address.word0 = alloc.word0;
    dispatch(&address);
    std::memcpy(FromAddr<char>(address.word0), "1234567890", 10);
    std::vector<std::uint8_t> digBlock(kParamBlockOffset + 2 + sizeof(ParamRecord), 0);
    auto* dig = reinterpret_cast<RequestBlock*>(digBlock.data());
    dig->code = kReqCall;
    dig->function = Handler(module, dispatch, "STR_FSTDIG");
    auto* digParams = reinterpret_cast<ParamBlock*>(digBlock.data() + kParamBlockOffset);
    digParams->count = 1;
    digParams->params[0].value.type = 'C';
    digParams->params[0].value.length = 10;
    digParams->params[0].value.handle = alloc.word0;

    const double bareTest = Rate([&] { dispatch(test); });
    if (g_lastReturn.integer != 27) std::fprintf(stderr, "TST_TEST(3) answered %d\n", g_lastReturn.integer);
    const double bareDig = Rate([&] { dispatch(dig); });
    FreeLibrary(module);

    run::Host host;
    std::string why;
    if (!host.Load(dir + "TARVO.fll", &why)) {
        std::fprintf(stderr, "%s\n", why.c_str());
        return 1;
    }
    host.traceOn = true;
    const double runnerTest = Rate([&] {
        host.Call("TST_TEST", {run::Value::Int(3)});
        host.trace.clear();
    });
    const double runnerDig = Rate([&] {
        host.Call("STR_FSTDIG", {run::Value::Char("1234567890")});
        host.trace.clear();
    });
    host.Unload();

    std::printf("%-12s %16s %16s %8s\n", "call", "bare calls/s", "runner calls/s", "ratio");
    std::printf("%-12s %16.0f %16.0f %8.1f\n", "TST_TEST", bareTest, runnerTest, bareTest / runnerTest);
    std::printf("%-12s %16.0f %16.0f %8.1f\n", "STR_FSTDIG", bareDig, runnerDig, bareDig / runnerDig);
    std::printf("ns per call: TST_TEST %.0f bare, %.0f runner; STR_FSTDIG %.0f bare, %.0f runner\n",
                1e9 / bareTest, 1e9 / runnerTest, 1e9 / bareDig, 1e9 / runnerDig);
    return 0;
}
