#include "runner/host.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/handle_table.h"
#include "runner/hostile.h"

namespace tarvo::run {
namespace {

thread_local Host* g_current = nullptr;

constexpr std::uint16_t kHandleCapacity = 4096;
constexpr std::uint16_t kValueCapacity = 1024;
constexpr std::uint16_t kHostTag = 1;
#ifdef _WIN64
// The 64-bit test flavour has no decorated names.
constexpr const char* kDispatchExport = "DispatchAPI";
#else
constexpr const char* kDispatchExport = "@DispatchAPI@4";
#endif

std::uint32_t Addr32(const void* p) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}
template <typename T>
T* At(std::uint32_t address) {
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(address));
}

// The host's own block operations (never the library's patched imports).
std::uint32_t HostAlloc(std::uint32_t size) {
    return Addr32(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
}
void HostRelease(std::uint32_t b) { GlobalFree(At<void>(b)); }
std::uint8_t* HostLock(std::uint32_t b) { return static_cast<std::uint8_t*>(GlobalLock(At<void>(b))); }
void HostUnlock(std::uint32_t b) { GlobalUnlock(At<void>(b)); }
const BlockOps kHostOps = {HostAlloc, HostRelease, HostLock, HostUnlock};

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

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

std::vector<ParamType> ParseTypes(const std::string& types) {
    std::vector<ParamType> out;
    std::size_t i = 0;
    while (i < types.size()) {
        bool optional = false;
        if (types[i] == '.') {
            optional = true;
            ++i;
        }
        if (i < types.size() && types[i] != ',') out.push_back({types[i++], optional});
        while (i < types.size() && types[i] != ',') ++i;
        if (i < types.size()) ++i;  // the comma
    }
    return out;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
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
}

Host::~Host() {
    if (module_) Unload();
}

bool Host::Load(const std::string& path, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (module_) return fail("a library is loaded already");
    WNDCLASSA wc{};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TarvoHostMain";
    RegisterClassA(&wc);
    mainWindow_ = CreateWindowA("TarvoHostMain", "TARVO host", WS_OVERLAPPEDWINDOW | WS_SYSMENU,
                                0, 0, 640, 480, nullptr, nullptr, wc.hInstance, nullptr);
    if (!mainWindow_)
        return fail("cannot create the host's main window (no graphics driver?)");

    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) return fail("cannot load " + path);
    auto dispatch = reinterpret_cast<int(__fastcall*)(RequestBlock*)>(
        reinterpret_cast<void*>(GetProcAddress(module, kDispatchExport)));
    if (!dispatch) {
        FreeLibrary(module);
        return fail(path + " has no " + kDispatchExport + " export");
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
    header_ = At<const LibraryHeader>(r.word0);

    functions_.clear();
    byName_.clear();
    const auto* records = At<const FunctionRecord>(header_->records);
    for (int i = 0; i < header_->count; ++i) {
        FunctionInfo f;
        f.name = At<const char>(records[i].name);
        f.handler = records[i].handler;
        f.count = records[i].paramCount;
        f.typesNull = records[i].types == 0;
        f.types = f.typesNull ? "" : At<const char>(records[i].types);
        f.params = ParseTypes(f.types);
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
    channels_.CloseAll();
    if (mainWindow_) DestroyWindow(mainWindow_);
    mainWindow_ = nullptr;
    g_current = previous_;
}

const FunctionInfo* Host::Find(const std::string& name) const {
    auto it = byName_.find(Upper(name));
    return it == byName_.end() ? nullptr : &functions_[it->second];
}

std::uint32_t Host::NewVariable(Value v) {
    std::uint32_t id = nextVariable_++;
    variables_[id] = std::move(v);
    return id;
}

int Host::HandlesInUse() const { return TableInUse(handleTable_.data()); }

std::string Host::HandleText(std::uint32_t handle, std::size_t length) const {
    std::uint32_t block = TableBlock(handleTable_.data(), handle);
    if (!block) return {};
    SIZE_T size = GlobalSize(At<void>(block));
    if (size < 2) return {};
    if (length > size - 2) length = size - 2;
    const char* p = static_cast<const char*>(GlobalLock(At<void>(block)));
    std::string s = p ? std::string(p + 2, length) : std::string();
    GlobalUnlock(At<void>(block));
    return s;
}

std::uint32_t Host::AllocHostHandle(const std::string& bytes) {
    std::uint32_t h = TableAlloc(handleTable_.data(), static_cast<std::uint32_t>(bytes.size()),
                                 kHostTag, kHostOps);
    if (!h) return 0;
    std::uint32_t block = TableBlock(handleTable_.data(), h);
    char* p = static_cast<char*>(GlobalLock(At<void>(block)));
    if (!bytes.empty()) std::memcpy(p + 2, bytes.data(), bytes.size());
    GlobalUnlock(At<void>(block));
    return h;
}

void Host::FreeHostHandle(std::uint32_t h) { TableFree(handleTable_.data(), h, kHostOps); }

void Host::FillRecord(const Value& v, ValueRecord* r) {
    std::memset(r, 0, sizeof *r);
    r->type = v.type;
    switch (v.type) {
    case 'C':
    case 'M':
        r->length = static_cast<std::int32_t>(v.text.size());
        r->handle = AllocHostHandle(v.text);
        break;
    case 'N':
        r->width = 20;
        r->length = v.decimals;
        r->number = v.number;
        r->integer = WholePart(v.number);
        break;
    case 'I':
        r->width = 10;
        r->integer = v.integer;
        r->number = v.integer;
        break;
    case 'D':
    case 'T':
        r->number = v.number;
        break;
    case 'L':
        r->length = v.logical ? 1 : 0;
        break;
    case 'Y':
        r->currency = v.currency;
        r->number = static_cast<double>(v.currency) / 10000.0;
        break;
    case 'O':
        r->integer = v.integer;
        break;
    default:
        break;
    }
}

Value Host::DecodeRecord(const ValueRecord& r) const {
    switch (r.type) {
    case 'C':
    case 'H':
    case 'M': {
        Value v = Value::Char(HandleText(r.handle, r.length < 0 ? 0 : static_cast<std::size_t>(r.length)));
        if (r.type == 'M') v.type = 'M';
        return v;
    }
    case 'N': return Value::Num(r.number, r.length);
    case 'I': return Value::Int(r.integer);
    case 'D': return Value::Date(r.number);
    case 'T': return Value::DateTime(r.number);
    case 'L': return Value::Logical(r.length != 0);
    case 'Y': return Value::Currency(r.currency);
    case '0': return Value::Null();
    default: {
        Value v;
        v.type = r.type;
        v.integer = r.integer;
        return v;
    }
    }
}

// Converts an argument to the declared letter the way the host does.
bool Host::Convert(const Arg& in, const ParamType& type, Arg* out) {
    *out = in;
    if (type.letter == 'R') return in.byRef;
    if (in.byRef) {
        if (type.letter == '?') return true;
        // A variable passed by reference where a value is declared: its value.
        auto it = variables_.find(in.varId);
        Value v;
        if (hooks.loadVariable) {
            if (hooks.loadVariable(in.varId, v) != 0) return false;
        } else if (it != variables_.end()) {
            v = it->second;
        } else {
            return false;
        }
        Arg byValue = ByValue(v);
        return Convert(byValue, type, out);
    }
    const Value& v = in.value;
    switch (type.letter) {
    case 'C':
        if (v.type == 'M') out->value.type = 'C';
        return v.type == 'C' || v.type == 'M';
    case 'N':
        if (!v.isNumeric()) return false;
        out->value = Value::Num(v.asNumber(), v.type == 'N' ? v.decimals : v.type == 'Y' ? 4 : 0);
        return true;
    case 'I':
        if (!v.isNumeric()) return false;
        out->value = Value::Int(WholePart(v.asNumber()));
        return true;
    case 'D':
        if (v.type == 'T') out->value = Value::Date(std::floor(v.number));
        return v.type == 'D' || v.type == 'T';
    case 'L': return v.type == 'L';
    case 'O': return v.type == 'O';
    case '?': return true;
    default: return false;
    }
}

Outcome Host::Call(const std::string& name, const std::vector<Arg>& args, bool check) {
    Outcome out;
    const FunctionInfo* f = Find(name);
    if (!f || f->count < 0) {
        out.found = false;
        out.error = 1;
        out.message = "File '" + Upper(name) + "' does not exist.";
        return out;
    }
    if (!check) return Invoke(*f, args);
    std::size_t required = 0;
    for (const ParamType& p : f->params)
        if (!p.optional) ++required;
    std::size_t declared = static_cast<std::size_t>(f->count);
    std::vector<Arg> converted(args.size());
    bool ok = args.size() >= required && args.size() <= declared;
    for (std::size_t i = 0; ok && i < args.size(); ++i) {
        ParamType t = i < f->params.size() ? f->params[i] : ParamType{'?', true};
        ok = Convert(args[i], t, &converted[i]);
    }
    if (!ok) {
        out.error = 11;
        out.message = ErrorText(11);
        return out;
    }
    return Invoke(*f, converted);
}

bool Host::BuildRecord(const Arg& arg, ParamRecord* rec, std::vector<std::uint32_t>* handles) {
    std::memset(rec, 0, sizeof *rec);
    if (arg.byRef) {
        rec->locator.type = 'R';
        rec->locator.workArea = arg.workArea;
        std::memcpy(rec->locator.reference, &arg.varId, 4);
        return true;
    }
    FillRecord(arg.value, &rec->value);
    if (arg.value.type == 'C' || arg.value.type == 'M') {
        if (!rec->value.handle) return false;
        handles->push_back(rec->value.handle);
    }
    return true;
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
    // The host owns the parameter handles and every handle a result came in;
    // a result may come back in a parameter's own handle: free it once.
    for (const Returned& r : out.returns)
        if ((r.type == 'H' || r.type == 'C') && r.handle) handles.push_back(r.handle);
    std::sort(handles.begin(), handles.end());
    handles.erase(std::unique(handles.begin(), handles.end()), handles.end());
    for (std::uint32_t h : handles) FreeHostHandle(h);
    return out;
}

void Host::RaiseInFrame(ServiceBlock* block, int number, const std::string& text) {
    if (!frames_.empty() && frames_.back()->error == 0) {
        frames_.back()->error = number;
        frames_.back()->message = text;
    }
    block->code = kSvcRaiseError;
}

void Host::MoveUnlockedBlocks() {
    std::uint8_t* table = handleTable_.data();
    for (std::uint32_t i = 1; i < TableCapacity(table); ++i) {
        HGLOBAL old = At<void>(TableBlock(table, i));
        if (!old || (GlobalFlags(old) & GMEM_LOCKCOUNT) != 0) continue;
        SIZE_T size = GlobalSize(old);
        HGLOBAL moved = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!moved) continue;
        char* from = static_cast<char*>(GlobalLock(old));
        char* to = static_cast<char*>(GlobalLock(moved));
        std::memcpy(to, from, size);
        std::memset(from, 0xCC, size);  // stale pointers now read garbage
        GlobalUnlock(moved);
        GlobalUnlock(old);
        GlobalFree(old);
        TableSetBlock(table, i, Addr32(moved));
    }
}

void Host::Serve(ServiceBlock* b) {
    Trace t;
    t.code = b->code;
    t.args[0] = b->arg1;
    t.args[1] = b->arg2;
    t.args[2] = b->arg3;
    t.args[3] = b->arg4;
    t.args[4] = b->arg5;
    auto text = [](std::uint32_t a) { return a ? std::string(At<const char>(a)) : std::string(); };
    switch (b->code) {
    case kSvcPutString: case kSvcExecuteCommand: case kSvcRaiseUserError:
    case kSvcHostFileOpen: case kSvcFindHostWindow:
        t.text = text(b->arg1);
        break;
    case kSvcEvaluateExpression:
        t.text = text(b->arg2);
        break;
    default:
        break;
    }
    if (traceOn) trace.push_back(t);

    Frame* frame = frames_.empty() ? nullptr : frames_.back();
    if (frame && ++frame->services == faults.abortAtService) {
        RaiseInFrame(b, faults.abortError, ErrorText(faults.abortError));
        return;
    }
    if (hostile) MoveUnlockedBlocks();

    auto answer = [b](std::int32_t v) { b->arg1 = static_cast<std::uint32_t>(v); };
    switch (b->code) {
    case kSvcPutString:
        if (hooks.output) hooks.output(t.text);
        else std::fputs(t.text.c_str(), stdout), std::fflush(stdout);
        break;
    case kSvcReturnValue: {
        const auto* r = At<const ValueRecord>(b->arg1);
        Returned ret;
        ret.type = r->type;
        ret.width = r->width;
        ret.length = r->length;
        ret.handle = (r->type == 'H' || r->type == 'C') ? r->handle : 0;
        ret.value = DecodeRecord(*r);
        if (frame) frame->returns.push_back(std::move(ret));
        else if (ret.handle) FreeHostHandle(ret.handle);
        break;
    }
    case kSvcRaiseError:
        RaiseInFrame(b, static_cast<int>(b->arg1), ErrorText(static_cast<int>(b->arg1)));
        break;
    case kSvcRaiseUserError:
        RaiseInFrame(b, 1098, t.text);
        b->code = kSvcRaiseUserError;
        break;
    case kSvcGetErrorInfo: {
        int number = static_cast<int>(b->arg1);
        std::string s = hooks.errorText ? hooks.errorText(number) : ErrorText(number);
        if (b->arg2) {
            char* buf = At<char>(b->arg2);
            std::size_t n = std::min<std::size_t>(s.size(), 255);
            std::memcpy(buf, s.data(), n);
            buf[n] = '\0';
        }
        break;  // answers the number itself
    }
    case kSvcLoadVariable: {
        const auto* loc = At<const VariableLocator>(b->arg1);
        auto* rec = At<ValueRecord>(b->arg2);
        std::uint32_t id;
        std::memcpy(&id, loc->reference, 4);
        if (faults.loadVariableError) return answer(-faults.loadVariableError);
        if (loc->workArea != -1) return answer(-12);
        Value v;
        int err = 0;
        if (hooks.loadVariable) err = hooks.loadVariable(id, v);
        else if (auto it = variables_.find(id); it != variables_.end()) v = it->second;
        else err = -12;
        if (err) return answer(err);
        FillRecord(v, rec);
        if ((v.type == 'C' || v.type == 'M') && rec->handle == 0) return answer(-182);
        return answer(0);
    }
    case kSvcStoreVariable: {
        const auto* loc = At<const VariableLocator>(b->arg1);
        const auto* rec = At<const ValueRecord>(b->arg2);
        std::uint32_t id;
        std::memcpy(&id, loc->reference, 4);
        if (faults.storeVariableError) return answer(-faults.storeVariableError);
        if (loc->workArea != -1) return answer(-12);
        Value v = DecodeRecord(*rec);
        if (hooks.storeVariable) return answer(hooks.storeVariable(id, v));
        variables_[id] = v;
        return answer(0);
    }
    case kSvcHostFileOpen:
        if (!faults.failOpen.empty() && t.text.find(faults.failOpen) != std::string::npos)
            return answer(-1);
        return answer(channels_.Open(t.text, static_cast<std::int32_t>(b->arg2),
                                     static_cast<std::int32_t>(b->arg3)));
    case kSvcHostFileClose:
        return answer(channels_.Close(static_cast<std::int32_t>(b->arg1)));
    case kSvcHostFileIo:
        return answer(channels_.Io(static_cast<std::int32_t>(b->arg1), At<char>(b->arg2),
                                   static_cast<std::int32_t>(b->arg3),
                                   static_cast<std::int32_t>(b->arg4)));
    case kSvcHostFileSeek:
        return answer(channels_.Seek(static_cast<std::int32_t>(b->arg1),
                                     static_cast<std::int32_t>(b->arg2),
                                     static_cast<std::int32_t>(b->arg3)));
    case kSvcHostFileEof:
        return answer(channels_.Eof(static_cast<std::int32_t>(b->arg1)));
    case kSvcExecuteCommand: {
        if (!faults.failCommand.empty() && t.text.find(faults.failCommand) != std::string::npos)
            return answer(faults.commandError);
        if (hooks.executeCommand) return answer(hooks.executeCommand(t.text));
        return answer(DefaultCommand(t.text));
    }
    case kSvcEvaluateExpression: {
        Value v;
        int err = hooks.evaluate ? hooks.evaluate(t.text, v) : 10;
        if (err == 0) FillRecord(v, At<ValueRecord>(b->arg1));
        return answer(err);
    }
    case kSvcFindHostWindow:
        // Only the main window is known: id 1.
        return answer(b->arg1 == 0 && b->arg2 == 1 ? 1 : 0);
    case kSvcHostWindowToHwnd:
        return answer(b->arg1 == 1 ? static_cast<std::int32_t>(Addr32(mainWindow_)) : 0);
    case kSvcGetWindowMetric: {
        RECT rc{};
        if (b->arg1 != 1 || !GetWindowRect(mainWindow_, &rc)) return answer(0);
        const std::int32_t m[6] = {rc.top, rc.bottom, rc.left, rc.right, rc.bottom - rc.top,
                                   rc.right - rc.left};
        return answer(b->arg2 < 6 ? m[b->arg2] : 0);
    }
    case kSvcGetMousePosition: {
        if (b->arg2 == 1) return answer(0);  // no button is down
        POINT pt{};
        GetCursorPos(&pt);
        auto* p = At<std::int32_t>(b->arg1);
        p[0] = pt.x;
        p[1] = pt.y;
        return answer(0);
    }
    case kSvcReadKey:
        return answer(0);  // no key waiting
    case kSvcShowDialog:
        return answer(static_cast<std::int32_t>(b->arg3));  // the default button
    case kSvcGetMemoChannel:
    case kSvcFindMemo:
        return answer(-1);
    case kSvcSetObjectProperty:
        return answer(1);
    default:
        // Tables and editor windows are not served yet: 0 (no table, no
        // window, nothing done).
        return answer(0);
    }
}

void Host::Pump(unsigned milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;  // a modal loop's leftover
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

int Host::DefaultCommand(const std::string& command) {
    std::string upper = Upper(command);
    if (upper.rfind("WAIT WINDOW", 0) == 0) {
        std::string rest = command.substr(11);
        std::size_t a = rest.find_first_of("'\"[");
        if (a != std::string::npos) {
            char close = rest[a] == '[' ? ']' : rest[a];
            std::size_t z = rest.find(close, a + 1);
            rest = rest.substr(a + 1, z == std::string::npos ? std::string::npos : z - a - 1);
        }
        waitWindows.push_back(rest);
        std::printf("WAIT WINDOW: %s\n", rest.c_str());
        std::fflush(stdout);
        return 0;
    }
    return 16;  // unrecognized command verb: no interpreter is attached
}

}  // namespace tarvo::run
