// The command timers: TIM_SET starts a thread timer without a window, whose
// callback runs from the thread's message loop, between the host's calls.
//
// A timer's command runs outside any DispatchAPI, so its tick has an abort
// frame of its own (GuardCallback): a host error raised by the command ends
// that tick, and nothing unwinds into Windows' frames. Every timer is
// tracked (host/timers.h) so that the unload hook can stop it.
#include <windows.h>

#include <string>

#include "host/declare.h"
#include "host/timers.h"

namespace tarvo {
namespace {

constexpr std::size_t kCommandLength = 128;

std::string g_command;  // TIM_PROC, empty at load

bool TimProc(const char* command) {
    g_command.assign(command, strnlen(command, kCommandLength));
    return true;
}

void CALLBACK TimerTick(HWND, UINT, UINT_PTR, DWORD) {
    GuardCallback([] {
        const std::string command = g_command;  // TIM_PROC may change it meanwhile
        ExecuteCommand(command.c_str());
    });
}

// SetTimer takes the interval as unsigned and clamps it to its own range.
std::int32_t TimSet(std::int32_t interval) {
    const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(interval), &TimerTick);
    TrackTimer(id);
    return static_cast<std::int32_t>(id);
}

bool TimKill(std::int32_t id) {
    StopTimer(static_cast<std::uintptr_t>(static_cast<std::uint32_t>(id)));
    return true;
}

constexpr RowSpec kRows[] = {
#include "datetime/timers_rows.h"
};

}  // namespace

Family TimerFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
