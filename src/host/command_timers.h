// Command timers (TIM_SET, NET_TIMSET): thread timers without a window that
// run the command of a store when they fire, from the thread's message loop,
// between the host's calls. A tick runs outside any DispatchAPI, so it has
// an abort frame of its own (GuardCallback): a host error raised by the
// command ends that tick, and nothing unwinds into Windows' frames. Every
// timer is tracked (host/timers.h) so that the unload hook can stop it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "host/services.h"
#include "host/timers.h"

namespace tarvo {

// A store's command: the first 128 characters of the text given.
constexpr std::size_t kTimerCommandLength = 128;
template <std::string& (*Command)()>
bool StoreTimerCommand(const char* command) {
    Command().assign(command, strnlen(command, kTimerCommandLength));
    return true;
}

template <std::string& (*Command)()>
void CALLBACK CommandTimerTick(HWND, UINT, UINT_PTR, DWORD) {
    GuardCallback([] {
        const std::string command = Command();  // the store may change meanwhile
        ExecuteCommand(command.c_str());
    });
}

// SetTimer takes the interval as unsigned and clamps it to its own range.
template <std::string& (*Command)()>
std::int32_t StartCommandTimer(std::int32_t interval) {
    const UINT_PTR id =
        SetTimer(nullptr, 0, static_cast<UINT>(interval), &CommandTimerTick<Command>);
    TrackTimer(id);
    return static_cast<std::int32_t>(id);
}

}  // namespace tarvo
