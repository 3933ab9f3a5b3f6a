// The guard is a vectored exception handler installed around the one
// instruction: a privileged-instruction or access-violation exception raised
// at an `out dx, al` (one byte, 0xEE) or `int 33h` (0xCD 0x33) while the
// guard is on moves the instruction pointer past it and notes the refusal.
#include <windows.h>

#include "ui/hardware.h"

namespace tarvo {
namespace {

bool g_guarding = false;  // the host calls the library on one thread
bool g_refused = false;

LONG CALLBACK SkipRefused(EXCEPTION_POINTERS* e) {
    const DWORD code = e->ExceptionRecord->ExceptionCode;
    if (!g_guarding || (code != EXCEPTION_PRIV_INSTRUCTION && code != EXCEPTION_ACCESS_VIOLATION))
        return EXCEPTION_CONTINUE_SEARCH;
    const auto* at = static_cast<const unsigned char*>(e->ExceptionRecord->ExceptionAddress);
    const int length = at[0] == 0xEE ? 1 : (at[0] == 0xCD && at[1] == 0x33) ? 2 : 0;
    if (length == 0) return EXCEPTION_CONTINUE_SEARCH;
#ifdef _WIN64
    e->ContextRecord->Rip += length;
#else
    e->ContextRecord->Eip += length;
#endif
    g_refused = true;
    return EXCEPTION_CONTINUE_EXECUTION;
}

template <typename Instruction>
bool Guarded(Instruction instruction) {
    void* handler = AddVectoredExceptionHandler(1, SkipRefused);
    if (!handler) return false;
    g_guarding = true;
    g_refused = false;
    instruction();
    g_guarding = false;
    RemoveVectoredExceptionHandler(handler);
    return !g_refused;
}

}  // namespace

bool WritePort(std::uint16_t port, std::uint8_t value) {
    return Guarded([&] { asm volatile("outb %%al, %%dx" : : "a"(value), "d"(port) : "memory"); });
}

bool CallMouseDriver(std::uint16_t function, std::uint16_t first, std::uint16_t second) {
    return Guarded([&] {
        std::uintptr_t ax = function;
        asm volatile("int $0x33" : "+a"(ax) : "c"(first), "d"(second) : "memory");
    });
}

}  // namespace tarvo
