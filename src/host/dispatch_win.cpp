// The one export, DispatchAPI, and the per-thread slots it fills.
#include <windows.h>

#include <new>

#include "host/dispatch.h"
#include "host/handle_table.h"
#include "host/services.h"
#include "host/table.h"

namespace tarvo {
namespace {

DWORD g_slots[3] = {TLS_OUT_OF_INDEXES, TLS_OUT_OF_INDEXES, TLS_OUT_OF_INDEXES};
HINSTANCE g_instance = nullptr;
enum { kSlotCallback, kSlotHandles, kSlotValues };

void* Slot(int which) {
    if (g_slots[which] == TLS_OUT_OF_INDEXES) return nullptr;
    return TlsGetValue(g_slots[which]);
}

using Call1 = void (*)(ParamBlock*);
using Call2 = void (*)(std::uint32_t, std::uint32_t);
using Call11 = std::uint32_t (*)(std::uint32_t, ParamBlock*);

void Perform(RequestBlock* r) {
    auto* params = reinterpret_cast<ParamBlock*>(reinterpret_cast<std::uint8_t*>(r) +
                                                 kParamBlockOffset);
    switch (r->code) {
    case kReqLoad:
        if (g_slots[0] != TLS_OUT_OF_INDEXES) {
            TlsSetValue(g_slots[kSlotCallback], FromAddr<void>(r->function));
            TlsSetValue(g_slots[kSlotHandles], FromAddr<void>(r->word0));
            TlsSetValue(g_slots[kSlotValues], FromAddr<void>(r->word1));
        }
        [[fallthrough]];
    case kReqDescribe:
        r->word0 = Ptr(LibraryHeaderAddress());
        r->word1 = kDescribeConstant;
        break;
    case kReqCall:
        if (r->function) FnFromAddr<Call1>(r->function)(params);
        break;
    case kReqAllocHandle: {
        std::uint8_t* table = HandleTable();
        r->word0 = table ? TableAlloc(table, r->word0, static_cast<std::uint16_t>(r->word1),
                                      GlobalBlockOps())
                         : 0;
        break;
    }
    case kReqFreeHandle:
        if (std::uint8_t* table = HandleTable()) TableFree(table, r->word0, GlobalBlockOps());
        break;
    case kReqHandleAddress:
        r->word0 = Ptr(HandleToPointer(r->word0));
        break;
    case kReqCall2:
        if (r->function) FnFromAddr<Call2>(r->function)(r->word0, r->word1);
        break;
    case kReqCallReturn:
        if (r->function) r->word0 = FnFromAddr<Call11>(r->function)(r->word0, params);
        break;
    case kReqValueAdd:
        if (std::uint8_t* table = ValueTable()) r->word0 = ValueAdd(table, r->word0);
        else r->word0 = 0;
        break;
    case kReqValueRemove:
        if (std::uint8_t* table = ValueTable()) ValueRemove(table, r->word0);
        break;
    case kReqValueGet:
        if (std::uint8_t* table = ValueTable()) r->word0 = ValueGet(table, r->word0);
        else r->word0 = 0;
        break;
    default:
        break;  // unused and unknown codes are ignored
    }
}

}  // namespace

HostCallback CurrentCallback() { return reinterpret_cast<HostCallback>(Slot(kSlotCallback)); }
std::uint8_t* HandleTable() { return static_cast<std::uint8_t*>(Slot(kSlotHandles)); }
std::uint8_t* ValueTable() { return static_cast<std::uint8_t*>(Slot(kSlotValues)); }
HINSTANCE LibraryInstance() { return g_instance; }

// The request frame. Every abort (a host error raised through a service, a
// service asked without a callback) ends the innermost pending request here;
// nested requests each have their own frame, so an abort never reaches an
// outer one. Nothing thrown inside may cross into the host.
void RunRequest(RequestBlock* r) {
    try {
        Perform(r);
    } catch (const HostAbort&) {
    } catch (const std::bad_alloc&) {
        // The C++ runtime ran out of memory inside a handler: report it as
        // the host's out-of-memory error, like an exhausted handle.
        try {
            RaiseError(kErrOutOfMemory);
        } catch (...) {
        }
    } catch (...) {
    }
}

}  // namespace tarvo

extern "C" __declspec(dllexport) int __fastcall DispatchAPI(tarvo::RequestBlock* request) {
    if (request) tarvo::RunRequest(request);
    return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    using tarvo::g_slots;
    if (reason == DLL_PROCESS_ATTACH) {
        if (g_slots[0] == TLS_OUT_OF_INDEXES) {
            for (DWORD& s : g_slots) s = TlsAlloc();
        }
        tarvo::g_instance = instance;
    } else if (reason == DLL_PROCESS_DETACH) {
        for (DWORD& s : g_slots) {
            if (s != TLS_OUT_OF_INDEXES) TlsFree(s);
            s = TLS_OUT_OF_INDEXES;
        }
    }
    return TRUE;
}
