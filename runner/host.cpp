// The Host: loading and releasing the library, calls by request, the message
// pump and the test timers. Arguments are in host_args.cpp, value records and
// handles in host_records.cpp, the services in services/.
#include "runner/host.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "host/handle_table.h"
#include "runner/hostile.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

thread_local Host* g_current = nullptr;
thread_local std::map<std::uintptr_t, Host*> g_timerOwners;

constexpr std::uint16_t kHandleCapacity = 4096;
constexpr std::uint16_t kValueCapacity = 1024;
#ifdef _WIN64
// The 64-bit test flavour has no decorated names.
constexpr const char* kDispatchExport = "DispatchAPI";
#else
constexpr const char* kDispatchExport = "@DispatchAPI@4";
#endif

std::uint32_t Addr32(const void* p) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

void __fastcall HostCallback(ServiceBlock* block) {
    Host* host = g_current;
    if (!host) {
        block->code = kSvcRaiseError;
        return;
    }
    try {
        host->Serve(block);
    } catch (...) {
        // Nothing may unwind into the library's frames.
        block->arg1 = 0;
        block->code = kSvcRaiseError;
    }
}

void UnloadGroups(Host& host) {
    for (const ServiceGroup& g : ServiceGroups())
        if (g.unload) g.unload(host);
}

}  // namespace

std::int32_t WholePart(double d) {
    if (std::isnan(d)) return 0;
    if (d >= 2147483647.0) return 2147483647;
    if (d <= -2147483648.0) return static_cast<std::int32_t>(-2147483647 - 1);
    return static_cast<std::int32_t>(d);
}

Host* CurrentHost() { return g_current; }

Host::Host() {
    handleTable_.assign(kHandleSlotsOffset + 4u * kHandleCapacity, 0);
    HandleTableHeader h{1, kHandleCapacity};
    std::memcpy(handleTable_.data(), &h, sizeof h);
    valueTable_.assign(kValueSlotsOffset + 4u * kValueCapacity, 0);
    ValueTableHeader v{1, 0, kValueCapacity};
    std::memcpy(valueTable_.data(), &v, sizeof v);
    PlugTables(*this);
}

Host::~Host() {
    while (!timers_.empty()) StopTimer(timers_.begin()->first);
    if (module_) Unload();
    tables.CloseAll();
}

bool Host::Load(const std::string& path, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (module_) return fail("a library is loaded already");
    for (const ServiceGroup& g : ServiceGroups()) {
        std::string why;
        if (g.load && !g.load(*this, &why)) {
            UnloadGroups(*this);
            return fail(why);
        }
    }

    HMODULE module = LoadLibraryA(path.c_str());
    auto dispatch = module ? reinterpret_cast<int(__fastcall*)(RequestBlock*)>(reinterpret_cast<void*>(
                                 GetProcAddress(module, kDispatchExport)))
                           : nullptr;
    if (!dispatch) {
        if (module) FreeLibrary(module);
        UnloadGroups(*this);
        return fail(module ? path + " has no " + kDispatchExport + " export" : "cannot load " + path);
    }
    module_ = module;
    dispatch_ = dispatch;
    previous_ = g_current;
    g_current = this;
    PatchLibraryAllocator(module_);

    RequestBlock r{};
    r.code = kReqLoad;
    r.function = Addr32(reinterpret_cast<void*>(&HostCallback));
    r.word0 = Addr32(handleTable_.data());
    r.word1 = Addr32(valueTable_.data());
    dispatch_(&r);
    header_ = FromAddr<const LibraryHeader>(r.word0);

    functions_.clear();
    byName_.clear();
    const auto* records = FromAddr<const FunctionRecord>(header_->records);
    for (int i = 0; i < header_->count; ++i) {
        FunctionInfo f;
        f.name = FromAddr<const char>(records[i].name);
        f.handler = records[i].handler;
        f.count = records[i].paramCount;
        f.typesNull = records[i].types == 0;
        f.types = f.typesNull ? "" : FromAddr<const char>(records[i].types);
        f.params = TypeEntries(f.types);
        byName_.emplace(f.name, functions_.size());  // the first record of a name wins
        functions_.push_back(std::move(f));
    }
    RunHook(-2);
    return true;
}

void Host::RunHook(std::int16_t count) {
    for (const FunctionInfo& f : functions_) {
        if (f.count != count) continue;
        Invoke(f, {});
    }
}

void Host::Unload() {
    if (!module_) return;
    RunHook(-3);
    FreeLibrary(module_);
    module_ = nullptr;
    dispatch_ = nullptr;
    header_ = nullptr;
    functions_.clear();
    byName_.clear();
    UnloadGroups(*this);
    g_current = previous_;
}

const FunctionInfo* Host::Find(const std::string& name) const {
    // The interpreter's names are in upper case already: no copy for them.
    const bool upper = std::none_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    auto it = upper ? byName_.find(name) : byName_.find(UpperAscii(name));
    return it == byName_.end() ? nullptr : &functions_[it->second];
}

Outcome Host::Invoke(const FunctionInfo& f, const std::vector<Arg>& args) {
    Outcome out;
    std::vector<std::uint8_t> block(kParamBlockOffset + 2 + sizeof(ParamRecord) * (args.size() + 1), 0);
    auto* request = reinterpret_cast<RequestBlock*>(block.data());
    auto* params = reinterpret_cast<ParamBlock*>(block.data() + kParamBlockOffset);
    params->count = static_cast<std::int16_t>(args.size());
    std::vector<std::uint32_t> handles;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!BuildRecord(args[i], &params->params[i], &handles)) {
            for (std::uint32_t h : handles) FreeHostHandle(h);
            out.error = 43;
            out.message = ErrorText(43);
            return out;
        }
    }
    request->code = kReqCall;
    request->function = f.handler;

    Frame frame;
    frames_.push_back(&frame);
    Host* saved = g_current;
    g_current = this;
    dispatch_(request);
    g_current = saved;
    frames_.pop_back();

    out.returns = std::move(frame.returns);
    out.error = frame.error;
    out.message = frame.message;
    out.protocol = frame.protocol;
    // The host owns the parameter handles and every handle a result came in;
    // a result may come back in a parameter's own handle: free it once.
    for (const Returned& r : out.returns)
        if ((r.type == 'H' || r.type == 'C') && r.handle) handles.push_back(r.handle);
    std::sort(handles.begin(), handles.end());
    handles.erase(std::unique(handles.begin(), handles.end()), handles.end());
    for (std::uint32_t h : handles) FreeHostHandle(h);
    return out;
}

void Host::Pump(unsigned milliseconds, const std::function<bool()>& stop) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;  // a modal loop's leftover
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (stop && stop()) return;
        }
        DWORD wait = INFINITE;
        if (milliseconds != INFINITE) {
            DWORD elapsed = GetTickCount() - start;
            if (elapsed >= milliseconds) return;
            wait = milliseconds - elapsed;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

// A timer of StartTimer's: its command goes through the callback as the
// library would send it, served by the Host that started the timer.
void CALLBACK HostTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto owner = g_timerOwners.find(id);
    if (owner == g_timerOwners.end()) return;
    Host* host = owner->second;
    auto it = host->timers_.find(id);
    if (it == host->timers_.end()) return;
    std::string command = it->second;  // the timer may stop while its command runs
    ServiceBlock b{};
    b.arg1 = Addr32(command.c_str());
    b.code = kSvcExecuteCommand;
    Host* saved = g_current;
    g_current = host;
    HostCallback(&b);
    g_current = saved;
}

std::uintptr_t Host::StartTimer(unsigned milliseconds, const std::string& command) {
    UINT_PTR id = SetTimer(nullptr, 0, milliseconds, HostTimerProc);
    if (!id) return 0;
    timers_[id] = command;
    g_timerOwners[id] = this;
    return id;
}

void Host::StopTimer(std::uintptr_t id) {
    if (!timers_.erase(id)) return;
    KillTimer(nullptr, id);
    g_timerOwners.erase(id);
}

}  // namespace tarvo::run
