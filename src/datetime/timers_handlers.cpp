// The command timers: TIM_SET starts a thread timer without a window; each
// time it fires (from the thread's message loop, between the host's calls)
// it sends the stored TIM_PROC command to the host. All timers share that
// one command, read when they fire.
//
// A timer's command runs outside any DispatchAPI, so its tick has an abort
// frame of its own: a host error raised by the command ends that tick, the
// timer keeps running, and nothing unwinds into Windows' frames. The unload
// hook stops every timer still running.
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

// TIM_SET(interval): a negative interval is the longest one Windows allows.
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
