// SYS_INP and SYS_OUTP: the processor's port instructions. Windows 95 and 98
// let programs run them (their drivers stand in for the ports, and Wine's
// 16-bit kernel does in their place); Windows NT refuses every port to
// programs, so there the library does not try. Where the processor refuses
// the instruction anyway (it faults with a privileged instruction), a
// vectored exception handler, present only while the instruction runs,
// steps over it and the call answers its failure value: the host never sees
// the fault. The handler is added last, so handlers that stand in for the
// ports (Wine's, or a host's) come first.
#include <windows.h>

#include "system/actions.h"

namespace tarvo {
namespace {

// IN AL, DX and OUT DX, AL: one byte each.
constexpr unsigned char kInByte = 0xEC, kOutByte = 0xEE;

volatile bool g_pending = false;  // a port instruction is about to run
volatile bool g_faulted = false;

LONG CALLBACK StepOverPortFault(EXCEPTION_POINTERS* e) {
    const DWORD code = e->ExceptionRecord->ExceptionCode;
    const auto* at = static_cast<const unsigned char*>(e->ExceptionRecord->ExceptionAddress);
    if (!g_pending || (code != EXCEPTION_PRIV_INSTRUCTION && code != EXCEPTION_ACCESS_VIOLATION) ||
        (*at != kInByte && *at != kOutByte))
        return EXCEPTION_CONTINUE_SEARCH;
    g_faulted = true;
#ifdef _WIN64
    e->ContextRecord->Rip += 1;
#else
    e->ContextRecord->Eip += 1;
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

__attribute__((noinline)) unsigned char InstructionIn(std::uint16_t port) {
    unsigned char value = 0;
    asm volatile("inb %%dx, %%al" : "+a"(value) : "d"(port) : "memory");
    return value;
}

__attribute__((noinline)) void InstructionOut(std::uint16_t port, unsigned char value) {
    asm volatile("outb %%al, %%dx" : : "a"(value), "d"(port) : "memory");
}

// Runs one port instruction under the handler; false when it faulted.
template <typename Run>
bool Guarded(Run run) {
    void* handler = AddVectoredExceptionHandler(0, StepOverPortFault);
    if (!handler) return false;
    g_faulted = false;
    g_pending = true;
    run();
    g_pending = false;
    RemoveVectoredExceptionHandler(handler);
    return !g_faulted;
}

bool PortsAllowed() { return (GetVersion() & 0x80000000u) != 0; }

}  // namespace

bool SysOutp(std::int32_t port, char byte) {
    return PortsAllowed() && Guarded([&] {
               InstructionOut(static_cast<std::uint16_t>(port), static_cast<unsigned char>(byte));
           });
}

std::int32_t SysInp(std::int32_t port) {
    unsigned char value = 0;
    if (!PortsAllowed() ||
        !Guarded([&] { value = InstructionIn(static_cast<std::uint16_t>(port)); }))
        return kPortUnread;
    return static_cast<signed char>(value);
}

}  // namespace tarvo
